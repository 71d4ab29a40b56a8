// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's density and what follows from it: its frame and its font.

#include "platform/win32/gdi.h"

#include <windows.h>

namespace menivor::win32 {

// The window's dots per inch: its own on Windows 10 (1607) and later, before that the screen's
// (one density for the whole screen); 96 where neither can be read.
UINT DpiOf(HWND window);

// Widens a client rectangle to the window rectangle around it, for a window of these styles at
// these dots per inch.
void AdjustForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

// The designed font at these dots per inch. Throws std::runtime_error if it cannot be made.
Font WindowFont(UINT dpi);

} // namespace menivor::win32
