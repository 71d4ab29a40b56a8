// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"
#include "window/formbuilder.h"
#include "window/layout.h"
#include "window/menivor.h"

#include <QWidget>

#include <optional>

namespace menivor::qt {

class Announcement;
class FocusFrame;

// The window Menivor in Qt Widgets: a fixed-size window with the controls of the layout table,
// around the form's logic. Its load handling has run when the constructor returns; show() it
// afterwards. Sizes are device-independent pixels (15 twips each), so that the window scales
// as a whole on dense screens.
class MenivorWindow final : public QWidget, private ControlFactory, private ErrorReporter, private Announcer {
    Q_OBJECT

public:
    explicit MenivorWindow(const Clock& clock, QWidget* parent = nullptr);
    ~MenivorWindow() override;

    const Menivor& Form() const { return form_->Form(); }
    // The controls as the form sees them, the hidden ones included (they are no widgets).
    const FormControls& Controls() const { return form_->Controls(); }

    static constexpr int ClientWidth = PixelsOf(menivor::Form.clientWidth);   // 464 pixels
    static constexpr int ClientHeight = PixelsOf(menivor::Form.clientHeight); // 424 pixels

protected:
    bool event(QEvent* event) override;

private:
    void SetUpWindow();
    void SetUpFocusFrame();
    void PlaceOnScreen();

    // Each control the form builder asks for, made in the order of the Tab key: Qt's focus chain
    // follows the order in which a window's children are made.
    void MakeLabel(const ControlDesign& design, PixelBox place) override;
    ListControl& MakeList(const ControlDesign& design, PixelBox place, std::function<void()> clicked) override;
    TextControl& MakeTextBox(const ControlDesign& design, PixelBox place) override;
    void MakeButton(const ControlDesign& design, PixelBox place, std::function<void()> pressed) override;
    PictureControl& MakePictureBox(const ControlDesign& design, PixelBox place) override;
    PictureRef LoadPicture(std::u16string_view name) override;
    template <class Widget>
    Widget& Place(Widget* widget, const ControlDesign& design, PixelBox place);

    void ReportError(std::u16string_view message) override;
    void Announce(std::u16string_view text) override;

    QWidget* calculateButton_ = nullptr;
    Announcement* announcement_ = nullptr; // before Qt 6.8: tells screen readers the results
    FocusFrame* focusFrame_ = nullptr; // follows the keyboard focus
    bool centredWithFrame_ = false;
    std::optional<BuiltForm> form_;
};

} // namespace menivor::qt
