#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The core (phase/, window/) and its tests include no header of a toolkit: they build with any
# C++20 compiler, with nothing on the include path but the project and doctest.
# usage: toolkit_free.sh <source folder>
set -euo pipefail
cd "$1"
source tests/testkit.sh
found=$(grep -rlE '#include <(Q|windows\.h|win|emscripten)' phase window tests/core || true)
check "no toolkit header in phase/, window/ or tests/core/${found:+: $found}" test -z "$found"
finish
