#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the project the ways its users and packagers do, each with warnings made errors so that
# any warning fails the check (their own builds never turn warnings into errors):
#   release   cmake -DCMAKE_BUILD_TYPE=Release, tests included (-O3)
#   packager  Debian's flags from dpkg-buildflags, -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF;
#             it must build nothing but the program and what is installed with it
#   default   cmake with no options at all
#   core      the toolkit-neutral core (phase/ and window/) and
#             its tests with plain g++, no CMake and no Qt or Windows header on the include path
# usage: check-builds.sh [release|packager|default|core]...   (all four by default)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"
kinds=("$@")
((${#kinds[@]})) || kinds=(release packager default core)
for kind in "${kinds[@]}"; do
    dir="$root/build/check-$kind"
    rm -rf "$dir"
    echo "== $kind build in $dir"
    if [[ $kind == core ]]; then
        cd "$root"
        if grep -rlE '#include <(Q|windows\.h|win|emscripten)' phase window tests/core; then
            echo "FAIL: the files above include a toolkit header"; exit 1
        fi
        mkdir -p "$dir"
        g++ -std=c++20 -O2 -ffp-contract=off -Wall -Wextra -Wpedantic -Werror -I. -isystem /usr/include/doctest \
            phase/*.cpp window/*.cpp tests/core/*.cpp -o "$dir/core_tests"
        "$dir/core_tests"
        echo "PASS: core build with plain g++, no toolkit"
        continue
    fi
    case "$kind" in
        release) cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMENIVOR_WERROR=ON >/dev/null ;;
        default) cmake -S "$root" -B "$dir" -G Ninja -DMENIVOR_WERROR=ON >/dev/null ;;
        packager)
            env CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS)" CPPFLAGS="$(dpkg-buildflags --get CPPFLAGS)" \
                LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
                cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
                      -DMENIVOR_WERROR=ON >/dev/null ;;
        *) echo "check-builds: unknown build '$kind'" >&2; exit 2 ;;
    esac
    cmake --build "$dir"
    if [[ $kind == packager ]]; then
        # Only the program and what is installed with it: no test, benchmark or tool.
        built=$(cd "$dir" && find . -type f -executable -not -path '*/CMakeFiles/*' | sort)
        if [[ $built != "./app/menivor" ]]; then
            echo "FAIL: the packager's build made more than the program:"; echo "$built"; exit 1
        fi
    fi
    echo "PASS: $kind build, no warning"
done
