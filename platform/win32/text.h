// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text between the form's logic (UTF-16 std::u16string) and the Win32 W functions (wchar_t,
// UTF-16 on Windows): the same code units, copied without conversion.

#include <windows.h>

#include <string>
#include <string_view>

namespace menivor::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wchar_t is a UTF-16 code unit");

inline std::wstring WideOf(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string U16Of(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

// The whole text of a window (a control's text, an edit box's contents).
std::u16string WindowText(HWND window);

// Sets a window's text; an out-of-memory failure is std::bad_alloc, not a silently kept old text.
void PutWindowText(HWND window, std::u16string_view text);

} // namespace menivor::win32
