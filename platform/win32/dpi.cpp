// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/dpi.h"

#include "platform/win32/accessibility.h"
#include "platform/win32/text.h"
#include "window/layout.h"

#include <stdexcept>

namespace menivor::win32 {

namespace {

// Windows 10 (1607) and later; null before.
template <class Function>
Function User32Function(const char* name)
{
    return SystemFunction<Function>(GetModuleHandleW(L"user32.dll"), name);
}

} // namespace

UINT DpiOf(HWND window)
{
    if (auto get = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow"))
        if (UINT dpi = get(window))
            return dpi;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : 96;
}

void AdjustForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi)
{
    if (auto adjust = User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi"))
        if (adjust(&rect, style, FALSE, exStyle, dpi))
            return;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

Font WindowFont(UINT dpi)
{
    const FormDesign& form = menivor::Form;
    Font font(CreateFontW(-FontPixelsOf(form.fontPoints, int(dpi)), 0, 0, 0, form.fontWeight, FALSE, FALSE, FALSE,
                          DWORD(form.fontCharSet), OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                          VARIABLE_PITCH | FF_ROMAN, // a serif where the face is missing
                          WideOf(form.fontFace).c_str()));
    if (!font)
        throw std::runtime_error("the window's font could not be created");
    return font;
}

} // namespace menivor::win32
