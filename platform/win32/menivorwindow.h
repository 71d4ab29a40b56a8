// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/win32/accessibility.h"
#include "platform/win32/colourbutton.h"
#include "platform/win32/focusframe.h"
#include "platform/win32/gdi.h"
#include "platform/win32/listbox.h"
#include "platform/win32/picturebox.h"
#include "platform/win32/textbox.h"
#include "window/formbuilder.h"
#include "window/layout.h"

#include <windows.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace menivor::win32 {

// The window Menivor with standard Windows controls, built by the form builder from the layout
// table around the form's logic: window class "Menivor", a fixed single border with a close
// button, per-monitor DPI aware. Creating it creates the controls and runs the load handling;
// Show() puts it on the screen, Run() delivers its events until it is closed.
class MenivorWindow final : public ErrorReporter, private ControlFactory, private Announcer {
public:
    static constexpr const wchar_t* ClassName = L"Menivor";

    MenivorWindow(HINSTANCE module, const Clock& clock);
    ~MenivorWindow() override;
    MenivorWindow(const MenivorWindow&) = delete;
    MenivorWindow& operator=(const MenivorWindow&) = delete;

    HWND Handle() const { return window_; }
    void Show(int how);
    // The message loop, with the dialog keys (Tab, Shift+Tab, Enter) handled for the window; returns
    // the program's exit status once the window has been closed.
    int Run();

    // The control made from row i of the layout table; nullptr for a hidden one.
    HWND Control(std::size_t i) const { return handles_.at(i); }
    const FormControls& Controls() const { return form_->Controls(); }
    UINT Dpi() const { return dpi_; }

    void ReportError(std::u16string_view message) override;

private:
    static constexpr UINT ReportErrorMessage = WM_APP + 1;
    // Row i of the layout table is the control of id FirstControlId + i; the button is IDOK.
    static constexpr int FirstControlId = 100;
    static constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; // close button only
    static constexpr DWORD WindowExStyle = WS_EX_CONTROLPARENT;

    // The controls the form builder asks for, created in the order of the Tab key (dialog
    // navigation follows the order of the windows) at their place, in the window's font.
    void MakeLabel(const ControlDesign& design, PixelBox place) override;
    ListControl& MakeList(const ControlDesign& design, PixelBox place, std::function<void()> clicked) override;
    TextControl& MakeTextBox(const ControlDesign& design, PixelBox place) override;
    void MakeButton(const ControlDesign& design, PixelBox place, std::function<void()> pressed) override;
    PictureControl& MakePictureBox(const ControlDesign& design, PixelBox place) override;
    PictureRef LoadPicture(std::u16string_view name) override;
    HWND Create(const ControlDesign& design, PixelBox place, const wchar_t* type, DWORD style, DWORD exStyle);

    void Announce(std::u16string_view text) override;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, HWND control, UINT code);
    HBRUSH OnCtlColor(HDC dc, HWND control, int type) const;
    BOOL OnEraseBkgnd(HDC dc) const;
    void OnActivate(UINT state, HWND other, BOOL minimised);
    void OnSetFocus(HWND previous);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnDestroy();
    void ShowPendingError();

    void RegisterClass() const;
    void LayOut(UINT dpi); // at a new density: the font, every control's place, the window's size
    void FitToClientArea();
    void PlaceOnScreen();

    HINSTANCE module_;
    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr; // where the focus returns when the window is activated again
    UINT dpi_ = 96;
    Font font_;
    Brush backBrush_, labelBrush_, fieldBrush_;
    ColourButton button_{menivor::Form.buttonColour};
    std::function<void()> pressed_;
    Accessibility accessibility_;
    std::unique_ptr<FocusFrame> focusFrame_;

    std::array<HWND, menivor::Controls.size()> handles_{};
    std::array<std::unique_ptr<ListBox>, 3> lists_;
    std::vector<std::unique_ptr<TextBox>> textBoxes_;
    std::vector<std::unique_ptr<PictureBox>> pictureBoxes_;
    std::optional<BuiltForm> form_;
    std::deque<std::u16string> pendingErrors_;
};

} // namespace menivor::win32
