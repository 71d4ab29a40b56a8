// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/phase.h"
#include "phase/phase_table.h"
#include "tests/core/memoryform.h"
#include "tests/core/testkit.h"
#include "window/designed_texts.h"

#include <doctest/doctest.h>

using namespace menivor;
using namespace std::chrono;

namespace {

MemoryForm StartedOn(year_month_day today)
{
    return MemoryForm(std::make_unique<FixedClock>(today));
}

std::int16_t PhaseOfText(const std::u16string& text)
{
    return PhaseOfDate(DateValueOfText(Utf8Of(text)));
}

std::u16string Described(int index)
{
    return Utf16Of(DescriptionOf(std::int16_t(index)).value());
}

} // namespace

TEST_SUITE("start-up") {

TEST_CASE("the window opens on today: date box, phase picture and the three lists")
{
    const struct {
        const char* name;
        year_month_day today;
        std::u16string_view text2;
        int slot; // -1: whatever the phase model says
        std::u16string_view day, month, year;
        int dayCount;
    } rows[] = {
        {"full moon, 9 September 2014", 2014y / 9 / 9, u"09-09-2014", 5, u"9", u"9", u"2014", 30},
        {"new moon, 24 September 2014", 2014y / 9 / 24, u"09-24-2014", 1, u"24", u"9", u"2014", 30},
        {"leap day 2016", 2016y / 2 / 29, u"02-29-2016", -1, u"29", u"2", u"2016", 29},
        {"January 1980, the lists' first picks", 1980y / 1 / 1, u"01-01-1980", 5, u"1", u"1", u"1980", 31},
        {"mid-January 1980", 1980y / 1 / 15, u"01-15-1980", -1, u"15", u"1", u"1980", 31},
        {"last day of the lists", 2079y / 12 / 31, u"12-31-2079", 3, u"31", u"12", u"2079", 31},
        // Dates outside the lists' years open on the nearest year, the real month and the real
        // day clamped to that month; the date box and the picture keep the real date.
        {"before the lists: 1975", 1975y / 6 / 1, u"06-01-1975", -1, u"1", u"6", u"1980", 30},
        {"the day before the lists", 1979y / 12 / 31, u"12-31-1979", -1, u"31", u"12", u"1980", 31},
        {"the day after the lists", 2080y / 1 / 1, u"01-01-2080", -1, u"1", u"1", u"2079", 31},
        {"leap day 2080, a common year in the list", 2080y / 2 / 29, u"02-29-2080", -1, u"28", u"2", u"2079", 28},
        {"2100", 2100y / 1 / 1, u"01-01-2100", -1, u"1", u"1", u"2079", 31},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        MemoryForm started = StartedOn(row.today);
        CHECK(started.text2().Text() == row.text2);
        const std::u16string text2(row.text2);
        const std::int16_t phase = PhaseOfText(text2);
        if (row.slot >= 0)
            CHECK(PictureSlotOf(phase) == row.slot);
        CHECK(started.displayShows(std::size_t(PictureSlotOf(phase))));
        CHECK(started.picture(9).AccessibleName() == Utf16Of(PhaseNameOf(phase).value()));
        CHECK(started.form().phaseIndex() == phase);
        CHECK(started.form().cyclePosition() == CycleFractionOf(CycleCountOf(DateValueOfText(Utf8Of(text2)))));
        CHECK(started.list(0).Selected() == row.day);
        CHECK(started.list(1).Selected() == row.month);
        CHECK(started.list(2).Selected() == row.year);
        CHECK(started.list(0).ListCount() == row.dayCount);
        CHECK(started.description().Text() == ReadingText); // not changed at start-up
        CHECK(started.errors().empty());
        started.list(0).Pick(u"2"); // picking a day works from the start
        CHECK(started.list(0).Selected() == u"2");
    }
}

TEST_CASE("a phase's picture slot: between the cycle and the display, within 16 bits")
{
    for (std::int16_t phase = 0; phase < PhaseCount; ++phase) {
        INFO("phase " << phase);
        CHECK(PictureSlotOf(phase) == phase + 1);
        CHECK(std::size_t(PictureSlotOf(phase)) > CycleSlot);
        CHECK(std::size_t(PictureSlotOf(phase)) < DisplaySlot);
    }
    CHECK(PictureSlotOf(32766) == 32767);
    CHECK(PictureSlotOf(-32768) == -32767);
    CHECK(KindThrownBy([] { PictureSlotOf(32767); }) == ErrorKind::Overflow);
}

TEST_CASE("a leap day start refills February in order: 1980 first, then 2016, then day 29")
{
    MemoryForm started = StartedOn(2016y / 2 / 29);
    // Filling: day, month and year once each; start-up: month 2, year 2016, day 29.
    CHECK(started.list(1).clicks == 2);
    CHECK(started.list(2).clicks == 2);
    CHECK(started.list(0).clicks == 2);
    CHECK(started.list(0).ListCount() == 29);
    CHECK(started.list(0).ListIndex() == 28);
}

TEST_CASE("a failing clock is reported and the window stays usable")
{
    MemoryForm started(std::make_unique<FailingClock>());
    REQUIRE(started.errors().size() == 1);
    CHECK(Utf8Of(started.errors()[0]).find("часовникът не отговаря") != std::string::npos);
    CHECK(started.text2().Text().empty());
    CHECK(started.displayShows(2)); // the display's first picture, put back
    // The lists were filled before the clock failed: a date can still be picked and calculated.
    started.calculate(u"9", u"9", u"2014");
    CHECK(started.text2().Text() == u"9-9-2014");
    CHECK(started.description().Text() == Described(4));
    CHECK(started.errors().size() == 1);
}

} // TEST_SUITE

TEST_SUITE("Calculate") {

TEST_CASE("picked dates: date text, phase, picture and description")
{
    const struct {
        const char* name;
        std::u16string_view day, month, year, text2;
        int index; // -1: whatever the phase model says
    } rows[] = {
        {"first quarter", u"2", u"9", u"2014", u"9-2-2014", 2},
        {"last quarter", u"15", u"9", u"2014", u"9-15-2014", 6},
        {"first day, 8 characters", u"1", u"1", u"1980", u"1-1-1980", 4},
        {"last day, 10 characters", u"31", u"12", u"2079", u"12-31-2079", 2},
        {"new moon", u"24", u"9", u"2014", u"9-24-2014", 0},
        {"leap day 2000", u"29", u"2", u"2000", u"2-29-2000", -1},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        MemoryForm started = StartedOn(2014y / 9 / 9);
        started.calculate(row.day, row.month, row.year);
        const int index = row.index >= 0 ? row.index : PhaseOfText(std::u16string(row.text2));
        CHECK(started.text2().Text() == row.text2);
        CHECK(started.form().phaseIndex() == index);
        CHECK(started.displayShows(std::size_t(index + 1)));
        CHECK(started.displayed() == u"phase" + NumberText(index));
        CHECK(started.description().Text() == Described(index));
    }
}

TEST_CASE("after a month pick, Calculate uses day 1 and shows it picked")
{
    MemoryForm started = StartedOn(2014y / 9 / 9);
    started.list(1).Pick(u"8");
    started.list(1).Pick(u"9");
    CHECK(started.list(0).ListIndex() == -1);
    const int dayClicks = started.list(0).clicks;
    started.press();
    CHECK(started.text2().Text() == u"9-1-2014");
    CHECK(started.list(0).Selected() == u"1");
    CHECK(started.list(0).clicks == dayClicks + 1); // the selection ran the day list's handling
    CHECK(started.list(0).ListCount() == 30);       // which changed nothing
}

TEST_CASE("a picked day stays picked and is used")
{
    MemoryForm started = StartedOn(2014y / 9 / 9);
    started.list(1).Pick(u"3");
    started.list(0).Pick(u"5");
    started.press();
    CHECK(started.text2().Text() == u"3-5-2014");
    CHECK(started.list(0).Selected() == u"5");
    CHECK(started.list(0).ListCount() == 31);
}

TEST_CASE("two presses agree")
{
    MemoryForm started = StartedOn(2014y / 9 / 9);
    started.list(0).Pick(u"16");
    started.press();
    const std::u16string text2 = started.text2().Text();
    const std::u16string description = started.description().Text();
    const PictureRef picture = started.picture(9).GetPicture();
    started.press();
    CHECK(started.text2().Text() == text2);
    CHECK(started.description().Text() == description);
    CHECK(started.picture(9).GetPicture() == picture);
    CHECK(text2 == u"9-16-2014");
}

TEST_CASE("an entry that names no month is reported and nothing is left half-done")
{
    MemoryForm started = StartedOn(2014y / 9 / 9);
    started.list(0).Pick(u"2");
    started.press();
    const std::u16string description = started.description().Text();
    started.list(1).Entries()[8] = u"13"; // month 9's entry
    started.press();
    REQUIRE(started.errors().size() == 1);
    CHECK(Utf8Of(started.errors()[0]).find("„13-2-2014“") != std::string::npos);
    CHECK(started.text2().Text() == u"9-2-2014");
    CHECK(started.description().Text() == description);
    CHECK(started.displayShows(3));
    CHECK(started.picture(9).AccessibleName() == u"Първа четвърт");
    CHECK(started.form().phaseIndex() == 2);
    started.list(1).Entries()[8] = u"9";
    started.press();
    CHECK(started.text2().Text() == u"9-2-2014");
    CHECK(started.errors().size() == 1);
}

TEST_CASE("each press tells a screen reader its result once; start-up, picks and a failed press tell nothing")
{
    MemoryForm started = StartedOn(2014y / 9 / 9);
    CHECK(started.announced().empty()); // the window opening speaks for itself
    started.list(0).Pick(u"2");
    started.list(1).Pick(u"9"); // leaves no day picked
    CHECK(started.announced().empty());
    started.press(); // 9-1-2014, day 1 taken
    started.list(0).Pick(u"16");
    started.press(); // 9-16-2014
    started.press(); // the same again: said again, the user asked again
    CHECK(started.announced() == std::vector<std::u16string>{
        u"Първа четвърт. Нарастване - дясна осветена част първа четвърт",
        u"Последна четвърт. Намаляване - лява осветена част, стара луна, последна четвърт",
        u"Последна четвърт. Намаляване - лява осветена част, стара луна, последна четвърт"});
    started.list(1).Entries()[8] = u"13"; // month 9's entry names no month: the press fails
    started.press();
    CHECK(started.errors().size() == 1);
    CHECK(started.announced().size() == 3);
}

TEST_CASE("every day of the lists, against the phase model")
{
    MemoryForm started = StartedOn(2014y / 9 / 9);
    int days = 0;
    for (std::int16_t year = 0; year < 100; ++year) {
        started.list(2).SetListIndex(year);
        for (std::int16_t month = 0; month < 12; ++month) {
            started.list(1).SetListIndex(month);
            for (std::int16_t day = 0; day < started.list(0).ListCount(); ++day, ++days) {
                started.list(0).SetListIndex(day);
                started.press();
                const std::u16string expected =
                    NumberText(month + 1) + u'-' + NumberText(day + 1) + u'-' + NumberText(1980 + year);
                const int index = PhaseOfText(expected);
                if (started.text2().Text() != expected || started.form().phaseIndex() != index
                    || !started.displayShows(std::size_t(index + 1)) || started.description().Text() != Described(index))
                    FAIL("wrong on " << Utf8Of(expected));
            }
        }
    }
    CHECK(days == 36525);
    CHECK(started.errors().empty());
}

} // TEST_SUITE
