// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace skycheck {

// The Julian Day (Universal Time) of a whole hour (0 to 23) of a date on the Sofia clock: EET,
// and EEST in summer, with each year's real rules from the tz database (zone Europe/Sofia).
// Throws std::runtime_error when the system has no tz database entry for Sofia.
double SofiaJdUt(int year, int month, int day, int hour);

} // namespace skycheck
