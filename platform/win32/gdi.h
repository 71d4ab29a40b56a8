// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// GDI objects and device contexts owned by a handle that frees them, deleted with their owner.

#include "window/layout.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace menivor::win32 {

struct GdiObjectDeleter {
    void operator()(void* object) const noexcept { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;

struct DcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};

// A memory device context (CreateCompatibleDC), deleted with its owner.
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

inline COLORREF ColourRef(Colour colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

inline Brush SolidBrush(Colour colour)
{
    return Brush(CreateSolidBrush(ColourRef(colour)));
}

} // namespace menivor::win32
