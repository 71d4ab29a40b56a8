// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/skycheck/comparison.h"
#include "tools/skycheck/meeus.h"

#include <QTest>

#include <cmath>

using namespace skycheck;

// A published instant, Universal Time to the minute.
struct UtcMinute {
    int year, month, day, hour, minute;
};
Q_DECLARE_METATYPE(UtcMinute)

// The true-phase algorithm against published instants, and the comparison's sanity.
class TestSkyCheck : public QObject {
    Q_OBJECT

private slots:
    void meeusWorkedExample();
    void publishedInstants_data();
    void publishedInstants();
    void deltaT_data();
    void deltaT();
    void comparisonCoversEveryDay();
};

void TestSkyCheck::meeusWorkedExample()
{
    // Astronomical Algorithms, example 49.a: the new moon of February 1977 (k = -283) at
    // JDE 2443192.65118, that is 18 February 1977, 3h 37m 40s Terrestrial Time.
    const double jde = TruePhaseJde(-283, Principal::NewMoon);
    QVERIFY2(std::abs(jde - 2443192.65118) < 1.0 / 86400, qPrintable(QString::number(jde, 'f', 6)));
    const double tt = JulianDayOf(1977, 2, 18) + (3 + 37 / 60.0 + 40 / 3600.0) / 24;
    QVERIFY(std::abs(jde - tt) * 1440 < 0.1);
}

void TestSkyCheck::publishedInstants_data()
{
    QTest::addColumn<int>("lunation");
    QTest::addColumn<int>("phase");
    QTest::addColumn<UtcMinute>("published");
    // Universal Time to the minute, from the U.S. Naval Observatory's tables of the phases of
    // the Moon for 2014 and 2024 (Astronomical Applications Department).
    const auto at = [](int y, int mo, int d, int h, int mi) { return UtcMinute{y, mo, d, h, mi}; };
    QTest::newRow("new moon 1 Jan 2014") << 173 << 0 << at(2014, 1, 1, 11, 14);
    QTest::newRow("full moon 16 Jan 2014") << 173 << 2 << at(2014, 1, 16, 4, 52);
    QTest::newRow("new moon 30 Jan 2014") << 174 << 0 << at(2014, 1, 30, 21, 39);
    QTest::newRow("first quarter 2 Sep 2014") << 181 << 1 << at(2014, 9, 2, 11, 11);
    QTest::newRow("full moon 9 Sep 2014") << 181 << 2 << at(2014, 9, 9, 1, 38);
    QTest::newRow("last quarter 16 Sep 2014") << 181 << 3 << at(2014, 9, 16, 2, 5);
    QTest::newRow("new moon 24 Sep 2014") << 182 << 0 << at(2014, 9, 24, 6, 14);
    QTest::newRow("new moon 9 Feb 2024") << 298 << 0 << at(2024, 2, 9, 22, 59);
    QTest::newRow("full moon 24 Feb 2024") << 298 << 2 << at(2024, 2, 24, 12, 30);
    QTest::newRow("new moon 8 May 2024") << 301 << 0 << at(2024, 5, 8, 3, 22);
    QTest::newRow("full moon 23 May 2024") << 301 << 2 << at(2024, 5, 23, 13, 53);
}

void TestSkyCheck::publishedInstants()
{
    QFETCH(int, lunation);
    QFETCH(int, phase);
    QFETCH(UtcMinute, published);
    const double publishedJd = JulianDayOf(published.year, published.month, published.day)
                             + (published.hour * 60 + published.minute) / 1440.0;
    const double minutes = (TruePhaseJdUt(lunation, Principal(phase)) - publishedJd) * 1440;
    QVERIFY2(std::abs(minutes) <= 2, qPrintable(QString::number(minutes, 'f', 2) + " minutes off"));
}

void TestSkyCheck::deltaT_data()
{
    QTest::addColumn<double>("year");
    QTest::addColumn<double>("seconds"); // measured values, for the polynomials' sanity
    QTest::newRow("1980") << 1980.0 << 50.5;
    QTest::newRow("2000") << 2000.0 << 63.8;
    QTest::newRow("2014") << 2014.0 << 67.6;
}

void TestSkyCheck::deltaT()
{
    QFETCH(double, year);
    QFETCH(double, seconds);
    QVERIFY2(std::abs(DeltaTSeconds(year) - seconds) < 1.5, qPrintable(QString::number(DeltaTSeconds(year))));
}

void TestSkyCheck::comparisonCoversEveryDay()
{
    const Comparison c = CompareWithMeanCycle(1980, 2079);
    QCOMPARE(c.allPhases.days, 36525);
    // A mean cycle that ignores the elliptic orbit is off by hours, never by a whole eighth
    // (3.7 days): the eighths differ by one at most, and only on a day near a boundary.
    QCOMPARE(c.allPhases.largestDifference, 1);
    QVERIFY(c.allPhases.differing > 0);
    QCOMPARE(c.allPhases.longestRun, 1);
    QCOMPARE(c.newMoons.count + c.fullMoons.count + c.quarters.count, 4 * 1237);
    QVERIFY(c.newMoons.largest > 10 && c.newMoons.largest < 24);
    QVERIFY(c.quarters.largest > c.newMoons.largest);
}

QTEST_APPLESS_MAIN(TestSkyCheck)
#include "tst_skycheck.moc"
