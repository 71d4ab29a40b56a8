// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

namespace menivor::win32 {

// A window class of ours: the arrow cursor, the given procedure, background and name. A second
// window in the same process finds it registered already, which is fine; any other failure is
// std::system_error.
WNDCLASSEXW WindowClass(HINSTANCE module, WNDPROC procedure, const wchar_t* name, HBRUSH background = nullptr);
void Register(const WNDCLASSEXW& type);

} // namespace menivor::win32
