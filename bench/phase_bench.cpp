// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Nanoseconds per call of the phase model over every day 1980-2079, each beside a plain
// inline loop doing the same arithmetic, so that the ratio says what the checks cost.

#include "phase/phase.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Runs body over all items, repeated until at least 0.2 s have passed, five times; returns the
// best ns per item.
template <class Items, class Body>
double NanosecondsPerItem(const Items& items, Body body, double& sink)
{
    double best = 1e30;
    for (int trial = 0; trial < 5; ++trial) {
        long calls = 0;
        const auto start = Clock::now();
        auto now = start;
        do {
            for (const auto& item : items)
                sink += body(item);
            calls += long(items.size());
            now = Clock::now();
        } while (now - start < std::chrono::milliseconds(200));
        best = std::min(best, std::chrono::duration<double, std::nano>(now - start).count() / calls);
    }
    return best;
}

void Report(const char* what, double ours, double reference)
{
    std::printf("%-16s %7.2f ns/call   inline reference %7.2f ns/call   ratio %.2f\n", what, ours,
                reference, ours / reference);
}

} // namespace

int main()
{
    std::vector<double> values;
    std::vector<std::string> texts;
    for (int value = 29221; value <= 65745; ++value) // 1 January 1980 to 31 December 2079
        values.push_back(value);
    for (int year = 1980; year <= 2079; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int length = month == 2 ? (year % 4 == 0 ? 29 : 28)
                             : (month == 4 || month == 6 || month == 9 || month == 11) ? 30 : 31;
            for (int day = 1; day <= length; ++day) {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", month, day, year);
                texts.emplace_back(buffer);
                std::snprintf(buffer, sizeof buffer, "%d-%d-%04d", month, day, year);
                texts.emplace_back(buffer);
            }
        }
    }

    double sink = 0;
    const double phase = NanosecondsPerItem(values, [](double v) { return menivor::PhaseOfDate(v); }, sink);
    const double phaseReference = NanosecondsPerItem(values, [](double v) {
        const double c = v / 29.530589 + 0.9291176;
        const double f = c - std::floor(c);
        return int(std::floor(f * 8 + 0.5)) % 8;
    }, sink);

    const double parse = NanosecondsPerItem(texts, [](const std::string& t) {
        return menivor::DateValueOfText(t);
    }, sink);
    // The reference reads the fields without any checking: the least a parser can do.
    const double parseReference = NanosecondsPerItem(texts, [](const std::string& t) {
        int fields[3] = {0, 0, 0};
        int field = 0;
        for (char c : t) {
            if (c == '-')
                ++field;
            else
                fields[field] = fields[field] * 10 + (c - '0');
        }
        return double(fields[0] * 400 + fields[1] * 31 + fields[2]);
    }, sink);

    std::printf("%zu date values, %zu date texts\n", values.size(), texts.size());
    Report("PhaseOfDate", phase, phaseReference);
    Report("DateValueOfText", parse, parseReference);
    std::printf("(checksum %g)\n", sink);
}
