// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/datelists.h"

#include "window/conversions.h"

#include <cmath>

namespace menivor {

int DayCountOf(double month, double year)
{
    int dayCount = 0;
    if (month == 1 || month == 3 || month == 5 || month == 7 || month == 8 || month == 10 || month == 12)
        dayCount = 31;
    if (month == 4 || month == 6 || month == 9 || month == 11)
        dayCount = 30;
    if (month == 2 && std::fmod(year, 4) == 0)
        dayCount = 29;
    if (month == 2 && std::fmod(year, 4) > 0)
        dayCount = 28;
    return dayCount;
}

double ValueOf(const ListControl& list)
{
    return NumericValueOf(list.List(list.ListIndex()));
}

void FillDateLists(const DateListArray& List1)
{
    List1[DayList]->Clear();
    List1[MonthList]->Clear();
    List1[YearList]->Clear();
    for (int day = 1; day <= 31; ++day)
        List1[DayList]->AddItem(NumberText(day));
    for (int month = 1; month <= 12; ++month)
        List1[MonthList]->AddItem(NumberText(month));
    for (int year = FirstYear; year <= LastYear; ++year)
        List1[YearList]->AddItem(NumberText(year));
    List1[DayList]->SetListIndex(0);
    List1[MonthList]->SetListIndex(0);
    List1[YearList]->SetListIndex(0);
}

void DateListClick(const DateListArray& List1, std::int16_t Index)
{
    const double year = ValueOf(*List1[YearList]);
    const double month = ValueOf(*List1[MonthList]);
    if (Index != MonthList && Index != YearList)
        return;
    const int dayCount = DayCountOf(month, year);
    List1[DayList]->Clear();
    for (int day = 1; day <= dayCount; ++day)
        List1[DayList]->AddItem(NumberText(day));
}

} // namespace menivor
