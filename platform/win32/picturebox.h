// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/win32/com.h"
#include "window/controls.h"

#include <windows.h>
#include <ocidl.h>

#include <array>
#include <string>

namespace menivor::win32 {

// A picture stored in the executable as two JPEG resources: the drawing ("PHASE0") and the same
// drawing at twice the size ("PHASE0_2X") for screens at 150 % and more. Each is decoded the first
// time it is needed, so that pictures never shown cost nothing; the decoded bitmap belongs to an
// IPicture that lives as long as this object.
class Win32Picture final : public Picture {
public:
    // name: "cycle" or "phase0" to "phase7", the layout table's picture names.
    Win32Picture(HINSTANCE module, std::u16string_view name);

    // The picture's size in pixels at dots per inch (its drawing's pixels at 96 dpi, scaled),
    // decoding it if need be. A picture that cannot be decoded is std::runtime_error.
    SIZE SizeAt(UINT dpi) const;
    // The bitmap that draws best at dots per inch, or nullptr if it cannot be decoded.
    HBITMAP BitmapFor(UINT dpi) const noexcept;

private:
    struct Decoded {
        ComPtr<IPicture> picture; // owns bitmap
        HBITMAP bitmap = nullptr;
        SIZE pixels{};
        bool tried = false;
    };
    const Decoded& Variant(UINT dpi) const noexcept;

    HINSTANCE module_;
    std::wstring resource_;
    mutable std::array<Decoded, 2> decoded_; // at 1x and at 2x
};

// A framed box (2-pixel sunken edge) that shows a Win32Picture at its size for the box's dots per
// inch, and takes that size plus its frame. Its accessible name is its window text, which is
// what Windows' accessibility proxies report for it.
class PictureBox final : public PictureControl {
public:
    static constexpr const wchar_t* ClassName = L"MenivorPicture";
    static void Register(HINSTANCE module);

    explicit PictureBox(HWND box);
    ~PictureBox() override;

    // The box's dots per inch: it resizes to its picture at that density.
    void SetDpi(UINT dpi);

    PictureRef GetPicture() const override { return picture_; }
    void SetPicture(PictureRef picture) override;
    std::u16string AccessibleName() const override;
    void SetAccessibleName(std::u16string_view name) override;

private:
    static LRESULT CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
    void Fit();
    void Paint();

    HWND box_;
    PictureRef picture_;
    UINT dpi_ = 96;
};

} // namespace menivor::win32
