// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/win32/gdi.h"

#include <windows.h>

namespace menivor::win32 {

// How the owner-drawn Calculate button looks: its face in the designed colour, a raised edge
// (sunken, the caption one pixel lower right, while pressed), the caption centred, and a focus
// rectangle inside while it has the keyboard focus.
class ColourButton {
public:
    explicit ColourButton(Colour face) : face_(SolidBrush(face)) {}

    void Draw(const DRAWITEMSTRUCT& item, HFONT font, UINT dpi) const;

private:
    Brush face_;
};

} // namespace menivor::win32
