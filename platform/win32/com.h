// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// COM objects, BSTRs and global memory owned by handles that release them, as gdi.h owns GDI
// objects: an early return cannot leak one.

#include <windows.h>
#include <oleauto.h>

#include <memory>
#include <type_traits>

namespace menivor::win32 {

struct ComRelease {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};

// One reference to a COM object, released with its owner.
template <class Interface>
using ComPtr = std::unique_ptr<Interface, ComRelease>;

struct BstrFree {
    void operator()(BSTR text) const noexcept { SysFreeString(text); }
};

// A string that COM allocated (SysAllocString), freed with its owner.
using Bstr = std::unique_ptr<std::remove_pointer_t<BSTR>, BstrFree>;

struct GlobalFreeDeleter {
    void operator()(HGLOBAL memory) const noexcept { GlobalFree(memory); }
};

// Global memory (GlobalAlloc), freed with its owner unless released to a new one (a stream).
using GlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalFreeDeleter>;

} // namespace menivor::win32
