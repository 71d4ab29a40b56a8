// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"

namespace menivor::win32 {

// Today from Windows' local calendar date (the time zone and summer time as the user set them).
class SystemClock final : public Clock {
public:
    std::chrono::year_month_day Today() const override;
};

} // namespace menivor::win32
