// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/web/dom.h"
#include "platform/web/listbox.h"
#include "platform/web/picturebox.h"
#include "platform/web/textbox.h"
#include "window/controls.h"
#include "window/formbuilder.h"
#include "window/layout.h"

#include <memory>
#include <optional>
#include <vector>

namespace menivor::web {

// The window Menivor as a part of the page: the controls of the layout table at their pixels in
// an element of the window's size, scaled as a whole to fit the viewport and centred in it. Its
// load handling has run when the constructor returns. It lives as long as the page.
class MenivorWindow final : private ControlFactory, private ErrorReporter, private Announcer {
public:
    explicit MenivorWindow(const Clock& clock);
    MenivorWindow(const MenivorWindow&) = delete;
    MenivorWindow& operator=(const MenivorWindow&) = delete;

    static constexpr int ClientWidth = PixelsOf(Form.clientWidth);   // 464 CSS pixels at scale 1
    static constexpr int ClientHeight = PixelsOf(Form.clientHeight); // 424

private:
    void SetUpWindow();
    void FitToViewport();
    // A list as the window shows it: the control, and its designed height.
    struct ShownList {
        std::unique_ptr<ListBox> box;
        int height; // CSS pixels at scale 1
    };
    void FitRows(const ShownList& list) const;

    // Each control the form builder asks for, made in the order of the Tab key: the page's
    // order of focus is the order of its elements.
    void MakeLabel(const ControlDesign& design, PixelBox place) override;
    ListControl& MakeList(const ControlDesign& design, PixelBox place, std::function<void()> clicked) override;
    TextControl& MakeTextBox(const ControlDesign& design, PixelBox place) override;
    void MakeButton(const ControlDesign& design, PixelBox place, std::function<void()> pressed) override;
    PictureControl& MakePictureBox(const ControlDesign& design, PixelBox place) override;
    PictureRef LoadPicture(std::u16string_view name) override;
    // The element of a control at its place; named: with the design's accessible texts.
    Element Place(std::u16string_view tag, const ControlDesign& design, PixelBox place, bool named = true);

    void ReportError(std::u16string_view message) override;
    void Announce(std::u16string_view text) override;

    Element window_;
    Element announcement_; // a polite live region: what it is given, a screen reader says once
    std::vector<ShownList> lists_;
    std::vector<std::unique_ptr<TextBox>> textBoxes_;
    std::vector<std::unique_ptr<PictureBox>> pictureBoxes_;
    std::vector<std::unique_ptr<Listener>> listeners_;
    std::optional<Element> errorMessage_; // made at the first error
    std::optional<Element> firstFocus_;   // the first control of the Tab order that takes the focus
    bool dense_ = false;                  // the pictures drawn at twice the size are shown
    double scale_ = 1;                    // the window's, CSS pixels shown to one of the design
    bool coarsePointer_ = false;          // the main pointer is a finger
    std::optional<BuiltForm> form_;
};

} // namespace menivor::web
