// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Menivor for Windows: the window on the local date, until it is closed.

#include "window/conversions.h"
#include "platform/win32/clock.h"
#include "platform/win32/menivorwindow.h"
#include "platform/win32/text.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE module, HINSTANCE, PWSTR, int show)
{
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    // The picture decoder and the accessibility annotations are COM objects.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int status = 1;
    try {
        const menivor::win32::SystemClock clock;
        menivor::win32::MenivorWindow window(module, clock);
        window.Show(show);
        status = window.Run();
    } catch (const std::exception& error) {
        const std::wstring text = L"Програмата не може да започне:\n\n"
                                  + menivor::win32::WideOf(menivor::Utf16Of(error.what()));
        MessageBoxW(nullptr, text.c_str(), L"Menivor", MB_OK | MB_ICONERROR);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
