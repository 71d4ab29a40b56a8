// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/picturebox.h"

#include "platform/win32/gdi.h"
#include "platform/win32/text.h"
#include "platform/win32/windowclass.h"

#include <olectl.h>

#include <cstring>
#include <stdexcept>

namespace menivor::win32 {

namespace {

// From 150 % (144 dpi) the drawing at twice the size is sharper than the small one enlarged.
constexpr UINT LargeDrawingFromDpi = 144;

// Decodes one JPEG resource through OLE's picture loader; null if it cannot.
ComPtr<IPicture> DecodeResource(HINSTANCE module, const std::wstring& name)
{
    HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!bytes || size == 0)
        return nullptr;
    // The stream needs memory of its own, movable, which it frees when it is released.
    GlobalMemory copy(GlobalAlloc(GMEM_MOVEABLE, size));
    void* locked = copy ? GlobalLock(copy.get()) : nullptr;
    if (!locked)
        return nullptr;
    std::memcpy(locked, bytes, size);
    GlobalUnlock(copy.get());
    IStream* made = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy.get(), TRUE, &made)))
        return nullptr;
    copy.release(); // the stream's now
    const ComPtr<IStream> stream(made);
    IPicture* picture = nullptr;
    if (FAILED(OleLoadPicture(stream.get(), LONG(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture))))
        return nullptr;
    return ComPtr<IPicture>(picture);
}

} // namespace

Win32Picture::Win32Picture(HINSTANCE module, std::u16string_view name)
    : module_(module)
    , resource_(WideOf(name)) // FindResourceW matches names without regard to case
{
}

const Win32Picture::Decoded& Win32Picture::Variant(UINT dpi) const noexcept
{
    const bool large = dpi >= LargeDrawingFromDpi;
    Decoded& variant = decoded_[large ? 1 : 0];
    if (!variant.tried) {
        variant.tried = true;
        variant.picture = DecodeResource(module_, large ? resource_ + L"_2x" : resource_);
        OLE_HANDLE handle = 0;
        BITMAP info{};
        if (variant.picture && SUCCEEDED(variant.picture->get_Handle(&handle))
            && GetObjectW(reinterpret_cast<HGDIOBJ>(UINT_PTR(handle)), sizeof info, &info)) {
            variant.bitmap = reinterpret_cast<HBITMAP>(UINT_PTR(handle));
            variant.pixels = {info.bmWidth, info.bmHeight};
        }
    }
    return variant;
}

SIZE Win32Picture::SizeAt(UINT dpi) const
{
    const Decoded& variant = Variant(dpi);
    if (!variant.bitmap)
        throw std::runtime_error("the picture " + std::string(resource_.begin(), resource_.end())
                                 + " could not be decoded");
    const int drawn = dpi >= LargeDrawingFromDpi ? 2 : 1; // the drawing's pixels per pixel at 96 dpi
    return {MulDiv(variant.pixels.cx, int(dpi), 96 * drawn), MulDiv(variant.pixels.cy, int(dpi), 96 * drawn)};
}

HBITMAP Win32Picture::BitmapFor(UINT dpi) const noexcept
{
    return Variant(dpi).bitmap;
}

void PictureBox::Register(HINSTANCE module)
{
    win32::Register(WindowClass(module, Procedure, ClassName));
}

PictureBox::PictureBox(HWND box)
    : box_(box)
{
    SetWindowLongPtrW(box_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PictureBox::~PictureBox()
{
    SetWindowLongPtrW(box_, GWLP_USERDATA, 0);
}

void PictureBox::SetDpi(UINT dpi)
{
    dpi_ = dpi;
    if (picture_)
        Fit();
}

void PictureBox::SetPicture(PictureRef picture)
{
    // The size first: a picture that cannot be decoded leaves the box as it was.
    if (const auto own = PictureOfLayer<Win32Picture>(picture))
        own->SizeAt(dpi_);
    picture_ = std::move(picture);
    Fit();
    InvalidateRect(box_, nullptr, FALSE);
}

std::u16string PictureBox::AccessibleName() const
{
    return WindowText(box_);
}

void PictureBox::SetAccessibleName(std::u16string_view name)
{
    PutWindowText(box_, name);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, box_, OBJID_CLIENT, CHILDID_SELF);
}

void PictureBox::Fit()
{
    if (!picture_)
        return;
    const SIZE size = static_cast<const Win32Picture&>(*picture_).SizeAt(dpi_);
    // The frame around the picture, as this box's styles draw it.
    RECT frame{0, 0, size.cx, size.cy};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongPtrW(box_, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(box_, GWL_EXSTYLE)));
    SetWindowPos(box_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PictureBox::Paint()
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(box_, &paint);
    RECT client;
    GetClientRect(box_, &client);
    HBITMAP bitmap = picture_ ? static_cast<const Win32Picture&>(*picture_).BitmapFor(dpi_) : nullptr;
    BITMAP info{};
    if (bitmap && GetObjectW(bitmap, sizeof info, &info)) {
        const MemoryDc source(CreateCompatibleDC(target));
        HGDIOBJ previous = SelectObject(source.get(), bitmap);
        if (info.bmWidth == client.right && info.bmHeight == client.bottom) {
            BitBlt(target, 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
        } else {
            SetStretchBltMode(target, HALFTONE);
            SetBrushOrgEx(target, 0, 0, nullptr);
            StretchBlt(target, 0, 0, client.right, client.bottom, source.get(), 0, 0, info.bmWidth,
                       info.bmHeight, SRCCOPY);
        }
        SelectObject(source.get(), previous); // the bitmap stays the picture's
    } else {
        FillRect(target, &client, GetSysColorBrush(COLOR_WINDOW));
    }
    EndPaint(box_, &paint);
}

LRESULT CALLBACK PictureBox::Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<PictureBox*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT:
        if (self) {
            self->Paint();
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return self ? 1 : DefWindowProcW(box, message, wParam, lParam); // Paint covers every pixel
    default:
        break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

} // namespace menivor::win32
