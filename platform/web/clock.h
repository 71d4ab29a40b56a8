// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/web/dom.h"
#include "window/controls.h"

namespace menivor::web {

// Today as the device's local calendar shows it (the browser's Date, in the device's time zone).
class SystemClock final : public Clock {
public:
    std::chrono::year_month_day Today() const override { return LocalDate(); }
};

} // namespace menivor::web
