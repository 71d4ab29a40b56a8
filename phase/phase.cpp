// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phase/phase.h"

#include "phase/runtime_error.h"

#include <cmath>
#include <limits>

namespace menivor {

namespace {

[[noreturn]] void ThrowNotADate(std::string_view text)
{
    throw RuntimeError(ErrorKind::TypeMismatch, Quoted(text) + " не е дата във вида М-Д-ГГГГ");
}

// Reads from minDigits to maxDigits ASCII digits at text[pos], moving pos past them.
// Returns -1 when fewer than minDigits are there.
constexpr int ReadDigits(std::string_view text, std::size_t& pos, std::size_t minDigits,
                         std::size_t maxDigits) noexcept
{
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return pos - start < minDigits ? -1 : value;
}

constexpr bool ReadDash(std::string_view text, std::size_t& pos) noexcept
{
    if (pos >= text.size() || text[pos] != '-')
        return false;
    ++pos;
    return true;
}

// A step's result must be a finite number; NaN comes from an invalid operation, infinity from an
// overflow (the divisor is a non-zero constant, so no division by zero can occur).
double Finite(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorKind::FloatingPoint,
                           "стойността " + NumberForMessage(value) + " не е крайно число");
    return value;
}

} // namespace

double DateValueOfText(std::string_view text)
{
    std::size_t pos = 0;
    const int month = ReadDigits(text, pos, 1, 2);
    const bool dash1 = ReadDash(text, pos);
    const int day = ReadDigits(text, pos, 1, 2);
    const bool dash2 = ReadDash(text, pos);
    const int year = ReadDigits(text, pos, 4, 4);
    // The proleptic Gregorian calendar: ok() checks the day against the month's length.
    using namespace std::chrono;
    const year_month_day date{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                              std::chrono::day{unsigned(day)}};
    if (month < 0 || day < 0 || !dash1 || !dash2 || year < 1 || pos != text.size() || !date.ok())
        ThrowNotADate(text);
    return static_cast<double>((sys_days{date} - DateValueEpoch).count());
}

double CycleCountOf(double dateValue)
{
    const double cycles = Finite(dateValue) / SynodicMonthDays + CycleOffset;
    return Finite(cycles);
}

double CycleFractionOf(double cycles)
{
    const double whole = std::floor(Finite(cycles));
    const double fraction = cycles - whole;
    return Finite(fraction);
}

std::int16_t PhaseIndexOfFraction(double fraction)
{
    const double eighths = std::floor(Finite(fraction) * 8 + 0.5);
    if (!(eighths >= std::numeric_limits<std::int32_t>::min()
          && eighths <= std::numeric_limits<std::int32_t>::max()))
        throw RuntimeError(ErrorKind::Overflow, "позицията в цикъла е извън обхвата");
    // k Mod 8 keeps the sign of k, so it always fits in 16 bits.
    return static_cast<std::int16_t>(static_cast<std::int32_t>(eighths) % 8);
}

std::int16_t PhaseOfDate(double dateValue)
{
    return PhaseIndexOfFraction(CycleFractionOf(CycleCountOf(dateValue)));
}

} // namespace menivor
