// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints how often the program's mean-cycle phase differs from the true Moon, 1980-2079.

#include "tools/skycheck/comparison.h"

#include <cstdio>

int main()
{
    const skycheck::Comparison c = skycheck::CompareWithMeanCycle(1980, 2079);
    const auto agreement = [](const char* what, const skycheck::Agreement& a) {
        std::printf("%-24s %6d days, %5d differ (%5.2f %%), at most %d in a row, by at most %d eighth(s)\n",
                    what, a.days, a.differing, 100 * a.differingShare(), a.longestRun, a.largestDifference);
    };
    const auto offsets = [](const char* what, const skycheck::Offsets& o) {
        std::printf("%-24s %6d instants, true minus mean: at most %5.1f h, on average %+5.1f h\n", what,
                    o.count, o.largest, o.mean);
    };
    std::printf("The program's eighth against the true Moon's at 00:00 UT, 1980-2079\n");
    agreement("every phase", c.allPhases);
    agreement("new moon (either side)", c.newMoon);
    agreement("full moon (either side)", c.fullMoon);
    offsets("new moons", c.newMoons);
    offsets("full moons", c.fullMoons);
    offsets("quarters", c.quarters);
}
