// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/phase.h"
#include "phase/runtime_error.h"

#include <QTest>

#include <atomic>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>
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
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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

ErrorKind KindThrownBy(auto&& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.kind();
    }
    QTest::qFail("no RuntimeError was thrown", __FILE__, __LINE__);
    return ErrorKind::Overflow;
}

} // namespace

class TestPhaseModel : public QObject {
    Q_OBJECT

private slots:
    void workedValues_data();
    void workedValues();
    void januaryTransitions_data();
    void januaryTransitions();
    void everyDayOfTheRange();
    void everyDayOfTheCalendar();
    void goodTexts_data();
    void goodTexts();
    void badTexts_data();
    void badTexts();
    void errorMessageNamesTheInput();
    void parserAllocatesNothing();
    void parserIgnoresTheLocale();
    void eighthBoundaries_data();
    void eighthBoundaries();
    void constructedBoundaryDates_data();
    void constructedBoundaryDates();
    void negativeDateValues_data();
    void negativeDateValues();
    void nonFiniteValues_data();
    void nonFiniteValues();
};

void TestPhaseModel::workedValues_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("index");
    // Dates with their published day numbers and cycle positions, rounded to six places.
    QTest::newRow("day zero") << QByteArray("12-30-1899") << 0.0 << 0.929118 << 7;
    QTest::newRow("first day of the lists") << QByteArray("01-01-1980") << 29221.0 << 0.445446 << 4;
    QTest::newRow("millennium") << QByteArray("01-01-2000") << 36526.0 << 0.816062 << 7;
    QTest::newRow("first quarter 2014") << QByteArray("09-02-2014") << 41884.0 << 0.255044 << 2;
    QTest::newRow("full moon 2014") << QByteArray("09-09-2014") << 41891.0 << 0.492086 << 4;
    QTest::newRow("last quarter 2014") << QByteArray("09-16-2014") << 41898.0 << 0.729129 << 6;
    QTest::newRow("new moon 2014") << QByteArray("09-24-2014") << 41906.0 << 0.000034 << 0;
    QTest::newRow("eclipse 2024") << QByteArray("04-08-2024") << 45390.0 << 0.979395 << 0;
    QTest::newRow("last day of the lists") << QByteArray("12-31-2079") << 65745.0 << 0.264664 << 2;
}

void TestPhaseModel::workedValues()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QFETCH(double, fraction);
    QFETCH(int, index);
    const double parsed = DateValueOfText(text.toStdString());
    QCOMPARE(parsed, value);
    const double f = CycleFractionOf(CycleCountOf(parsed));
    QVERIFY2(std::abs(f - fraction) < 5e-7, QByteArray::number(f, 'f', 7));
    QCOMPARE(int(PhaseOfDate(parsed)), index);
}

void TestPhaseModel::januaryTransitions_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    // Days of January 2014 on which the index changes, from the day before to the day itself.
    QTest::newRow("4 Jan") << 4 << 0 << 1;
    QTest::newRow("7 Jan") << 7 << 1 << 2;
    QTest::newRow("11 Jan") << 11 << 2 << 3;
    QTest::newRow("15 Jan") << 15 << 3 << 4;
    QTest::newRow("18 Jan") << 18 << 4 << 5;
    QTest::newRow("22 Jan") << 22 << 5 << 6;
    QTest::newRow("26 Jan") << 26 << 6 << 7;
    QTest::newRow("29 Jan") << 29 << 7 << 0;
}

void TestPhaseModel::januaryTransitions()
{
    QFETCH(int, day);
    QFETCH(int, before);
    QFETCH(int, after);
    const auto indexOn = [](int d) {
        return int(PhaseOfDate(DateValueOfText("1-" + std::to_string(d) + "-2014")));
    };
    QCOMPARE(indexOn(day - 1), before);
    QCOMPARE(indexOn(day), after);
    // No other change within the month: the day after a change keeps the new index.
    QCOMPARE(indexOn(day + 1), after);
}

void TestPhaseModel::everyDayOfTheRange()
{
    // Both writings of every day the lists offer, against std::chrono's day count.
    int count = 0;
    for (sys_days d = sys_days{year{1980} / January / 1}; d <= sys_days{year{2079} / December / 31};
         d += days{1}, ++count) {
        const year_month_day date{d};
        const double expected = double((d - DayZero).count());
        for (bool padded : {true, false}) {
            const std::string text = TextOf(date, padded);
            const double value = DateValueOfText(text);
            if (value != expected)
                QFAIL(qPrintable(QString::fromStdString(text) + " gave " + QString::number(value)));
            if (PhaseOfDate(value) != ReferencePhaseOf(value))
                QFAIL(qPrintable(QString::fromStdString(text) + " has the wrong phase"));
        }
    }
    QCOMPARE(count, 36525);
}

void TestPhaseModel::everyDayOfTheCalendar()
{
    // Every day of the years 0001 to 9999, and the day after each month's end rejected.
    for (sys_days d = sys_days{year{1} / January / 1}; d <= sys_days{year{9999} / December / 31};
         d += days{1}) {
        const year_month_day date{d};
        const std::string text = TextOf(date, false);
        if (DateValueOfText(text) != double((d - DayZero).count()))
            QFAIL(qPrintable(QString::fromStdString(text)));
        const year_month_day_last last{date.year() / date.month() / std::chrono::last};
        if (date.day() == last.day()) {
            char pastTheEnd[32];
            std::snprintf(pastTheEnd, sizeof pastTheEnd, "%u-%u-%04d", unsigned(date.month()),
                          unsigned(date.day()) + 1, int(date.year()));
            bool rejected = false;
            try {
                DateValueOfText(pastTheEnd);
            } catch (const RuntimeError&) {
                rejected = true;
            }
            if (!rejected)
                QFAIL(qPrintable("accepted " + QString::fromLatin1(pastTheEnd)));
        }
    }
}

void TestPhaseModel::goodTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("padded") << QByteArray("09-09-2014") << 41891.0;
    QTest::newRow("unpadded") << QByteArray("9-9-2014") << 41891.0;
    QTest::newRow("padded month only") << QByteArray("09-9-2014") << 41891.0;
    QTest::newRow("padded day only") << QByteArray("9-09-2014") << 41891.0;
    QTest::newRow("1 January 1900") << QByteArray("1-1-1900") << 2.0;
    QTest::newRow("leap day 2000") << QByteArray("2-29-2000") << 36585.0;
    QTest::newRow("leap day 2016") << QByteArray("02-29-2016") << 42429.0;
    QTest::newRow("leap day 1600") << QByteArray("2-29-1600") << -109512.0;
    QTest::newRow("first day of year 1") << QByteArray("1-1-0001") << -693593.0;
    QTest::newRow("last day of 9999") << QByteArray("12-31-9999") << 2958465.0;
}

void TestPhaseModel::goodTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(DateValueOfText(text.toStdString()), value);
}

void TestPhaseModel::badTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    const auto row = [](const char* name, QByteArray text) { QTest::newRow(name) << text; };
    row("month 13", "13-01-2014");
    row("month 0", "0-10-2014");
    row("day 0", "1-0-2014");
    row("31 February", "2-31-2014");
    row("29 February 2015", "2-29-2015");
    row("29 February 1900", "2-29-1900");
    row("31 April", "4-31-2014");
    row("day 32", "1-32-2014");
    row("year 0", "1-1-0000");
    row("missing year", "9-9");
    row("missing day", "9--2014");
    row("missing month", "-9-2014");
    row("extra field", "9-9-2014-1");
    row("double dash", "9-9--2014");
    row("plus sign", "+9-9-2014");
    row("minus sign before the day", "9--9-2014");
    row("leading blank", " 9-9-2014");
    row("trailing blank", "9-9-2014 ");
    row("inner blank", "9 -9-2014");
    row("trailing text", "9-9-2014x");
    row("three-digit month", "009-09-2014");
    row("three-digit day", "09-009-2014");
    row("five-digit year", "09-09-02014");
    row("two-digit year", "9-9-14");
    row("slashes", "09/09/2014");
    row("year first", "2014-09-09");
    row("day first, dots", "09.09.2014");
    row("empty", "");
    row("only a dash", "-");
    row("embedded NUL at the end", QByteArray("9-9-2014\0", 9));
    row("embedded NUL inside", QByteArray("9-9\0-2014", 9));
    row("Arabic-Indic digits", "\xd9\xa9-\xd9\xa9-\xd9\xa2\xd9\xa0\xd9\xa1\xd9\xa4");
    row("fullwidth digits", "\xef\xbc\x99-\xef\xbc\x99-2014");
    row("Cyrillic text", "\xd0\xb4\xd0\xb5\xd0\xbd");
    row("a megabyte of digits", QByteArray(1 << 20, '1'));
    row("a valid date then a megabyte", QByteArray("9-9-2014") + QByteArray(1 << 20, '0'));
}

void TestPhaseModel::badTexts()
{
    QFETCH(QByteArray, text);
    const std::string_view view(text.constData(), std::size_t(text.size()));
    QCOMPARE(KindThrownBy([&] { DateValueOfText(view); }), ErrorKind::TypeMismatch);
}

void TestPhaseModel::errorMessageNamesTheInput()
{
    try {
        DateValueOfText("2-31-2014");
        QFAIL("accepted 2-31-2014");
    } catch (const RuntimeError& error) {
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.startsWith(u"Несъответствие на типовете: "), qPrintable(message));
        QVERIFY2(message.contains(u"„2-31-2014“"), qPrintable(message));
    }
    // A long input is cut short and its control bytes made visible.
    try {
        DateValueOfText(std::string(1 << 20, '\n'));
        QFAIL("accepted a megabyte of line breaks");
    } catch (const RuntimeError& error) {
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.size() < 300, qPrintable(message));
        QVERIFY(message.contains(u"\\x0A"));
        QVERIFY(message.contains(u"1048576 байта"));
        QVERIFY(!message.contains(u'\n'));
    }
}

void TestPhaseModel::parserAllocatesNothing()
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
    QCOMPARE(after - before, 0L);
    QVERIFY(sum > 0);
}

void TestPhaseModel::parserIgnoresTheLocale()
{
    // Locales whose number formats differ from C; those not installed here are skipped.
    const char* names[] = {"bg_BG.UTF-8", "de_DE.UTF-8", "ar_EG.UTF-8", "he_IL.UTF-8", "C.UTF-8"};
    int tried = 0;
    for (const char* name : names) {
        if (!std::setlocale(LC_ALL, name))
            continue;
        ++tried;
        QCOMPARE(DateValueOfText("09-09-2014"), 41891.0);
        QCOMPARE(DateValueOfText("12-31-2079"), 65745.0);
        QCOMPARE(int(PhaseOfDate(41891.0)), 4);
    }
    std::setlocale(LC_ALL, "C");
    QVERIFY(tried > 0);
}

void TestPhaseModel::eighthBoundaries_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below 1/16") << 0.0625 - 1e-15 << 0;
    QTest::newRow("1/16") << 0.0625 << 1;
    QTest::newRow("1/8") << 0.125 << 1;
    QTest::newRow("just below 3/16") << 0.1875 - 1e-15 << 1;
    QTest::newRow("3/16") << 0.1875 << 2;
    QTest::newRow("1/2") << 0.5 << 4;
    QTest::newRow("just below 15/16") << 0.9375 - 1e-15 << 7;
    QTest::newRow("15/16") << 0.9375 << 0;
    QTest::newRow("largest below 1") << std::nextafter(1.0, 0.0) << 0;
}

void TestPhaseModel::eighthBoundaries()
{
    QFETCH(double, fraction);
    QFETCH(int, index);
    QCOMPARE(int(PhaseIndexOfFraction(fraction)), index);
}

void TestPhaseModel::constructedBoundaryDates_data()
{
    QTest::addColumn<double>("boundary");
    QTest::addColumn<int>("below");
    QTest::addColumn<int>("above");
    // Date values at which the cycle position is exactly 1/16 or 15/16, in cycles around 2014.
    for (int cycle : {-1500, 0, 1418, 1419, 2100}) {
        const auto at = [cycle](double position) {
            return (cycle + position - 0.9291176) * 29.530589;
        };
        QTest::addRow("1/16 of cycle %d", cycle) << at(0.0625) << 0 << 1;
        QTest::addRow("15/16 of cycle %d", cycle) << at(0.9375) << 7 << 0;
    }
}

void TestPhaseModel::constructedBoundaryDates()
{
    QFETCH(double, boundary);
    QFETCH(int, below);
    QFETCH(int, above);
    const double minute = 1.0 / 1440;
    QCOMPARE(int(PhaseOfDate(boundary - minute)), below);
    QCOMPARE(int(PhaseOfDate(boundary + minute)), above);
}

void TestPhaseModel::negativeDateValues_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("the day before day zero") << -1.0;
    QTest::newRow("one cycle back") << -29.530589;
    QTest::newRow("1 January 1800") << -36522.0;
    QTest::newRow("1 January 0001") << -693593.0;
    QTest::newRow("a million days back") << -1e6;
    QTest::newRow("fractional") << -12345.678;
}

void TestPhaseModel::negativeDateValues()
{
    QFETCH(double, value);
    const double fraction = CycleFractionOf(CycleCountOf(value));
    QVERIFY2(fraction >= 0 && fraction < 1, QByteArray::number(fraction));
    QCOMPARE(int(PhaseOfDate(value)), ReferencePhaseOf(value));
}

void TestPhaseModel::nonFiniteValues_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("+infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity();
}

void TestPhaseModel::nonFiniteValues()
{
    QFETCH(double, value);
    QCOMPARE(KindThrownBy([&] { PhaseOfDate(value); }), ErrorKind::FloatingPoint);
    QCOMPARE(KindThrownBy([&] { CycleFractionOf(value); }), ErrorKind::FloatingPoint);
    QCOMPARE(KindThrownBy([&] { PhaseIndexOfFraction(value); }), ErrorKind::FloatingPoint);
}

QTEST_APPLESS_MAIN(TestPhaseModel)
#include "tst_phasemodel.moc"
