// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/phase.h"
#include "phase/phase_table.h"
#include "phase/runtime_error.h"
#include "tests/core/testkit.h"

#include <doctest/doctest.h>

#include <atomic>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale>
#include <new>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// Counts every allocation of the test process, so that the parser can be shown to make none.
namespace {
std::atomic<long> allocationCount{0};
}
void* operator new(std::size_t size)
{
    ++allocationCount;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// The library's own nothrow allocations (std::stable_sort's buffer) come here too, so that every
// allocation and its release meet in the same pair.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++allocationCount;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

using namespace menivor;
using namespace std::chrono;

namespace {

constexpr sys_days DayZero = sys_days{year{1899} / December / 30};

// "M-D-YYYY", or "MM-DD-YYYY" when padded; the year always has four digits.
std::string TextOf(const year_month_day& date, bool padded)
{
    char buffer[32];
    const char* format = padded ? "%02u-%02u-%04d" : "%u-%u-%04d";
    std::snprintf(buffer, sizeof buffer, format, unsigned(date.month()), unsigned(date.day()),
                  int(date.year()));
    return buffer;
}

// The phase of a date value computed another way: the fraction by fmod, the eighth by lround.
int ReferencePhaseOf(double value)
{
    double fraction = std::fmod(value / 29.530589 + 0.9291176, 1.0);
    if (fraction < 0)
        fraction += 1.0;
    return int(std::lround(fraction * 8)) % 8;
}

} // namespace

TEST_SUITE("phase model") {

TEST_CASE("worked values: date value, cycle fraction and index")
{
    // Dates with their published day numbers and cycle positions, rounded to six places.
    const struct {
        const char* name;
        const char* text;
        double value, fraction;
        int index;
    } rows[] = {
        {"day zero", "12-30-1899", 0, 0.929118, 7},
        {"first day of the lists", "01-01-1980", 29221, 0.445446, 4},
        {"millennium", "01-01-2000", 36526, 0.816062, 7},
        {"first quarter 2014", "09-02-2014", 41884, 0.255044, 2},
        {"full moon 2014", "09-09-2014", 41891, 0.492086, 4},
        {"last quarter 2014", "09-16-2014", 41898, 0.729129, 6},
        {"new moon 2014", "09-24-2014", 41906, 0.000034, 0},
        {"eclipse 2024", "04-08-2024", 45390, 0.979395, 0},
        {"last day of the lists", "12-31-2079", 65745, 0.264664, 2},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        const double parsed = DateValueOfText(row.text);
        CHECK(parsed == row.value);
        CHECK(std::abs(CycleFractionOf(CycleCountOf(parsed)) - row.fraction) < 5e-7);
        CHECK(int(PhaseOfDate(parsed)) == row.index);
    }
}

TEST_CASE("the index changes in January 2014 on the published days, and only then")
{
    const int changes[][3] = {{4, 0, 1}, {7, 1, 2}, {11, 2, 3}, {15, 3, 4},
                              {18, 4, 5}, {22, 5, 6}, {26, 6, 7}, {29, 7, 0}}; // day, before, after
    const auto indexOn = [](int d) { return int(PhaseOfDate(DateValueOfText("1-" + std::to_string(d) + "-2014"))); };
    for (const auto& change : changes) {
        const int day = change[0], before = change[1], after = change[2];
        INFO("1-" << day << "-2014");
        CHECK(indexOn(day - 1) == before);
        CHECK(indexOn(day) == after);
        CHECK(indexOn(day + 1) == after); // the day after a change keeps the new index
    }
}

TEST_CASE("every day the lists offer, in both writings, against std::chrono")
{
    int count = 0;
    for (sys_days d = sys_days{year{1980} / January / 1}; d <= sys_days{year{2079} / December / 31};
         d += days{1}, ++count) {
        const year_month_day date{d};
        const double expected = double((d - DayZero).count());
        for (bool padded : {true, false}) {
            const std::string text = TextOf(date, padded);
            const double value = DateValueOfText(text);
            if (value != expected || PhaseOfDate(value) != ReferencePhaseOf(value))
                FAIL(text << " gave " << value << ", index " << PhaseOfDate(value));
        }
    }
    CHECK(count == 36525);
}

TEST_CASE("every day of the years 0001 to 9999, and the day after each month's end rejected")
{
    for (sys_days d = sys_days{year{1} / January / 1}; d <= sys_days{year{9999} / December / 31};
         d += days{1}) {
        const year_month_day date{d};
        const std::string text = TextOf(date, false);
        if (DateValueOfText(text) != double((d - DayZero).count()))
            FAIL(text);
        if (date.day() == year_month_day_last{date.year() / date.month() / std::chrono::last}.day()) {
            char pastTheEnd[32];
            std::snprintf(pastTheEnd, sizeof pastTheEnd, "%u-%u-%04d", unsigned(date.month()),
                          unsigned(date.day()) + 1, int(date.year()));
            if (KindThrownBy([&] { DateValueOfText(pastTheEnd); }) != ErrorKind::TypeMismatch)
                FAIL("accepted " << pastTheEnd);
        }
    }
}

TEST_CASE("texts that name a date")
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"09-09-2014", 41891}, {"9-9-2014", 41891},     {"09-9-2014", 41891},
        {"9-09-2014", 41891},  {"1-1-1900", 2},         {"2-29-2000", 36585},
        {"02-29-2016", 42429}, {"2-29-1600", -109512},  {"1-1-0001", -693593},
        {"12-31-9999", 2958465},
    };
    for (const auto& row : rows) {
        INFO(row.text);
        CHECK(DateValueOfText(row.text) == row.value);
    }
}

TEST_CASE("texts that name no date are a type mismatch")
{
    const std::string megabyte(1 << 20, '1');
    const std::string texts[] = {
        "13-01-2014", "0-10-2014", "1-0-2014", "2-31-2014", "2-29-2015", "2-29-1900", "4-31-2014",
        "1-32-2014", "1-1-0000", "9-9", "9--2014", "-9-2014", "9-9-2014-1", "9-9--2014", "+9-9-2014",
        "9--9-2014", " 9-9-2014", "9-9-2014 ", "9 -9-2014", "9-9-2014x", "009-09-2014", "09-009-2014",
        "09-09-02014", "9-9-14", "09/09/2014", "2014-09-09", "09.09.2014", "", "-",
        std::string("9-9-2014\0", 9), std::string("9-9\0-2014", 9),
        "\xd9\xa9-\xd9\xa9-\xd9\xa2\xd9\xa0\xd9\xa1\xd9\xa4", // Arabic-Indic digits
        "\xef\xbc\x99-\xef\xbc\x99-2014",                       // fullwidth digits
        "\xd0\xb4\xd0\xb5\xd0\xbd",                             // Cyrillic text
        megabyte, "9-9-2014" + std::string(1 << 20, '0'),
    };
    for (const std::string& text : texts) {
        INFO(text.substr(0, 40));
        CHECK(KindThrownBy([&] { DateValueOfText(text); }) == ErrorKind::TypeMismatch);
    }
}

TEST_CASE("the error message names the input, safely")
{
    try {
        DateValueOfText("2-31-2014");
        FAIL("accepted 2-31-2014");
    } catch (const RuntimeError& error) {
        const std::string message = error.what();
        CHECK(message.starts_with("Несъответствие на типовете: "));
        CHECK(message.find("„2-31-2014“") != std::string::npos);
    }
    // A long input is cut short and its control bytes made visible.
    try {
        DateValueOfText(std::string(1 << 20, '\n'));
        FAIL("accepted a megabyte of line breaks");
    } catch (const RuntimeError& error) {
        const std::string message = error.what();
        CHECK(message.size() < 600);
        CHECK(message.find("\\x0A") != std::string::npos);
        CHECK(message.find("1048576 байта") != std::string::npos);
        CHECK(message.find('\n') == std::string::npos);
    }
}

TEST_CASE("the parser allocates nothing")
{
    std::vector<std::string> texts;
    for (sys_days d = sys_days{year{1980} / January / 1}; d <= sys_days{year{2079} / December / 31};
         d += days{1}) {
        texts.push_back(TextOf(year_month_day{d}, true));
        texts.push_back(TextOf(year_month_day{d}, false));
    }
    double sum = 0;
    const long before = allocationCount.load();
    for (const std::string& text : texts)
        sum += DateValueOfText(text);
    const long after = allocationCount.load();
    CHECK(after - before == 0);
    CHECK(sum > 0);
}

TEST_CASE("the parser ignores the locale")
{
    // Locales whose number formats differ from C, by their POSIX and their Windows names; those
    // not installed here are skipped.
    int tried = 0;
    for (const char* name : {"bg_BG.UTF-8", "de_DE.UTF-8", "ar_EG.UTF-8", "he_IL.UTF-8", "C.UTF-8",
                             "Bulgarian_Bulgaria.1251", "German_Germany.1252", "Arabic_Egypt.1256"}) {
        if (!std::setlocale(LC_ALL, name))
            continue;
        ++tried;
        INFO(name);
        CHECK(DateValueOfText("09-09-2014") == 41891);
        CHECK(DateValueOfText("12-31-2079") == 65745);
        CHECK(int(PhaseOfDate(41891)) == 4);
    }
    std::setlocale(LC_ALL, "C");
    CHECK(tried > 0);
}

TEST_CASE("numbers in error messages: the shortest text that reads back, with a point everywhere")
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0.5, "0.5"},
        {0.1, "0.1"},                                 // 15 digits suffice
        {1.0 / 3, "0.3333333333333333"},              // needs 16
        {0.30000000000000004, "0.30000000000000004"}, // needs 17
        {-40000.5, "-40000.5"},
        {1e300, "1e+300"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    // The C++ global locale is what a stream takes by default; names not installed are skipped.
    for (const char* name : {"C", "de_DE.UTF-8", "bg_BG.UTF-8", "German_Germany.1252"}) {
        try {
            std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            continue;
        }
        std::setlocale(LC_ALL, name);
        INFO(name);
        for (const auto& row : rows)
            CHECK(NumberForMessage(row.value) == row.text);
    }
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}

TEST_CASE("the eighths' boundaries")
{
    const struct {
        const char* name;
        double fraction;
        int index;
    } rows[] = {
        {"0", 0, 0},
        {"just below 1/16", 0.0625 - 1e-15, 0},
        {"1/16", 0.0625, 1},
        {"1/8", 0.125, 1},
        {"just below 3/16", 0.1875 - 1e-15, 1},
        {"3/16", 0.1875, 2},
        {"1/2", 0.5, 4},
        {"just below 15/16", 0.9375 - 1e-15, 7},
        {"15/16", 0.9375, 0},
        {"largest below 1", std::nextafter(1.0, 0.0), 0},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(int(PhaseIndexOfFraction(row.fraction)) == row.index);
    }
}

TEST_CASE("date values a minute either side of 1/16 and 15/16 of a cycle")
{
    const double minute = 1.0 / 1440;
    for (int cycle : {-1500, 0, 1418, 1419, 2100}) {
        INFO("cycle " << cycle);
        const auto at = [cycle](double position) { return (cycle + position - 0.9291176) * 29.530589; };
        CHECK(int(PhaseOfDate(at(0.0625) - minute)) == 0);
        CHECK(int(PhaseOfDate(at(0.0625) + minute)) == 1);
        CHECK(int(PhaseOfDate(at(0.9375) - minute)) == 7);
        CHECK(int(PhaseOfDate(at(0.9375) + minute)) == 0);
    }
}

TEST_CASE("negative date values keep the fraction in [0, 1)")
{
    for (double value : {-1.0, -29.530589, -36522.0, -693593.0, -1e6, -12345.678}) {
        INFO(value);
        const double fraction = CycleFractionOf(CycleCountOf(value));
        CHECK((fraction >= 0 && fraction < 1));
        CHECK(int(PhaseOfDate(value)) == ReferencePhaseOf(value));
    }
}

TEST_CASE("NaN and infinities are a floating-point error")
{
    for (double value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                         -std::numeric_limits<double>::infinity()}) {
        INFO(value);
        CHECK(KindThrownBy([&] { PhaseOfDate(value); }) == ErrorKind::FloatingPoint);
        CHECK(KindThrownBy([&] { CycleFractionOf(value); }) == ErrorKind::FloatingPoint);
        CHECK(KindThrownBy([&] { PhaseIndexOfFraction(value); }) == ErrorKind::FloatingPoint);
    }
}

} // TEST_SUITE

TEST_SUITE("phase table") {

TEST_CASE("each row's description and name")
{
    const struct {
        std::string_view opening, closing;
    } rows[] = {
        {"Новолуние - ", "към Земята"},
        {"Нарастване - ", "буква \u0417"}, // З and С are Cyrillic, not 3 and C
        {"Нарастване - ", "първа четвърт"},
        {"Нарастване - ", "три четвърти видими"},
        {"Пълнолуние - ", "Луната и Слънцето"},
        {"Намаляване - ", "три четвърти видими"},
        {"Намаляване - ", "последна четвърт"},
        {"Намаляване - ", "буква \u0421"},
    };
    std::set<std::string_view> descriptions, names;
    for (std::int16_t index = 0; index < PhaseCount; ++index) {
        INFO("phase " << index);
        const auto& row = rows[index];
        const std::string_view text = DescriptionOf(index).value();
        CHECK(text.starts_with(row.opening));
        CHECK(text.ends_with(row.closing));
        CHECK(text.find_first_of("\r\n") == std::string_view::npos);
        CHECK(text.front() != ' ');
        descriptions.insert(text);
        names.insert(PhaseNameOf(index).value());
    }
    CHECK(descriptions.size() == std::size_t(PhaseCount));
    CHECK(names.size() == std::size_t(PhaseCount)); // a screen reader tells every phase apart
    CHECK(PhaseNameOf(0) == "Новолуние");
    CHECK(PhaseNameOf(2) == "Първа четвърт");
    CHECK(PhaseNameOf(4) == "Пълнолуние");
    CHECK(PhaseNameOf(6) == "Последна четвърт");
}

TEST_CASE("no row outside 0 to 7")
{
    for (int index : {-1, 8, 9, -32768, 32767}) {
        INFO(index);
        CHECK(!DescriptionOf(std::int16_t(index)).has_value());
        CHECK(!PhaseNameOf(std::int16_t(index)).has_value());
    }
}

} // TEST_SUITE
