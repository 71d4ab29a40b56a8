// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/controls.h"

#include <array>
#include <cstdint>

// The three date lists: day, month and year, each entry a number without leading zeros.
// The day list always has as many entries as the selected month of the selected year, so that
// every date that can be picked is a real one.

namespace menivor {

using DateListArray = std::array<ListControl*, 3>; // the day, month and year lists, in that order

inline constexpr std::int16_t DayList = 0;
inline constexpr std::int16_t MonthList = 1;
inline constexpr std::int16_t YearList = 2;
inline constexpr int FirstYear = 1980;
inline constexpr int LastYear = 2079;

// Days in a month: 31, 30, 29 or 28; 0 for a month outside 1 to 12. A year divisible by 4 is a
// leap year, which is the Gregorian rule over 1901 to 2099 and so over the lists' years.
int DayCountOf(double month, double year);

// The number that a list's selected entry shows; 0 when nothing is selected.
double ValueOf(const ListControl& list);

// Fills the lists with days 1-31, months 1-12 and years 1980-2079 and selects the first day,
// month and year in that order, each selection running its click handling. Ends with month 1
// and year 1980 selected and the day list holding 31 days with none selected.
void FillDateLists(const DateListArray& List1);

// The click handling of list Index (0 day, 1 month, 2 year): a month or a year selection refills
// the day list to the selected month's length and leaves it without a selection; a day selection
// changes nothing.
void DateListClick(const DateListArray& List1, std::int16_t Index);

} // namespace menivor
