// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Proleptic Gregorian calendar arithmetic on day counts.

namespace menivor {

// True for the Gregorian leap years: divisible by 4, except centuries not divisible by 400.
constexpr bool IsGregorianLeapYear(int year) noexcept
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days in a month of the Gregorian calendar. month in [1, 12].
constexpr int DaysInGregorianMonth(int year, int month) noexcept
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsGregorianLeapYear(year) ? 29 : days[month - 1];
}

// Days since 1 January 1970 of a Gregorian date. year in [-5000000, 5000000],
// month in [1, 12], day in [1, DaysInGregorianMonth(year, month)].
// Counts in 400-year eras (146097 days each) with years starting on 1 March, so that the leap
// day is the last day of its year and the month lengths follow a linear rule.
constexpr int DaysFromCivil(int year, int month, int day) noexcept
{
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;                                  // [0, 399]
    const int monthFromMarch = month > 2 ? month - 3 : month + 9;         // [0, 11]
    const int dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;       // [0, 365]
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear; // [0, 146096]
    return era * 146097 + dayOfEra - 719468;
}

// The day that date values count from: 30 December 1899 is date value 0.
inline constexpr int DateValueEpochDays = DaysFromCivil(1899, 12, 30);

static_assert(DaysFromCivil(1970, 1, 1) == 0);
static_assert(DaysFromCivil(1900, 1, 1) - DateValueEpochDays == 2);
static_assert(DaysFromCivil(2014, 9, 9) - DateValueEpochDays == 41891);

} // namespace menivor
