// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/conversions.h"

#include "phase/runtime_error.h"

#include <charconv>
#include <cmath>
#include <string>

namespace menivor {

QString SliceOf(QStringView text, qsizetype start, qsizetype count)
{
    if (start < 1 || count < 0)
        throw RuntimeError(ErrorKind::InvalidPropertyValue,
                           "част от текст от позиция " + std::to_string(start) + " с дължина "
                               + std::to_string(count));
    if (start > text.size())
        return {};
    return text.mid(start - 1, count).toString();
}

double NumericValueOf(QStringView text)
{
    // Only ASCII digits count, one char for each QChar.
    std::string digits;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        digits += char(c.unicode());
    }
    if (digits.empty())
        return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        throw RuntimeError(ErrorKind::Overflow,
                           "числото от " + std::to_string(digits.size()) + " цифри е твърде голямо");
    return value;
}

QString NumberText(int value)
{
    if (value < 0)
        throw RuntimeError(ErrorKind::InvalidPropertyValue,
                           "отрицателното число " + std::to_string(value) + " няма запис без знак");
    return QString::number(value);
}

std::int16_t ToInt16HalfEven(double value)
{
    double rounded = std::floor(value);
    const double rest = value - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0))
        rounded += 1;
    if (!(rounded >= -32768 && rounded <= 32767)) // also false for NaN
        throw RuntimeError(ErrorKind::Overflow, NumberForMessage(value) + " е извън обхвата -32768 до 32767");
    return static_cast<std::int16_t>(rounded);
}

} // namespace menivor
