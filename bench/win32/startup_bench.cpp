// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the Windows program beside a bare Win32 window of the same size: from creating the
// process until its first frame is on the screen (the button's green at the button's place, which
// the bare window paints too), and the peak working set then. The two start in turn, each run
// bounded by 20 s; a start that shows no frame in time is counted as a hang, not timed.
// usage: startup_bench <menivor.exe> <bare_window.exe> [runs]

#include "window/layout.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Result {
    double milliseconds = 0;
    double peakMiB = 0;
    bool hung = false;
};

double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(count.QuadPart) / double(frequency.QuadPart);
}

// The point inside the button's face (clear of its edge and caption) in the window's client area.
POINT ButtonPoint()
{
    const auto& button = *std::find_if(menivor::Controls.begin(), menivor::Controls.end(), [](const auto& c) {
        return c.kind == menivor::ControlKind::CommandButton;
    });
    return {menivor::PixelsOf(button.left) + 5, menivor::PixelsOf(button.top) + 5};
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisibleWindowOf(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

Result Start(const std::wstring& program)
{
    Result result;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + program + L"\"";
    const double started = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "startup_bench: cannot start the program\n");
        std::exit(2);
    }
    HDC screen = GetDC(nullptr);
    const POINT inButton = ButtonPoint();
    result.hung = true;
    while (Now() - started < 20000) {
        Search search{process.dwProcessId, nullptr};
        EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            POINT at = inButton;
            ClientToScreen(search.found, &at);
            if (GetPixel(screen, at.x, at.y) == RGB(0, 255, 0)) {
                result.milliseconds = Now() - started;
                result.hung = false;
                break;
            }
        }
        Sleep(1);
    }
    ReleaseDC(nullptr, screen);
    PROCESS_MEMORY_COUNTERS memory{};
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        result.peakMiB = double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

double Quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::size_t(q * double(values.size() - 1) + 0.5)];
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <menivor.exe> <bare_window.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? _wtoi(argv[3]) : 20;
    std::vector<double> times[2], peaks[2];
    int hangs[2] = {0, 0};
    Start(argv[1]); // a first start of each, untimed: the files come into the cache
    Start(argv[2]);
    for (int run = 0; run < runs; ++run)
        for (int which = 0; which < 2; ++which) {
            const Result result = Start(argv[1 + which]);
            if (result.hung) {
                ++hangs[which];
                continue;
            }
            times[which].push_back(result.milliseconds);
            peaks[which].push_back(result.peakMiB);
        }
    const char* names[2] = {"menivor.exe", "bare window"};
    std::printf("%-12s %8s %17s %14s %6s\n", "", "median", "middle half", "peak working set", "hangs");
    for (int which = 0; which < 2; ++which)
        std::printf("%-12s %6.1f ms %6.1f-%6.1f ms %10.1f MiB %6d of %d\n", names[which], Quantile(times[which], 0.5),
                    Quantile(times[which], 0.25), Quantile(times[which], 0.75), Quantile(peaks[which], 0.5), hangs[which],
                    runs);
    std::printf("ratio to the bare window: %.2f x in time, %.2f x in peak working set\n",
                Quantile(times[0], 0.5) / Quantile(times[1], 0.5), Quantile(peaks[0], 0.5) / Quantile(peaks[1], 0.5));
    return 0;
}
