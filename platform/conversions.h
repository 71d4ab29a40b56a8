// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// Text and number conversions. None depends on the locale; failures throw menivor::RuntimeError.

namespace menivor {

// count characters of text from the 1-based position start, fewer where the text ends first.
// start >= 1 and count >= 0, else ErrorKind::InvalidPropertyValue.
QString SliceOf(QStringView text, qsizetype start, qsizetype count);

// The number that the text's leading ASCII digits 0-9 spell; 0 when it starts with anything else
// (a blank, a sign, another script's digit) or is empty. ErrorKind::Overflow past the double range.
double NumericValueOf(QStringView text);

// The decimal digits of a whole number >= 0: no sign, no blank, no leading zeros.
// A negative value is ErrorKind::InvalidPropertyValue.
QString NumberText(int value);

// A double rounded to the nearest 16-bit integer, a half to the even neighbour.
// ErrorKind::Overflow when the result is outside -32768 to 32767, and for NaN.
std::int16_t ToInt16HalfEven(double value);

} // namespace menivor
