// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/conversions.h"
#include "tests/core/testkit.h"

#include <doctest/doctest.h>

#include <chrono>
#include <limits>

using namespace menivor;
using namespace std::chrono;

TEST_SUITE("conversions") {

TEST_CASE("a double to 16 bits, a half to the even neighbour")
{
    const struct {
        double value;
        int expected; // outside 16 bits: an overflow
    } rows[] = {
        {0.5, 0},          {1.5, 2},          {2.5, 2},         {2.5000001, 3},     {-0.5, 0},
        {-1.5, -2},        {-2.4, -2},        {8, 8},           {32767.4, 32767},   {32767.5, 32768},
        {-32768.5, -32768}, {-32768.6, -32769}, {std::numeric_limits<double>::quiet_NaN(), 99999},
        {std::numeric_limits<double>::infinity(), 99999},
    };
    for (const auto& row : rows) {
        INFO(row.value);
        if (row.expected >= -32768 && row.expected <= 32767)
            CHECK(int(ToInt16HalfEven(row.value)) == row.expected);
        else
            CHECK(KindThrownBy([&] { ToInt16HalfEven(row.value); }) == ErrorKind::Overflow);
    }
}

TEST_CASE("the numeric value of a text: its leading ASCII digits")
{
    const struct {
        std::u16string_view text;
        double value;
    } rows[] = {
        {u"", 0},     {u"12", 12},   {u"09", 9},   {u"2014x", 2014}, {u"x1", 0},
        {u" 7", 0},   {u"-7", 0},    {u"3.7", 3},  {u"1e5", 1},      {u"09-", 9},
        {u"\u0669", 0}, // an Arabic-Indic digit
        {u"\uFF19", 0}, // a fullwidth digit
    };
    for (const auto& row : rows) {
        INFO(Utf8Of(row.text));
        CHECK(NumericValueOf(row.text) == row.value);
    }
    CHECK(NumericValueOf(std::u16string(300, u'9')) == 1e300);
    CHECK(KindThrownBy([] { NumericValueOf(std::u16string(400, u'9')); }) == ErrorKind::Overflow);
}

TEST_CASE("slices of a text, counted in characters from 1")
{
    const struct {
        std::u16string_view text;
        int start, count;
        std::u16string_view slice;
    } rows[] = {
        {u"09-24-2014", 1, 2, u"09"}, {u"09-24-2014", 4, 2, u"24"}, {u"09-24-2014", 7, 4, u"2014"},
        {u"09-24-2014", 9, 4, u"14"}, // clipped at the end
        {u"09-24", 7, 4, u""},        // past the end
        {u"", 1, 2, u""},             {u"abc", 2, 0, u""},          {u"Ден 9", 5, 1, u"9"},
    };
    for (const auto& row : rows) {
        INFO(Utf8Of(row.text) << " from " << row.start << ", " << row.count);
        CHECK(SliceOf(row.text, row.start, row.count) == row.slice);
    }
    CHECK(KindThrownBy([] { SliceOf(u"abc", 0, 1); }) == ErrorKind::InvalidPropertyValue);
    CHECK(KindThrownBy([] { SliceOf(u"abc", 1, -1); }) == ErrorKind::InvalidPropertyValue);
}

TEST_CASE("whole numbers as text: no sign, no blank, no leading zeros")
{
    CHECK(NumberText(1) == u"1");
    CHECK(NumberText(9) == u"9");
    CHECK(NumberText(31) == u"31");
    CHECK(NumberText(1980) == u"1980");
    CHECK(NumberText(2079) == u"2079");
    CHECK(KindThrownBy([] { NumberText(-1); }) == ErrorKind::InvalidPropertyValue);
}

TEST_CASE("today's date as MM-DD-YYYY")
{
    CHECK(DateTextOf(2014y / September / 9) == u"09-09-2014");
    CHECK(DateTextOf(2014y / September / 24) == u"09-24-2014");
    CHECK(DateTextOf(2016y / February / 29) == u"02-29-2016");
    CHECK(DateTextOf(2079y / December / 31) == u"12-31-2079");
    CHECK(DateTextOf(year{5} / January / 2) == u"01-02-0005");
    for (year_month_day date : {year{0} / January / 1, year{10000} / January / 1, 2015y / February / 29,
                                year{-1} / March / 3})
        CHECK(KindThrownBy([&] { DateTextOf(date); }) == ErrorKind::InvalidPropertyValue);
}

TEST_CASE("UTF-16 to UTF-8 and back")
{
    const std::u16string texts[] = {u"", u"9-9-2014", u"Новолуние - Луната", u"буква \u0417",
                                    u"\U0001F315 full moon", u"\uFFFF\u0800\u07FF\u0080\u007F"};
    for (const std::u16string& text : texts) {
        INFO(Utf8Of(text));
        CHECK(Utf16Of(Utf8Of(text)) == text);
    }
    CHECK(Utf8Of(u"Ден") == "Ден");
    CHECK(Utf8Of(u"\U0001F315") == "\xF0\x9F\x8C\x95");
    // Lone surrogates and ill-formed UTF-8 become U+FFFD, one for each bad unit or byte.
    CHECK(Utf8Of(std::u16string{u'a', char16_t(0xD800), u'b'}) == "a\xEF\xBF\xBD" "b");
    CHECK(Utf8Of(std::u16string{char16_t(0xDC00)}) == "\xEF\xBF\xBD");
    CHECK(Utf16Of("\xC0\xAF") == u"\uFFFD\uFFFD");         // an overlong '/'
    CHECK(Utf16Of("\xED\xA0\x80") == u"\uFFFD\uFFFD\uFFFD"); // an encoded surrogate
    CHECK(Utf16Of("\xF4\x90\x80\x80") == u"\uFFFD\uFFFD\uFFFD\uFFFD"); // past U+10FFFF
    CHECK(Utf16Of("\xD0") == u"\uFFFD");                    // cut short
    CHECK(Utf16Of("a\xFF" "b") == u"a\uFFFDb");
}

} // TEST_SUITE
