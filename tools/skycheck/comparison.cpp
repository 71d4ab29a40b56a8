// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/skycheck/comparison.h"

#include "phase/phase.h"
#include "tools/skycheck/meeus.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace skycheck {

namespace {

constexpr double DateValueZeroJd = 2415018.5; // 30 December 1899, 00:00 UT

int EighthsApart(int a, int b)
{
    const int d = std::abs(a - b) % 8;
    return std::min(d, 8 - d);
}

class AgreementCounter {
public:
    explicit AgreementCounter(Agreement& result) : result_(result) {}
    void Add(int truth, int mean)
    {
        ++result_.days;
        const int apart = EighthsApart(truth, mean);
        result_.largestDifference = std::max(result_.largestDifference, apart);
        run_ = apart ? run_ + 1 : 0;
        result_.differing += apart ? 1 : 0;
        result_.longestRun = std::max(result_.longestRun, run_);
    }
    void Skip() { run_ = 0; } // a day outside the set ends a run

private:
    Agreement& result_;
    int run_ = 0;
};

void AddOffset(Offsets& offsets, double hours)
{
    offsets.mean = (offsets.mean * offsets.count + hours) / (offsets.count + 1);
    ++offsets.count;
    offsets.largest = std::max(offsets.largest, std::abs(hours));
}

} // namespace

TruePhases::TruePhases(int firstYear, int lastYear)
    : firstJd_(JulianDayOf(firstYear, 1, 1))
    , lastJd_(JulianDayOf(lastYear, 12, 31))
{
    // Lunations from a little before the first day to a little after the last.
    const int firstLunation = int(std::floor((firstYear - 2000) * 12.3685)) - 2;
    const int lastLunation = int(std::ceil((lastYear + 1 - 2000) * 12.3685)) + 2;
    for (int lunation = firstLunation; lunation <= lastLunation; ++lunation)
        for (int quarter = 0; quarter < 4; ++quarter)
            instants_.push_back({TruePhaseJdUt(lunation, Principal(quarter)), quarter});
    std::sort(instants_.begin(), instants_.end(), [](auto a, auto b) { return a.jd < b.jd; });
}

int TruePhases::EighthByTimeSplit(double jdUt) const
{
    // The first instant after jdUt, and the one before it.
    const auto after = std::upper_bound(instants_.begin(), instants_.end(), jdUt,
                                        [](double jd, const Instant& instant) { return jd < instant.jd; });
    if (after == instants_.begin() || after == instants_.end())
        throw std::out_of_range("skycheck: an instant outside the years of the true phases");
    const Instant& before = *(after - 1);
    const double position = (before.quarter + (jdUt - before.jd) / (after->jd - before.jd)) / 4;
    return int(std::floor(position * 8 + 0.5)) % 8;
}

PhaseOffsets TruePhases::OffsetsFromMeanCycle() const
{
    PhaseOffsets result;
    for (const Instant& instant : instants_) {
        if (instant.jd < firstJd_ || instant.jd > lastJd_ + 1)
            continue;
        // The mean cycle's nearest point of the same phase.
        const double value = instant.jd - DateValueZeroJd;
        const double quarter = instant.quarter / 4.0;
        const double cycles = value / menivor::SynodicMonthDays + menivor::CycleOffset - quarter;
        const double meanValue =
            (std::round(cycles) + quarter - menivor::CycleOffset) * menivor::SynodicMonthDays;
        Offsets& offsets = instant.quarter == 0   ? result.newMoons
                         : instant.quarter == 2 ? result.fullMoons
                                                : result.quarters;
        AddOffset(offsets, (value - meanValue) * 24);
    }
    return result;
}

DayByDay CompareDays(int firstYear, int lastYear, const TrueEighth& truth, const ReadingOf& reading)
{
    using namespace std::chrono;
    DayByDay result;
    AgreementCounter all(result.allDays), newMoon(result.newMoonDays), fullMoon(result.fullMoonDays);
    const sys_days dayZero{year{1899} / December / 30};
    for (sys_days day{year{firstYear} / January / 1}; day <= sys_days{year{lastYear} / December / 31};
         day += days{1}) {
        const year_month_day date{day};
        const int trueEighth =
            truth(reading(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))));
        const int meanEighth = menivor::PhaseOfDate(double((day - dayZero).count()));
        all.Add(trueEighth, meanEighth);
        for (auto [counter, phase] : {std::pair{&newMoon, 0}, {&fullMoon, 4}}) {
            if (trueEighth == phase || meanEighth == phase)
                counter->Add(trueEighth, meanEighth);
            else
                counter->Skip();
        }
    }
    return result;
}

} // namespace skycheck
