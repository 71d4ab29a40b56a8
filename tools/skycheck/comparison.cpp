// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/skycheck/comparison.h"

#include "phase/phase.h"
#include "tools/skycheck/meeus.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace skycheck {

namespace {

constexpr double DateValueZeroJd = 2415018.5; // 30 December 1899, 00:00 UT

struct Instant {
    double jd;   // Universal Time
    int quarter; // 0 new, 1 first quarter, 2 full, 3 last quarter
};

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

Comparison CompareWithMeanCycle(int firstYear, int lastYear)
{
    const double firstJd = JulianDayOf(firstYear, 1, 1);
    const double lastJd = JulianDayOf(lastYear, 12, 31);
    // Lunations from a little before the first day to a little after the last.
    const int firstLunation = int(std::floor((firstYear - 2000) * 12.3685)) - 2;
    const int lastLunation = int(std::ceil((lastYear + 1 - 2000) * 12.3685)) + 2;

    Comparison result;
    std::vector<Instant> instants;
    for (int lunation = firstLunation; lunation <= lastLunation; ++lunation) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double jd = TruePhaseJdUt(lunation, Principal(quarter));
            instants.push_back({jd, quarter});
            if (jd < firstJd || jd > lastJd + 1)
                continue;
            // The mean cycle's nearest point of the same phase.
            const double value = jd - DateValueZeroJd;
            const double cycles = value / menivor::SynodicMonthDays + menivor::CycleOffset - quarter / 4.0;
            const double meanValue = (std::round(cycles) + quarter / 4.0 - menivor::CycleOffset)
                                   * menivor::SynodicMonthDays;
            const double hours = (value - meanValue) * 24;
            AddOffset(quarter == 0 ? result.newMoons : quarter == 2 ? result.fullMoons : result.quarters, hours);
        }
    }
    std::sort(instants.begin(), instants.end(), [](auto a, auto b) { return a.jd < b.jd; });

    AgreementCounter all(result.allPhases), newMoon(result.newMoon), fullMoon(result.fullMoon);
    std::size_t next = 1; // instants[next - 1].jd <= jd < instants[next].jd
    for (double jd = firstJd; jd <= lastJd; jd += 1) {
        while (instants[next].jd <= jd)
            ++next;
        const Instant& before = instants[next - 1];
        const Instant& after = instants[next];
        const double position = (before.quarter + (jd - before.jd) / (after.jd - before.jd)) / 4;
        const int truth = int(std::floor(position * 8 + 0.5)) % 8;
        const int mean = menivor::PhaseOfDate(jd - DateValueZeroJd);
        all.Add(truth, mean);
        for (auto [counter, phase] : {std::pair{&newMoon, 0}, {&fullMoon, 4}}) {
            if (truth == phase || mean == phase)
                counter->Add(truth, mean);
            else
                counter->Skip();
        }
    }
    return result;
}

} // namespace skycheck
