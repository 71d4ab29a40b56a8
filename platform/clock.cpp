// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/clock.h"

#include "phase/runtime_error.h"

namespace menivor {

QDate SystemClock::Today() const
{
    return QDate::currentDate();
}

QString DateTextOf(QDate date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        throw RuntimeError(ErrorKind::InvalidPropertyValue,
                           "датата " + date.toString(Qt::ISODate).toStdString()
                               + " е извън годините 1 до 9999");
    const auto padded = [](int value, int width) {
        return QString::number(value).rightJustified(width, u'0');
    };
    return padded(date.month(), 2) + u'-' + padded(date.day(), 2) + u'-' + padded(date.year(), 4);
}

} // namespace menivor
