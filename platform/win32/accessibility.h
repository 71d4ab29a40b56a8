// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/win32/com.h"
#include "window/layout.h"

#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string_view>

namespace menivor::win32 {

// What a screen reader says of the window's controls and of each result, through Windows'
// accessibility: names, descriptions and roles as dynamic annotations (where the system offers
// them; without, the controls' own texts still speak for them), results as UI Automation
// notifications (Windows 10 1709 and later, looked up so that older systems start too).
class Accessibility {
public:
    Accessibility();

    void Annotate(HWND control, const ControlDesign& design) const;
    // Tells text once, as the result of an action in window.
    static void Announce(HWND window, std::u16string_view text);

private:
    ComPtr<IAccPropServices> services_;
};

// A function of a newer Windows, looked up so that the program also starts on older systems;
// nullptr where the system (or the module) lacks it.
template <class Function>
Function SystemFunction(HMODULE module, const char* name)
{
    FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

} // namespace menivor::win32
