// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/focusframe.h"

#include "platform/win32/windowclass.h"

#include <system_error>

namespace menivor::win32 {

namespace {

constexpr const wchar_t* ClassName = L"MenivorFocusFrame";

} // namespace

FocusFrame::FocusFrame(HINSTANCE module, HWND parent)
    : parent_(parent)
    , brush_(SolidBrush(menivor::Form.focusColour))
{
    Register(WindowClass(module, Procedure, ClassName));
    ring_ = CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_DISABLED, 0, 0, 0, 0, parent, nullptr, module, nullptr);
    if (!ring_)
        throw std::system_error(int(GetLastError()), std::system_category(), "CreateWindowExW");
    SetWindowLongPtrW(ring_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FocusFrame::~FocusFrame()
{
    // The parent's destruction takes the ring's window with it; until then it must not paint
    // with a brush that is gone.
    if (IsWindow(ring_))
        SetWindowLongPtrW(ring_, GWLP_USERDATA, 0);
}

void FocusFrame::Follow(UINT dpi)
{
    HWND focus = GetFocus();
    if (!focus || focus == ring_ || GetParent(focus) != parent_) {
        ShowWindow(ring_, SW_HIDE);
        return;
    }
    RECT outer;
    GetWindowRect(focus, &outer);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&outer), 2);
    const int width = MulDiv(menivor::Form.focusFrameWidth, int(dpi), 96);
    InflateRect(&outer, width, width);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    HRGN ring = CreateRectRgn(0, 0, w, h);
    const GdiObject<HRGN> inside(CreateRectRgn(width, width, w - width, h - width));
    CombineRgn(ring, ring, inside.get(), RGN_DIFF);
    SetWindowRgn(ring_, ring, FALSE); // the system owns the region now
    SetWindowPos(ring_, HWND_TOP, outer.left, outer.top, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(ring_, nullptr, TRUE);
}

LRESULT CALLBACK FocusFrame::Procedure(HWND ring, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // clicks go to what lies below
    case WM_ERASEBKGND:
        if (const auto* self = reinterpret_cast<const FocusFrame*>(GetWindowLongPtrW(ring, GWLP_USERDATA))) {
            RECT all;
            GetClientRect(ring, &all);
            FillRect(reinterpret_cast<HDC>(wParam), &all, self->brush_.get());
        }
        return 1;
    default:
        return DefWindowProcW(ring, message, wParam, lParam);
    }
}

} // namespace menivor::win32
