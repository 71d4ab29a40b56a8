// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/text.h"

#include <new>

namespace menivor::win32 {

std::u16string WindowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)), L'\0');
    if (!text.empty())
        text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()) + 1)));
    return U16Of(text);
}

void PutWindowText(HWND window, std::u16string_view text)
{
    if (!SetWindowTextW(window, WideOf(text).c_str()))
        throw std::bad_alloc();
}

} // namespace menivor::win32
