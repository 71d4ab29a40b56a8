// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/skycheck/comparison.h"
#include "tools/skycheck/longitudes.h"
#include "tools/skycheck/meeus.h"
#include "tools/skycheck/sofia.h"

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
    void longitudesWorkedExamples();
    void phaseAngleAtTruePhases();
    void eighthOfPhaseAngle_data();
    void eighthOfPhaseAngle();
    void sofiaClock_data();
    void sofiaClock();
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

void TestSkyCheck::longitudesWorkedExamples()
{
    // Astronomical Algorithms, example 47.a: the Moon on 12 April 1992, 0h TT, at longitude
    // 133.162655 degrees.
    const double moon = MoonLongitude(2448724.5);
    QVERIFY2(std::abs(moon - 133.162655) < 1e-5, qPrintable(QString::number(moon, 'f', 6)));
    // Example 25.a: the Sun on 13 October 1992, 0h TT, at true longitude 199.90988 degrees,
    // less 0.00569 of aberration.
    const double sun = SunLongitude(2448908.5);
    QVERIFY2(std::abs(sun - (199.90988 - 0.00569)) < 1e-4, qPrintable(QString::number(sun, 'f', 5)));
}

void TestSkyCheck::phaseAngleAtTruePhases()
{
    // At each true principal phase 1980-2079 the angle stands at 0, 90, 180 or 270 degrees.
    double worst = 0;
    for (int lunation = -250; lunation <= 990; ++lunation) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double angle = PhaseAngleAt(TruePhaseJdUt(lunation, Principal(quarter)));
            worst = std::max(worst, std::abs(std::remainder(angle - 90.0 * quarter, 360.0)));
        }
    }
    QVERIFY2(worst < 0.3, qPrintable(QString::number(worst) + " degrees off"));
}

void TestSkyCheck::eighthOfPhaseAngle_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<int>("eighth");
    QTest::newRow("new moon") << 0.0 << 0;
    QTest::newRow("just below the first boundary") << 22.499999 << 0;
    QTest::newRow("the first boundary") << 22.5 << 1;
    QTest::newRow("full moon") << 180.0 << 4;
    QTest::newRow("just below full's boundary") << 157.499999 << 3;
    QTest::newRow("the last boundary wraps to new") << 337.5 << 0;
    QTest::newRow("just before new moon") << 359.999999 << 0;
    QTest::newRow("last quarter") << 270.0 << 6;
}

void TestSkyCheck::eighthOfPhaseAngle()
{
    QFETCH(double, degrees);
    QFETCH(int, eighth);
    QCOMPARE(EighthOfPhaseAngle(degrees), eighth);
}

void TestSkyCheck::sofiaClock_data()
{
    QTest::addColumn<UtcMinute>("local"); // a whole hour on the Sofia clock
    QTest::addColumn<int>("hoursAheadOfUt");
    QTest::newRow("winter") << UtcMinute{2014, 1, 15, 0, 0} << 2;
    QTest::newRow("summer") << UtcMinute{2014, 7, 15, 0, 0} << 3;
    QTest::newRow("midnight before summer time") << UtcMinute{2014, 3, 30, 0, 0} << 2;
    QTest::newRow("noon after the change") << UtcMinute{2014, 3, 30, 12, 0} << 3;
    QTest::newRow("midnight before winter time") << UtcMinute{2014, 10, 26, 0, 0} << 3;
    QTest::newRow("noon after the change back") << UtcMinute{2014, 10, 26, 12, 0} << 2;
    QTest::newRow("summer 1980") << UtcMinute{1980, 6, 1, 0, 0} << 3;
    QTest::newRow("winter 2079") << UtcMinute{2079, 12, 31, 0, 0} << 2;
}

void TestSkyCheck::sofiaClock()
{
    QFETCH(UtcMinute, local);
    QFETCH(int, hoursAheadOfUt);
    const double localAsUt = JulianDayOf(local.year, local.month, local.day) + local.hour / 24.0;
    const double hours = (localAsUt - SofiaJdUt(local.year, local.month, local.day, local.hour)) * 24;
    QVERIFY2(std::abs(hours - hoursAheadOfUt) < 1e-6, qPrintable(QString::number(hours)));
}

void TestSkyCheck::comparisonCoversEveryDay()
{
    const TruePhases phases(1980, 2079);
    const auto atUt = [](int y, int m, int d) { return JulianDayOf(y, m, d); };
    const DayByDay split =
        CompareDays(1980, 2079, [&phases](double jd) { return phases.EighthByTimeSplit(jd); }, atUt);
    const DayByDay angle =
        CompareDays(1980, 2079, [](double jd) { return EighthOfPhaseAngle(PhaseAngleAt(jd)); }, atUt);
    QCOMPARE(split.allDays.days, 36525);
    // A mean cycle that ignores the elliptic orbit is off by hours, never by a whole eighth
    // (3.7 days): the eighths differ by one at most, and only on a day near a boundary.
    for (const DayByDay& c : {split, angle}) {
        QCOMPARE(c.allDays.largestDifference, 1);
        QVERIFY(c.allDays.differing > 0);
        QVERIFY(c.newMoonDays.days > 0 && c.newMoonDays.days < c.allDays.days);
    }
    // The phase angle's eighths are not evenly spread in time as the time split's are: it
    // differs from the mean cycle on more days.
    QVERIFY(angle.allDays.differing > split.allDays.differing);
    const PhaseOffsets offsets = phases.OffsetsFromMeanCycle();
    QCOMPARE(offsets.newMoons.count + offsets.fullMoons.count + offsets.quarters.count, 4 * 1237);
    QVERIFY(offsets.newMoons.largest > 10 && offsets.newMoons.largest < 24);
    QVERIFY(offsets.quarters.largest > offsets.newMoons.largest);
}

QTEST_APPLESS_MAIN(TestSkyCheck)
#include "tst_skycheck.moc"
