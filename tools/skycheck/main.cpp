// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints how often the program's mean-cycle phase differs from the true Moon, 1980-2079: by the
// Moon-Sun phase angle and by the time-split definition, each read at 00:00 UT and at 00:00 and
// 12:00 on the Sofia clock.

#include "tools/skycheck/comparison.h"
#include "tools/skycheck/longitudes.h"
#include "tools/skycheck/meeus.h"
#include "tools/skycheck/sofia.h"

#include <cstdio>
#include <exception>

using namespace skycheck;

int main()
{
    constexpr int FirstYear = 1980, LastYear = 2079;
    try {
        const TruePhases phases(FirstYear, LastYear);
        const struct {
            const char* name;
            TrueEighth truth;
        } definitions[] = {
            {"phase angle", [](double jd) { return EighthOfPhaseAngle(PhaseAngleAt(jd)); }},
            {"time split", [&phases](double jd) { return phases.EighthByTimeSplit(jd); }},
        };
        const struct {
            const char* name;
            ReadingOf reading;
        } readings[] = {
            {"00:00 UT", [](int y, int m, int d) { return JulianDayOf(y, m, d); }},
            {"00:00 Sofia", [](int y, int m, int d) { return SofiaJdUt(y, m, d, 0); }},
            {"12:00 Sofia", [](int y, int m, int d) { return SofiaJdUt(y, m, d, 12); }},
        };

        std::printf("The program's eighth against the true Moon's, every day %d-%d\n", FirstYear, LastYear);
        std::printf("%-12s %-12s %8s %10s %12s %13s %13s\n", "definition", "read at", "differ", "largest",
                    "longest run", "of new-moon", "of full-moon");
        std::printf("%-12s %-12s %8s %10s %12s %13s %13s\n", "", "", "", "(eighths)", "(days)", "days differ",
                    "days differ");
        for (const auto& definition : definitions) {
            for (const auto& reading : readings) {
                const DayByDay c = CompareDays(FirstYear, LastYear, definition.truth, reading.reading);
                std::printf("%-12s %-12s %7.2f%% %10d %12d %12.2f%% %12.2f%%\n", definition.name,
                            reading.name, 100 * c.allDays.differingShare(), c.allDays.largestDifference,
                            c.allDays.longestRun, 100 * c.newMoonDays.differingShare(),
                            100 * c.fullMoonDays.differingShare());
            }
        }
        std::printf("(%d days; new-moon and full-moon days are those on which either side says so)\n\n",
                    CompareDays(FirstYear, LastYear, definitions[0].truth, readings[0].reading).allDays.days);

        const PhaseOffsets o = phases.OffsetsFromMeanCycle();
        const auto offsets = [](const char* what, const Offsets& offset) {
            std::printf("%-12s %5d instants, true minus mean: at most %5.1f h, on average %+5.1f h\n", what,
                        offset.count, offset.largest, offset.mean);
        };
        offsets("new moons", o.newMoons);
        offsets("full moons", o.fullMoons);
        offsets("quarters", o.quarters);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
