// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/storedcontrols.h"
#include "platform/win32/listbox.h"
#include "platform/win32/picturebox.h"
#include "platform/win32/textbox.h"
#include "window/layout.h"
#include "window/menivor.h"

#include <windows.h>

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace menivor::win32 {

// The window Menivor with standard Windows controls, built from the layout table (window/layout.h)
// around the form's logic: window class "Menivor", a fixed single border with a close button,
// per-monitor DPI aware. Creating it creates the controls and runs the load handling; Show()
// puts it on the screen, Run() delivers its events until it is closed.
class MenivorWindow final : public ErrorReporter, private Announcer {
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
    const FormControls& Controls() const { return controls_; }
    UINT Dpi() const { return dpi_; }

    void ReportError(std::u16string_view message) override;

private:
    void Announce(std::u16string_view text) override;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void Destroy(); // the window and the GDI objects: what the members do not free themselves
    void RegisterClasses();
    void CreateControls();
    HWND CreateControl(std::size_t i);
    void SetDesignedContents();
    void Annotate(); // names and descriptions for screen readers
    PictureRef PictureNamed(std::u16string_view name);
    void LayOut(UINT dpi);
    void PlaceOnScreen();
    void OnCommand(int id, int code);
    void DrawButton(const DRAWITEMSTRUCT& item) const;
    void FollowFocus();
    HBRUSH ControlColours(HDC dc, HWND control) const; // text and back colour of a control
    void ShowPendingError();

    HINSTANCE module_;
    HWND window_ = nullptr;
    HWND focusFrame_ = nullptr;
    HWND lastFocus_ = nullptr; // where the focus returns when the window is activated again
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    HBRUSH backBrush_ = nullptr, labelBrush_ = nullptr, fieldBrush_ = nullptr, buttonBrush_ = nullptr;

    std::array<HWND, menivor::Controls.size()> handles_{};
    std::array<std::unique_ptr<ListBox>, 3> lists_;
    std::unique_ptr<TextBox> date_;
    std::array<std::unique_ptr<TextControl>, 2> texts_;
    std::array<std::unique_ptr<PictureControl>, 10> pictures_;
    std::map<std::u16string, PictureRef, std::less<>> pictureObjects_;
    FormControls controls_;
    std::optional<Menivor> form_;
    std::deque<std::u16string> pendingErrors_;
};

} // namespace menivor::win32
