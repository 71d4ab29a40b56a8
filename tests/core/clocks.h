// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The clocks every test suite starts the form with: a day of its choosing, and one that fails.
// Standard C++: the Qt and Windows tests use them as they are.

#include "phase/runtime_error.h"
#include "window/controls.h"

#include <chrono>

class FixedClock final : public menivor::Clock {
public:
    explicit FixedClock(std::chrono::year_month_day today) : today_(today) {}
    std::chrono::year_month_day Today() const override { return today_; }

private:
    std::chrono::year_month_day today_;
};

class FailingClock final : public menivor::Clock {
public:
    std::chrono::year_month_day Today() const override
    {
        throw menivor::RuntimeError(menivor::ErrorKind::InvalidPropertyValue, "часовникът не отговаря");
    }
};
