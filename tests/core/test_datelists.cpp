// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/core/memoryform.h"
#include "tests/core/testkit.h"
#include "window/datelists.h"

#include <doctest/doctest.h>

using namespace menivor;

namespace {

// The three date lists, each list's click handling running the date-list logic.
struct Trio {
    std::array<PlainList, 3> lists;
    DateListArray array{&lists[0], &lists[1], &lists[2]};
    Trio()
    {
        for (std::int16_t i = 0; i < 3; ++i)
            lists[std::size_t(i)].onClick = [this, i] { DateListClick(array, i); };
        FillDateLists(array);
    }
    PlainList& day() { return lists[DayList]; }
    PlainList& month() { return lists[MonthList]; }
    PlainList& year() { return lists[YearList]; }
};

std::vector<std::u16string> Numbers(int first, int last)
{
    std::vector<std::u16string> texts;
    for (int n = first; n <= last; ++n)
        texts.push_back(NumberText(n));
    return texts;
}

} // namespace

TEST_SUITE("date lists") {

TEST_CASE("the day count of a month value and a year value")
{
    const struct {
        const char* name;
        double month, year;
        int days;
    } rows[] = {
        {"no month selected", 0, 1980, 0},     {"month 13", 13, 1980, 0},
        {"January, no year selected", 1, 0, 31}, {"February, no year selected", 2, 0, 29},
        {"February 2000", 2, 2000, 29},        {"February 2079", 2, 2079, 28},
        {"November", 11, 2014, 30},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(DayCountOf(row.month, row.year) == row.days);
    }
}

TEST_CASE("right after filling: 31, 12 and 100 entries, month 1 and year 1980 picked, no day")
{
    Trio trio;
    CHECK(trio.day().ListCount() == 31);
    CHECK(trio.month().ListCount() == 12);
    CHECK(trio.year().ListCount() == 100);
    CHECK(trio.day().ListIndex() == -1);
    CHECK(trio.month().Selected() == u"1");
    CHECK(trio.year().Selected() == u"1980");
    CHECK(trio.day().Entries() == Numbers(1, 31)); // "1" to "9", never "01"
    CHECK(trio.month().Entries() == Numbers(1, 12));
    CHECK(trio.year().Entries() == Numbers(1980, 2079));
    // Filling picked day 1, then month 1 and year 1980, each refilling the day list.
    CHECK(trio.day().clicks == 1);
    CHECK(trio.month().clicks == 1);
    CHECK(trio.year().clicks == 1);
}

TEST_CASE("February's length, whichever of month and year is picked first")
{
    for (const auto& row : {std::pair{u"1980", 29}, {u"2000", 29}, {u"2016", 29}, {u"2001", 28},
                            {u"2014", 28}, {u"2079", 28}}) {
        const auto [year, days] = row;
        const std::string yearText = Utf8Of(year);
        INFO(yearText);
        Trio trio;
        trio.year().Pick(year);
        trio.month().Pick(u"2");
        CHECK(trio.day().Entries() == Numbers(1, days));
        trio.month().Pick(u"1");
        trio.year().Pick(u"1981");
        trio.month().Pick(u"2");
        trio.year().Pick(year);
        CHECK(trio.day().Entries() == Numbers(1, days));
        CHECK(trio.day().ListIndex() == -1);
    }
}

TEST_CASE("the other months' lengths")
{
    for (int month = 1; month <= 12; ++month) {
        if (month == 2)
            continue;
        INFO("month " << month);
        Trio trio;
        trio.year().Pick(u"2014");
        trio.month().Pick(NumberText(month));
        CHECK(trio.day().ListCount() == (month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31));
    }
}

TEST_CASE("a day picked in February 2000 is lost when 2001 is picked")
{
    Trio trio;
    trio.year().Pick(u"2000");
    trio.month().Pick(u"2");
    trio.day().Pick(u"29");
    CHECK(trio.day().Selected() == u"29");
    trio.year().Pick(u"2001");
    CHECK(trio.day().ListCount() == 28);
    CHECK(trio.day().ListIndex() == -1);
}

TEST_CASE("a month of the same length still refills the day list and clears the day")
{
    Trio trio;
    trio.day().Pick(u"5");
    trio.month().Pick(u"3"); // 31 days like January
    CHECK(trio.day().ListCount() == 31);
    CHECK(trio.day().ListIndex() == -1);
}

TEST_CASE("a day pick changes nothing else")
{
    Trio trio;
    trio.month().Pick(u"4");
    trio.day().Pick(u"30");
    trio.day().Pick(u"10");
    CHECK(trio.day().Entries() == Numbers(1, 30));
    CHECK(trio.day().Selected() == u"10");
    CHECK(trio.month().Selected() == u"4");
    CHECK(trio.year().Selected() == u"1980");
}

TEST_CASE("the refill is nested: done when the selection returns")
{
    Trio trio;
    trio.year().SetListIndex(20); // 2000
    trio.day().SetListIndex(30);  // day 31 of January
    trio.month().SetListIndex(1); // February
    CHECK(trio.day().ListCount() == 29);
    CHECK(trio.day().ListIndex() == -1);
    CHECK(KindThrownBy([&] { trio.day().SetListIndex(29); }) == ErrorKind::InvalidPropertyValue);
}

} // TEST_SUITE
