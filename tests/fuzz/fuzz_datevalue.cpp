// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes into the date parser: a value or a type mismatch, nothing else. Whatever it accepts
// names a real date: written back as M-D-YYYY and read again, it gives the same value.

#include "phase/phase.h"
#include "phase/runtime_error.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = menivor::DateValueOfText(text);
    } catch (const menivor::RuntimeError& error) {
        if (error.kind() != menivor::ErrorKind::TypeMismatch)
            __builtin_trap();
        return 0;
    }
    // Accepted: a whole day between 1 January 0001 and 31 December 9999.
    if (value != std::floor(value) || value < -693593 || value > 2958465 || size < 8 || size > 10)
        __builtin_trap();
    using namespace std::chrono;
    const year_month_day date{menivor::DateValueEpoch + days{std::int64_t(value)}};
    char again[32];
    const int length = std::snprintf(again, sizeof again, "%u-%u-%04d", unsigned(date.month()),
                                     unsigned(date.day()), int(date.year()));
    if (menivor::DateValueOfText(std::string_view(again, std::size_t(length))) != value)
        __builtin_trap();
    const int phase = menivor::PhaseOfDate(value);
    if (phase < 0 || phase > 7)
        __builtin_trap();
    return 0;
}
