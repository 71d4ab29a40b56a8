// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the program's mean lunar cycle compares with the true Moon, day by day.

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

// How far the mean cycle's phase points lie from the true instants, in hours (true minus mean).
struct Offsets {
    int count = 0;
    double largest = 0; // the largest absolute offset
    double mean = 0;    // the average, signed: a systematic lag or lead
};

struct Comparison {
    Agreement allPhases;
    Agreement newMoon;  // days on which either side says new moon
    Agreement fullMoon; // days on which either side says full moon
    Offsets newMoons, fullMoons, quarters;
};

// The true eighth of the cycle at 00:00 UT of each day: the cycle position runs linearly from
// one true principal phase to the next (a quarter of the cycle each), and is rounded to the
// nearest eighth as the program does. Compared with the program's index on every day from
// firstYear-01-01 to lastYear-12-31.
Comparison CompareWithMeanCycle(int firstYear, int lastYear);

} // namespace skycheck
