// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

namespace menivor {

// Where today's date comes from; tests hand in a fixed one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate Today() const = 0; // the local calendar date
};

class SystemClock final : public Clock {
public:
    QDate Today() const override;
};

// A date as the ten characters MM-DD-YYYY, with leading zeros, whatever the locale.
// Years 1 to 9999 only; any other date (or an invalid one) is ErrorKind::InvalidPropertyValue.
QString DateTextOf(QDate date);

} // namespace menivor
