// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/clock.h"

#include <QDate>

namespace menivor::qt {

std::chrono::year_month_day SystemClock::Today() const
{
    const QDate today = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{today.year()}, std::chrono::month{unsigned(today.month())},
                                       std::chrono::day{unsigned(today.day())}};
}

} // namespace menivor::qt
