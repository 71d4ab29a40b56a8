// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/controls.h"
#include "platform/storedcontrols.h"
#include "platform/qt/boxes.h"
#include "platform/qt/listbox.h"
#include "window/layout.h"
#include "window/menivor.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace menivor::qt {

class FocusFrame;

// The window Menivor in Qt Widgets: a fixed-size window with the controls of the layout table,
// around the form's logic. Its load handling has run when the constructor returns; show() it
// afterwards. Sizes are device-independent pixels (15 twips each), so that the window scales
// as a whole on dense screens.
class Announcement;

class MenivorWindow final : public QWidget, private ErrorReporter, private Announcer {
    Q_OBJECT

public:
    explicit MenivorWindow(const Clock& clock, QWidget* parent = nullptr);
    ~MenivorWindow() override;

    const Menivor& Form() const { return *form_; }
    // The controls as the form sees them, the hidden ones included (they are no widgets).
    const FormControls& Controls() const { return controls_; }

    static constexpr int ClientWidth = PixelsOf(6960);  // 464 pixels
    static constexpr int ClientHeight = PixelsOf(6360); // 424 pixels

protected:
    bool event(QEvent* event) override;

private:
    void SetUpWindow();
    void CreateControls();
    void SetTabOrder();
    void SetAccessibleTexts();
    void SetUpFocusFrame();
    void PlaceOnScreen();

    QWidget* CreateControl(const ControlDesign& design);
    PictureRef PictureNamed(std::u16string_view name);
    void ReportError(std::u16string_view message) override;
    void Announce(std::u16string_view text) override;

    FormControls controls_;
    QWidget* calculateButton_ = nullptr;
    Announcement* announcement_ = nullptr; // before Qt 6.8: tells screen readers the results
    FocusFrame* focusFrame_ = nullptr; // follows the keyboard focus
    bool centredWithFrame_ = false;
    // In the table's order; none for a control that is never shown.
    std::array<QWidget*, std::tuple_size_v<decltype(menivor::Controls)>> widgets_{};
    std::map<std::u16string, PictureRef, std::less<>> pictures_; // one object for each picture
    std::vector<std::unique_ptr<StoredPicture>> hiddenPictures_;  // the phase pictures' boxes
    std::vector<std::unique_ptr<StoredText>> hiddenTexts_;        // the quotation
    std::optional<Menivor> form_;
};

} // namespace menivor::qt
