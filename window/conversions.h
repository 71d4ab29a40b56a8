// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Text and number conversions. None depends on the locale; failures throw menivor::RuntimeError.
// A character is one UTF-16 code unit, as in the toolkits' own strings.

namespace menivor {

// count characters of text from the 1-based position start, fewer where the text ends first.
// start >= 1 and count >= 0, else ErrorKind::InvalidPropertyValue.
std::u16string SliceOf(std::u16string_view text, std::ptrdiff_t start, std::ptrdiff_t count);

// The number that the text's leading ASCII digits 0-9 spell; 0 when it starts with anything else
// (a blank, a sign, another script's digit) or is empty. ErrorKind::Overflow past the double range.
double NumericValueOf(std::u16string_view text);

// The decimal digits of a whole number >= 0: no sign, no blank, no leading zeros.
// A negative value is ErrorKind::InvalidPropertyValue.
std::u16string NumberText(int value);

// A double rounded to the nearest 16-bit integer, a half to the even neighbour.
// ErrorKind::Overflow when the result is outside -32768 to 32767, and for NaN.
std::int16_t ToInt16HalfEven(double value);

// A date as the ten characters MM-DD-YYYY, with leading zeros, whatever the locale.
// Years 1 to 9999 only; any other date (or an invalid one) is ErrorKind::InvalidPropertyValue.
std::u16string DateTextOf(std::chrono::year_month_day date);

// UTF-16 to UTF-8 and back. A lone surrogate (UTF-16) or an ill-formed sequence (UTF-8) becomes
// U+FFFD, so that any input gives a well-formed output.
std::string Utf8Of(std::u16string_view text);
std::u16string Utf16Of(std::string_view text);

} // namespace menivor
