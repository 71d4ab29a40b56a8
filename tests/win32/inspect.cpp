// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Test-only: reads the running Menivor window from outside, as a test sees it, and prints one
// "name=value" line each (UTF-8): the caption, the client size, every control's text, the lists'
// selections and screen places, the focus, and the program's peak working set.
//   inspect [seconds]   waits up to that long (default 30) for the window to be on the screen;
//                       exit status 1 if it does not come.

#include "window/conversions.h"
#include "platform/win32/text.h"
#include "window/layout.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <cstdlib>
#include <string>

using namespace menivor;
using menivor::win32::U16Of;

namespace {

// One line each: line breaks in a value are written as \n.
void Print(const std::string& name, const std::string& value)
{
    std::string line;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue;
        line += value[i] == '\n' ? std::string("\\n") : std::string(1, value[i]);
    }
    std::printf("%s=%s\n", name.c_str(), line.c_str());
}

void Print(const std::string& name, const std::u16string& value)
{
    Print(name, Utf8Of(value));
}

std::string RectText(RECT r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right - r.left) + ","
           + std::to_string(r.bottom - r.top);
}

// The client area of a control, in screen coordinates.
RECT ScreenClient(HWND control)
{
    RECT r;
    GetClientRect(control, &r);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::u16string TextOf(HWND control)
{
    // WM_GETTEXT is carried between processes for every window.
    const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(SendMessageW(control, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data()))));
    return U16Of(text);
}

} // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY); // lines end in LF alone, as the shell reads them
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    HWND window = nullptr;
    for (int waited = 0; waited <= seconds * 20; ++waited) {
        window = FindWindowW(L"Menivor", nullptr);
        if (window && IsWindowVisible(window))
            break;
        window = nullptr;
        Sleep(50);
    }
    if (!window) {
        std::printf("window=none\n");
        return 1;
    }
    Print("caption", TextOf(window));
    RECT client;
    GetClientRect(window, &client);
    Print("client", std::to_string(client.right) + "x" + std::to_string(client.bottom));
    Print("clientRect", RectText(ScreenClient(window)));
    RECT frame;
    GetWindowRect(window, &frame);
    Print("windowRect", RectText(frame));
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    Print("workArea", RectText(info.rcWork));

    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    for (std::size_t i = 0; i < Controls.size(); ++i) {
        const ControlDesign& design = Controls[i];
        const int id = design.kind == ControlKind::CommandButton ? IDOK : 100 + int(i);
        HWND control = GetDlgItem(window, id);
        const std::string name = Utf8Of(ControlName(design));
        if (!control) {
            Print(name, std::string("absent"));
            continue;
        }
        Print(name + ".rect", RectText(ScreenClient(control)));
        Print(name + ".text", TextOf(control));
        if (control == thread.hwndFocus)
            Print("focus", name);
        if (design.kind == ControlKind::TextBox)
            Print(name + ".lines", (GetWindowLongPtrW(control, GWL_STYLE) & ES_MULTILINE) ? "wrapped" : "one");
        if (design.kind == ControlKind::ListBox) {
            const auto selected = SendMessageW(control, LB_GETCURSEL, 0, 0);
            std::wstring entry(std::size_t(SendMessageW(control, LB_GETTEXTLEN, WPARAM(selected), 0)) + 1, L'\0');
            if (selected >= 0)
                entry.resize(std::size_t(SendMessageW(control, LB_GETTEXT, WPARAM(selected), LPARAM(entry.data()))));
            else
                entry.clear();
            Print(name + ".selected", U16Of(entry));
            Print(name + ".count", std::to_string(SendMessageW(control, LB_GETCOUNT, 0, 0)));
            Print(name + ".top", std::to_string(SendMessageW(control, LB_GETTOPINDEX, 0, 0)));
            Print(name + ".itemHeight", std::to_string(SendMessageW(control, LB_GETITEMHEIGHT, 0, 0)));
        }
    }

    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (HANDLE handle = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process)) {
        PROCESS_MEMORY_COUNTERS memory{};
        if (GetProcessMemoryInfo(handle, &memory, sizeof memory))
            Print("peakWorkingSet", std::to_string(memory.PeakWorkingSetSize));
        CloseHandle(handle);
    }
    return 0;
}
