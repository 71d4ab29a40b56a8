// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

namespace menivor::win32 {

// A window class of ours: the arrow cursor, the given procedure and name, no class brush (each
// window paints its own background: a class outlives the windows, and their brushes). A second
// window in the same process finds it registered already, which is fine; any other failure is
// std::system_error.
WNDCLASSEXW WindowClass(HINSTANCE module, WNDPROC procedure, const wchar_t* name);
void Register(const WNDCLASSEXW& type);

} // namespace menivor::win32
