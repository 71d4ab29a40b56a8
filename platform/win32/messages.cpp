// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's messages: its procedure, which hands each message to a small On... handler.

#include "platform/win32/menivorwindow.h"

#include "window/conversions.h"

#include <windowsx.h>

#include <exception>

namespace menivor::win32 {

LRESULT CALLBACK MenivorWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MenivorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MenivorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    // No exception may cross Windows' own code: one that escapes is reported like a handler's.
    try {
        return self->Handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->ReportError(Utf16Of(error.what())); // UTF-8, as the program's own messages are
    } catch (...) {
        self->ReportError(u"unknown error");
    }
    return 0;
}

// The message crackers of <windowsx.h> call a handler with the window first; ours know it.
#define MENIVOR_ON(handler) [this](HWND, auto... arguments) { return handler(arguments...); }

LRESULT MenivorWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(window_, WM_COMMAND, MENIVOR_ON(OnCommand));
        HANDLE_MSG(window_, WM_CTLCOLORSTATIC, MENIVOR_ON(OnCtlColor));
        HANDLE_MSG(window_, WM_CTLCOLOREDIT, MENIVOR_ON(OnCtlColor));
        HANDLE_MSG(window_, WM_CTLCOLORLISTBOX, MENIVOR_ON(OnCtlColor));
        HANDLE_MSG(window_, WM_ERASEBKGND, MENIVOR_ON(OnEraseBkgnd));
        HANDLE_MSG(window_, WM_ACTIVATE, MENIVOR_ON(OnActivate));
        HANDLE_MSG(window_, WM_SETFOCUS, MENIVOR_ON(OnSetFocus));
        HANDLE_MSG(window_, WM_DESTROY, MENIVOR_ON(OnDestroy));
    case WM_DRAWITEM:
        button_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), font_.get(), dpi_);
        return TRUE;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case ReportErrorMessage:
        ShowPendingError();
        return 0;
    case WM_NCDESTROY: {
        HWND gone = window_;
        window_ = nullptr;
        return DefWindowProcW(gone, message, wParam, lParam);
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

#undef MENIVOR_ON

void MenivorWindow::OnCommand(int id, HWND, UINT code)
{
    focusFrame_->Follow(dpi_); // every control reports its gaining and losing the focus
    if (id == IDOK && code == BN_CLICKED) {
        // Enter anywhere in the window arrives here too; it presses the button only where the
        // button has the focus, as a click or Space gives it.
        if (GetFocus() == GetDlgItem(window_, IDOK) && pressed_)
            pressed_();
        return;
    }
    const int row = id - FirstControlId;
    if (row < 0 || row >= int(menivor::Controls.size()) || code != LBN_SELCHANGE)
        return;
    const ControlDesign& design = menivor::Controls[std::size_t(row)];
    if (design.kind == ControlKind::ListBox)
        lists_.at(std::size_t(design.index))->OnSelectionChange();
}

HBRUSH MenivorWindow::OnCtlColor(HDC dc, HWND control, int) const
{
    // Labels and the read-only boxes both ask through WM_CTLCOLORSTATIC, the lists through
    // WM_CTLCOLORLISTBOX: the labels have their own back colour, the rest the field colour.
    const int row = GetDlgCtrlID(control) - FirstControlId;
    const bool label = row >= 0 && row < int(menivor::Controls.size())
                       && menivor::Controls[std::size_t(row)].kind == ControlKind::Label;
    SetTextColor(dc, ColourRef(menivor::Form.textColour));
    SetBkColor(dc, ColourRef(label ? menivor::Form.labelColour : menivor::Form.fieldColour));
    return label ? labelBrush_.get() : fieldBrush_.get();
}

BOOL MenivorWindow::OnEraseBkgnd(HDC dc) const
{
    RECT all;
    GetClientRect(window_, &all);
    FillRect(dc, &all, backBrush_.get());
    return TRUE;
}

void MenivorWindow::OnActivate(UINT state, HWND, BOOL)
{
    // Like a dialog: the focus leaves with the window and comes back to where it was; at the
    // first activation it goes to the first control of the Tab order.
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && GetParent(focus) == window_)
            lastFocus_ = focus;
    } else {
        SetFocus(lastFocus_ ? lastFocus_ : GetNextDlgTabItem(window_, nullptr, FALSE));
    }
    focusFrame_->Follow(dpi_);
}

void MenivorWindow::OnSetFocus(HWND)
{
    if (lastFocus_)
        SetFocus(lastFocus_);
}

void MenivorWindow::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    // Moved to a screen of another density: the same window in the same place, at that density.
    LayOut(dpi);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MenivorWindow::OnDestroy()
{
    PostQuitMessage(0); // closing the window ends the program
}

} // namespace menivor::win32
