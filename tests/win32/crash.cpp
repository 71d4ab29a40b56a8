// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program that crashes at once with an unhandled integer division by zero, as Wine's own
// wineboot did under a clock that stood still: the Wine tests check with it that a crash ends the
// Wine session and the test at once, with a clear message. Raised rather than divided, which the
// compiler may optimise away.

#include <windows.h>

int main()
{
    RaiseException(EXCEPTION_INT_DIVIDE_BY_ZERO, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    return 0;
}
