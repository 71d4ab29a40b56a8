// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the program's mean lunar cycle compares with the true Moon, day by day.

#include <functional>
#include <vector>

namespace skycheck {

// Agreement over a set of days: those on which the two eighths differ, how many in a row at the
// most, and by how many eighths at the most (around the cycle: 7 and 0 are one eighth apart).
struct Agreement {
    int days = 0;
    int differing = 0;
    int longestRun = 0;
    int largestDifference = 0;
    double differingShare() const { return days ? double(differing) / days : 0; }
};

// One reading of the sky against the program: every day, and the days on which either side says
// new moon, or full moon.
struct DayByDay {
    Agreement allDays, newMoonDays, fullMoonDays;
};

// How far the mean cycle's phase points lie from the true instants, in hours (true minus mean).
struct Offsets {
    int count = 0;
    double largest = 0; // the largest absolute offset
    double mean = 0;    // the average, signed: a systematic lag or lead
};

struct PhaseOffsets {
    Offsets newMoons, fullMoons, quarters;
};

// The true Moon's eighth of the cycle at an instant (Julian Day, Universal Time), 0 to 7.
using TrueEighth = std::function<int(double jdUt)>;

// The instant at which a calendar date is read: the Julian Day (UT) of a time of that day.
using ReadingOf = std::function<double(int year, int month, int day)>;

// The true principal phases from a little before firstYear to a little after lastYear, in order.
class TruePhases {
public:
    TruePhases(int firstYear, int lastYear);

    // Each interval between two true principal phases split evenly in time: the cycle position
    // runs linearly over a quarter of the cycle and is rounded to the nearest eighth.
    int EighthByTimeSplit(double jdUt) const;

    // How far the mean cycle's phase points are from these instants.
    PhaseOffsets OffsetsFromMeanCycle() const;

private:
    struct Instant {
        double jd;   // Universal Time
        int quarter; // 0 new, 1 first quarter, 2 full, 3 last quarter
    };
    std::vector<Instant> instants_;
    double firstJd_, lastJd_; // the first and the last day's 00:00 UT
};

// The true eighth at each day's reading instant against the program's index of that date, on
// every day from firstYear-01-01 to lastYear-12-31.
DayByDay CompareDays(int firstYear, int lastYear, const TrueEighth& truth, const ReadingOf& reading);

} // namespace skycheck
