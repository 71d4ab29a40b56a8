// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the Moon and the Sun stand on the ecliptic, by J. Meeus, Astronomical Algorithms
// (2nd ed., 1998): the Moon from chapter 47 (all periodic terms of its longitude table, about
// 10 arc seconds), the Sun from chapter 25's low-accuracy method (0.01 degree). Enough for the
// Moon-Sun phase angle to a few hundredths of a degree. Times are Julian Ephemeris Days
// (Terrestrial Time) unless a name says UT.

namespace skycheck {

// Julian centuries of 36525 days since J2000.0 (JDE 2451545.0).
double CenturiesSinceJ2000(double jde);

// The Moon's geocentric ecliptic longitude, referred to the mean equinox of the date, in
// degrees, 0 to below 360. Nutation is left out: it moves the Sun's longitude alike.
double MoonLongitude(double jde);

// The Sun's geocentric longitude as seen (aberration included), referred to the mean equinox of
// the date, in degrees, 0 to below 360. Nutation is left out as for the Moon.
double SunLongitude(double jde);

// The Moon-Sun phase angle at a Universal Time: the excess of the Moon's longitude over the
// Sun's, in degrees, 0 to below 360; 0 new moon, 90 first quarter, 180 full, 270 last quarter.
double PhaseAngleAt(double jdUt);

// The phase angle's eighth of the cycle: the nearest of the eight phase points, 0 to 7.
int EighthOfPhaseAngle(double degrees);

} // namespace skycheck
