// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a bare Win32 window of Menivor's size and colour, centred, that
// paints only a green rectangle where Menivor's button is (the watcher's sign of a first frame).

#include "window/layout.h"

#include <windows.h>

#include <algorithm>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        const auto& button = *std::find_if(menivor::Controls.begin(), menivor::Controls.end(), [](const auto& c) {
            return c.kind == menivor::ControlKind::CommandButton;
        });
        const RECT face{menivor::PixelsOf(button.left), menivor::PixelsOf(button.top),
                        menivor::PixelsOf(button.left + button.width), menivor::PixelsOf(button.top + button.height)};
        HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(dc, &face, green);
        DeleteObject(green);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE module, HINSTANCE, PWSTR, int show)
{
    const menivor::Colour back = menivor::Form.backColour;
    WNDCLASSW type{};
    type.lpfnWndProc = Procedure;
    type.hInstance = module;
    type.hbrBackground = CreateSolidBrush(RGB(back.red, back.green, back.blue));
    type.lpszClassName = L"MenivorBare";
    RegisterClassW(&type);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, menivor::PixelsOf(menivor::Form.clientWidth), menivor::PixelsOf(menivor::Form.clientHeight)};
    AdjustWindowRect(&frame, style, FALSE);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HWND window = CreateWindowW(L"MenivorBare", L"bare", style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                module, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
