// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/skycheck/sofia.h"

#include <QDateTime>
#include <QTimeZone>

#include <stdexcept>

namespace skycheck {

double SofiaJdUt(int year, int month, int day, int hour)
{
    static const QTimeZone sofia("Europe/Sofia");
    if (!sofia.isValid())
        throw std::runtime_error("skycheck: no tz database entry for Europe/Sofia (install tzdata)");
    constexpr double UnixEpochJd = 2440587.5; // 1 January 1970, 00:00 UT
    const QDateTime local(QDate(year, month, day), QTime(hour, 0), sofia);
    return UnixEpochJd + double(local.toMSecsSinceEpoch()) / 86400000;
}

} // namespace skycheck
