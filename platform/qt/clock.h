// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"

namespace menivor::qt {

// Today on the system's local calendar.
class SystemClock final : public Clock {
public:
    std::chrono::year_month_day Today() const override;
};

} // namespace menivor::qt
