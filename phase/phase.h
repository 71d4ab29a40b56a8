// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

// The mean lunar cycle: a date's phase, as one of eight indices.
//   0 new moon, 1 waxing crescent, 2 first quarter, 3 waxing gibbous,
//   4 full moon, 5 waning gibbous, 6 last quarter, 7 waning crescent.
// A date value is a number of days since 30 December 1899 (day 0); its fraction would be the
// time of day. Every function here throws menivor::RuntimeError on bad input.

namespace menivor {

inline constexpr double SynodicMonthDays = 29.530589; // mean length of one lunar cycle, days
inline constexpr double CycleOffset = 0.9291176;      // cycle position of date value 0, cycles
// The day that date values count from: 30 December 1899 is date value 0.
inline constexpr std::chrono::sys_days DateValueEpoch{std::chrono::year{1899} / std::chrono::December / 30};

// The date value at midnight of a month-first date text: "M-D-YYYY" or "MM-DD-YYYY" (one or two
// ASCII digits for month and day, in any mix, exactly four for the year, years 0001 to 9999).
// The day is checked against the month's Gregorian length. Any other text, including one with
// blanks, signs or trailing characters, throws ErrorKind::TypeMismatch. Reads only the text's
// own characters, does not depend on the locale and allocates nothing unless it throws.
double DateValueOfText(std::string_view text);

// The steps of the phase calculation, each a double stored as such:
// cycles since date value 0 (a date value in days) ...
double CycleCountOf(double dateValue);
// ... the position in the current cycle, in [0, 1) for cycles counted from date value 0; the
// whole part is removed by flooring, so that dates before 1899 also land in [0, 1) ...
double CycleFractionOf(double cycles);
// ... and that position rounded to the nearest eighth (a half rounds up), wrapped into [0, 7]:
// a fraction of 0.9375 or more counts as new moon. Gives index i for fractions from
// (i - 0.5)/8 up to but excluding (i + 0.5)/8.
std::int16_t PhaseIndexOfFraction(double fraction);

// The three steps in a row. Throws ErrorKind::FloatingPoint for a NaN or infinite value.
std::int16_t PhaseOfDate(double dateValue);

} // namespace menivor
