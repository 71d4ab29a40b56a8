// SPDX-FileCopyrightText: 2026 The Menivor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tests of the toolkit-neutral core: the phase model, the conversions, the date lists, the
// form's handlers and the layout table. Standard C++ and doctest only: no GUI toolkit.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>
