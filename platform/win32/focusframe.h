// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/win32/gdi.h"

#include <windows.h>

namespace menivor::win32 {

// A ring in the focus colour just outside the control that has the keyboard focus, above every
// control, seen from the back of a classroom: a child window shaped by a region, which lets the
// mouse through to what lies below.
class FocusFrame {
public:
    FocusFrame(HINSTANCE module, HWND parent);
    ~FocusFrame();
    FocusFrame(const FocusFrame&) = delete;
    FocusFrame& operator=(const FocusFrame&) = delete;

    // Moves around the parent's control that has the focus (hidden where none has), its width
    // scaled to dots per inch.
    void Follow(UINT dpi);

private:
    static LRESULT CALLBACK Procedure(HWND ring, UINT message, WPARAM wParam, LPARAM lParam);

    HWND parent_;
    HWND ring_ = nullptr;
    Brush brush_;
};

} // namespace menivor::win32
