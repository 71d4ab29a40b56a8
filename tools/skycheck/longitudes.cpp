// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/skycheck/longitudes.h"

#include "tools/skycheck/meeus.h"

#include <cmath>
#include <cstdlib>

namespace skycheck {

namespace {

constexpr double Degrees = M_PI / 180;

double Sin(double degrees) { return std::sin(degrees * Degrees); }

double Normalised(double degrees) // to 0 <= value < 360
{
    const double value = std::fmod(degrees, 360.0);
    return value < 0 ? value + 360 : value;
}

// One periodic term of the Moon's longitude: multiples of the arguments D, M, M' and F, and the
// amplitude in millionths of a degree.
struct Term {
    signed char d, m, mm, f;
    int amplitude;
};

// Meeus' table 47.A, the longitude column, every term.
constexpr Term MoonTerms[] = {
    {0, 0, 1, 0, 6288774}, {2, 0, -1, 0, 1274027}, {2, 0, 0, 0, 658314}, {0, 0, 2, 0, 213618},
    {0, 1, 0, 0, -185116}, {0, 0, 0, 2, -114332},  {2, 0, -2, 0, 58793},  {2, -1, -1, 0, 57066},
    {2, 0, 1, 0, 53322},   {2, -1, 0, 0, 45758},   {0, 1, -1, 0, -40923}, {1, 0, 0, 0, -34720},
    {0, 1, 1, 0, -30383},  {2, 0, 0, -2, 15327},   {0, 0, 1, 2, -12528},  {0, 0, 1, -2, 10980},
    {4, 0, -1, 0, 10675},  {0, 0, 3, 0, 10034},    {4, 0, -2, 0, 8548},   {2, 1, -1, 0, -7888},
    {2, 1, 0, 0, -6766},   {1, 0, -1, 0, -5163},   {1, 1, 0, 0, 4987},    {2, -1, 1, 0, 4036},
    {2, 0, 2, 0, 3994},    {4, 0, 0, 0, 3861},     {2, 0, -3, 0, 3665},   {0, 1, -2, 0, -2689},
    {2, 0, -1, 2, -2602},  {2, -1, -2, 0, 2390},   {1, 0, 1, 0, -2348},   {2, -2, 0, 0, 2236},
    {0, 1, 2, 0, -2120},   {0, 2, 0, 0, -2069},    {2, -2, -1, 0, 2048},  {2, 0, 1, -2, -1773},
    {2, 0, 0, 2, -1595},   {4, -1, -1, 0, 1215},   {0, 0, 2, 2, -1110},   {3, 0, -1, 0, -892},
    {2, 1, 1, 0, -810},    {4, -1, -2, 0, 759},    {0, 2, -1, 0, -713},   {2, 2, -1, 0, -700},
    {2, 1, -2, 0, 691},    {2, -1, 0, -2, 596},    {4, 0, 1, 0, 549},     {0, 0, 4, 0, 537},
    {4, -1, 0, 0, 520},    {1, 0, -2, 0, -487},    {2, 1, 0, -2, -399},   {0, 0, 2, -2, -381},
    {1, 1, 1, 0, 351},     {3, 0, -2, 0, -340},    {4, 0, -3, 0, 330},    {2, -1, 2, 0, 327},
    {0, 2, 1, 0, -323},    {1, 1, -1, 0, 299},     {2, 0, 3, 0, 294},
};

} // namespace

double CenturiesSinceJ2000(double jde)
{
    return (jde - 2451545.0) / 36525;
}

double MoonLongitude(double jde)
{
    const double T = CenturiesSinceJ2000(jde);
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    const double Lp = 218.3164477 + 481267.88123421 * T - 0.0015786 * T2 + T3 / 538841 - T4 / 65194000;
    const double D = 297.8501921 + 445267.1114034 * T - 0.0018819 * T2 + T3 / 545868 - T4 / 113065000;
    const double M = 357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000;
    const double Mm = 134.9633964 + 477198.8675055 * T + 0.0087414 * T2 + T3 / 69699 - T4 / 14712000;
    const double F = 93.2720950 + 483202.0175233 * T - 0.0036539 * T2 - T3 / 3526000 + T4 / 863310000;
    const double A1 = 119.75 + 131.849 * T; // Venus
    const double A2 = 53.09 + 479264.290 * T; // Jupiter
    const double E = 1 - 0.002516 * T - 0.0000074 * T2; // the Earth's orbit's shrinking eccentricity

    double sum = 0; // millionths of a degree
    for (const Term& term : MoonTerms) {
        const double eccentricity = std::abs(term.m) == 2 ? E * E : std::abs(term.m) == 1 ? E : 1;
        sum += term.amplitude * eccentricity * Sin(term.d * D + term.m * M + term.mm * Mm + term.f * F);
    }
    sum += 3958 * Sin(A1) + 1962 * Sin(Lp - F) + 318 * Sin(A2);
    return Normalised(Lp + sum / 1e6);
}

double SunLongitude(double jde)
{
    const double T = CenturiesSinceJ2000(jde);
    const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T; // mean longitude
    const double M = 357.52911 + 35999.05029 * T - 0.0001537 * T * T;  // mean anomaly
    const double C = (1.914602 - 0.004817 * T - 0.000014 * T * T) * Sin(M)
                   + (0.019993 - 0.000101 * T) * Sin(2 * M) + 0.000289 * Sin(3 * M); // centre
    constexpr double Aberration = 0.00569; // degrees, 20.5 arc seconds
    return Normalised(L0 + C - Aberration);
}

double PhaseAngleAt(double jdUt)
{
    const double year = 2000 + (jdUt - 2451544.5) / 365.25;
    const double jde = jdUt + DeltaTSeconds(year) / 86400;
    return Normalised(MoonLongitude(jde) - SunLongitude(jde));
}

int EighthOfPhaseAngle(double degrees)
{
    return int(std::floor(degrees / 45 + 0.5)) % 8;
}

} // namespace skycheck
