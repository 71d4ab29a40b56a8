// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/windowclass.h"

#include <system_error>

namespace menivor::win32 {

WNDCLASSEXW WindowClass(HINSTANCE module, WNDPROC procedure, const wchar_t* name)
{
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = module;
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    type.lpszClassName = name;
    return type;
}

void Register(const WNDCLASSEXW& type)
{
    if (!RegisterClassExW(&type) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::system_error(int(GetLastError()), std::system_category(), "RegisterClassExW");
}

} // namespace menivor::win32
