// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/skycheck/meeus.h"

#include <cmath>

namespace skycheck {

namespace {

constexpr double Degrees = M_PI / 180;

double Sin(double degrees) { return std::sin(degrees * Degrees); }
double Cos(double degrees) { return std::cos(degrees * Degrees); }

} // namespace

double TruePhaseJde(int lunation, Principal phase)
{
    const double k = lunation + 0.25 * int(phase);
    const double T = k / 1236.85; // Julian centuries from J2000.0
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    // The mean phase.
    double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T3
               + 0.00000000073 * T4;
    const double E = 1 - 0.002516 * T - 0.0000074 * T2; // the eccentricity of the Earth's orbit
    const double M = 2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3; // Sun's anomaly
    const double Mm = 201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3
                    - 0.000000058 * T4; // the Moon's mean anomaly
    const double F = 160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3
                   + 0.000000011 * T4; // the Moon's argument of latitude
    const double Om = 124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3; // the node

    double c = 0; // periodic terms, days
    switch (phase) {
    case Principal::NewMoon:
    case Principal::FullMoon: {
        const bool full = phase == Principal::FullMoon;
        c = (full ? -0.40614 : -0.40720) * Sin(Mm) + (full ? 0.17302 : 0.17241) * E * Sin(M)
          + (full ? 0.01614 : 0.01608) * Sin(2 * Mm) + (full ? 0.01043 : 0.01039) * Sin(2 * F)
          + (full ? 0.00734 : 0.00739) * E * Sin(Mm - M) - (full ? 0.00515 : 0.00514) * E * Sin(Mm + M)
          + (full ? 0.00209 : 0.00208) * E * E * Sin(2 * M) - 0.00111 * Sin(Mm - 2 * F)
          - 0.00057 * Sin(Mm + 2 * F) + 0.00056 * E * Sin(2 * Mm + M) - 0.00042 * Sin(3 * Mm)
          + 0.00042 * E * Sin(M + 2 * F) + 0.00038 * E * Sin(M - 2 * F) - 0.00024 * E * Sin(2 * Mm - M)
          - 0.00017 * Sin(Om) - 0.00007 * Sin(Mm + 2 * M) + 0.00004 * Sin(2 * Mm - 2 * F)
          + 0.00004 * Sin(3 * M) + 0.00003 * Sin(Mm + M - 2 * F) + 0.00003 * Sin(2 * Mm + 2 * F)
          - 0.00003 * Sin(Mm + M + 2 * F) + 0.00003 * Sin(Mm - M + 2 * F) - 0.00002 * Sin(Mm - M - 2 * F)
          - 0.00002 * Sin(3 * Mm + M) + 0.00002 * Sin(4 * Mm);
        break;
    }
    case Principal::FirstQuarter:
    case Principal::LastQuarter: {
        c = -0.62801 * Sin(Mm) + 0.17172 * E * Sin(M) - 0.01183 * E * Sin(Mm + M) + 0.00862 * Sin(2 * Mm)
          + 0.00804 * Sin(2 * F) + 0.00454 * E * Sin(Mm - M) + 0.00204 * E * E * Sin(2 * M)
          - 0.00180 * Sin(Mm - 2 * F) - 0.00070 * Sin(Mm + 2 * F) - 0.00040 * Sin(3 * Mm)
          - 0.00034 * E * Sin(2 * Mm - M) + 0.00032 * E * Sin(M + 2 * F) + 0.00032 * E * Sin(M - 2 * F)
          - 0.00028 * E * E * Sin(Mm + 2 * M) + 0.00027 * E * Sin(2 * Mm + M) - 0.00017 * Sin(Om)
          - 0.00005 * Sin(Mm - M - 2 * F) + 0.00004 * Sin(2 * Mm + 2 * F) - 0.00004 * Sin(Mm + M + 2 * F)
          + 0.00004 * Sin(Mm - 2 * M) + 0.00003 * Sin(Mm + M - 2 * F) + 0.00003 * Sin(3 * M)
          + 0.00002 * Sin(2 * Mm - 2 * F) + 0.00002 * Sin(Mm - M + 2 * F) - 0.00002 * Sin(3 * Mm + M);
        const double W = 0.00306 - 0.00038 * E * Cos(M) + 0.00026 * Cos(Mm) - 0.00002 * Cos(Mm - M)
                       + 0.00002 * Cos(Mm + M) + 0.00002 * Cos(2 * F);
        c += phase == Principal::FirstQuarter ? W : -W;
        break;
    }
    }
    jde += c;

    // The planetary arguments, the same for every phase.
    const double A[14] = {
        299.77 + 0.107408 * k - 0.009173 * T2, 251.88 + 0.016321 * k, 251.83 + 26.651886 * k,
        349.42 + 36.412478 * k, 84.66 + 18.206239 * k, 141.74 + 53.303771 * k,
        207.14 + 2.453732 * k, 154.84 + 7.306860 * k, 34.52 + 27.261239 * k,
        207.19 + 0.121824 * k, 291.34 + 1.844379 * k, 161.72 + 24.198154 * k,
        239.56 + 25.513099 * k, 331.55 + 3.592518 * k,
    };
    const double amplitude[14] = {0.000325, 0.000165, 0.000164, 0.000126, 0.000110, 0.000062, 0.000060,
                                  0.000056, 0.000047, 0.000042, 0.000040, 0.000037, 0.000035, 0.000023};
    for (int i = 0; i < 14; ++i)
        jde += amplitude[i] * Sin(A[i]);
    return jde;
}

double DeltaTSeconds(double year)
{
    if (year < 1986) {
        const double t = year - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (year < 2005) {
        const double t = year - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4)
             + 0.00002373599 * std::pow(t, 5);
    }
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

double TruePhaseJdUt(int lunation, Principal phase)
{
    const double jde = TruePhaseJde(lunation, phase);
    const double year = 2000 + (jde - 2451544.5) / 365.25;
    return jde - DeltaTSeconds(year) / 86400;
}

double JulianDayOf(int year, int month, int day)
{
    // Days from 1 January 4713 BC (proleptic Julian) at noon; 00:00 is half a day earlier.
    const int a = (14 - month) / 12;
    const int y = year + 4800 - a;
    const int m = month + 12 * a - 3;
    const int jdn = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return jdn - 0.5;
}

} // namespace skycheck
