// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/clock.h"

#include <windows.h>

namespace menivor::win32 {

std::chrono::year_month_day SystemClock::Today() const
{
    SYSTEMTIME now;
    GetLocalTime(&now); // wYear 1601-30827, wMonth 1-12, wDay 1-31
    return std::chrono::year_month_day(std::chrono::year(now.wYear), std::chrono::month(now.wMonth),
                                       std::chrono::day(now.wDay));
}

} // namespace menivor::win32
