// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The true instants of the Moon's principal phases, by the algorithm of J. Meeus, Astronomical
// Algorithms (2nd ed., 1998), chapter 49, with all its periodic and planetary terms. Its error
// against modern lunar theory is well under a minute over 1980-2079.

namespace skycheck {

enum class Principal { NewMoon = 0, FirstQuarter = 1, FullMoon = 2, LastQuarter = 3 };

// Julian Ephemeris Day (Terrestrial Time) of lunation `lunation` (0 is the new moon of
// 6 January 2000; negative before) and the given phase of it.
double TruePhaseJde(int lunation, Principal phase);

// TT - UT in seconds for a decimal year in 1961-2150 (Espenak and Meeus' polynomials).
double DeltaTSeconds(double year);

// The same instant in Universal Time, as a Julian Day.
double TruePhaseJdUt(int lunation, Principal phase);

// Julian Day at 00:00 UT of a Gregorian date.
double JulianDayOf(int year, int month, int day);

} // namespace skycheck
