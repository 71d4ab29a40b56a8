#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds with warnings as errors and runs the whole test suite
# headless, one stage a platform, each built once: the Linux program's, the Windows program's
# (64-bit under Wine; the 32-bit one is built and its executable checked) and the web page's
# (the core's tests under node, the page in Chromium, Firefox and WebKit). Every stage runs even
# when one before it failed; the last line sums them all up. An optional argument picks the
# suite: dev (default, all of that), asan (the Linux program's suite under the sanitizers) or
# i686 (the 32-bit program's suite under 32-bit Wine, emulated where the kernel runs no 32-bit
# code: see scripts/wine32.sh).
# usage: test.sh [dev|asan|i686]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# A stage is <name>:<build preset>[:<test preset>]; runner runs the suite's ctest.
runner=()
case "${1:-dev}" in
    dev) stages=(linux:dev windows-x86_64:windows-dev windows-i686:windows-i686-dev web:web-dev) ;;
    asan) stages=(linux-asan:asan) ;;
    i686) stages=(windows-i686-wine:windows-i686-dev:windows-i686-wine) runner=(bash scripts/wine32.sh) ;;
    *) echo "test: unknown suite '$1' (dev, asan or i686)" >&2; exit 2 ;;
esac
cd "$root"
started=$SECONDS
passed=0 failed=0 results=()

clock() { echo "$(($1 / 60)) min $(($1 % 60)) s"; }

stage() { # stage <name> <build preset> <test preset>: builds, runs the tests, adds up their counts
    local name=$1 preset=$2 tests=$3 begun=$SECONDS log="build/$3-tests.log" counts how
    echo "== test: $name ($preset)"
    if ! bash scripts/build.sh "$preset"; then
        results+=("$name: the build failed")
        failed=$((failed + 1))
        return
    fi
    "${runner[@]}" ctest --preset "$tests" 2>&1 | tee "$log" || true
    # How 32-bit programs ran, as scripts/wine32.sh says: natively or emulated.
    how=$(sed -nE 's/^wine32: i386 programs run ([a-z]+).*/\1/p' "$log")
    # ctest's own summary: "100% tests passed, 0 tests failed out of 57".
    counts=$(sed -nE 's/.* ([0-9]+) tests? failed out of ([0-9]+)$/\1 \2/p' "$log" | tail -n 1)
    if [[ -z $counts ]]; then
        results+=("$name: no test ran")
        failed=$((failed + 1))
        return
    fi
    set -- $counts
    passed=$((passed + $2 - $1)) failed=$((failed + $1))
    results+=("$name $(($2 - $1))/$2 $( (($1)) && echo FAILED || echo passed) in $(clock $((SECONDS - begun)))${how:+, $how}")
}

for entry in "${stages[@]}"; do
    IFS=: read -r name preset tests <<<"$entry"
    stage "$name" "$preset" "${tests:-$preset}"
done
summary=$(IFS=';'; echo "${results[*]}" | sed 's/;/; /g')
echo "test summary: $passed passed, $failed failed, in $(clock $((SECONDS - started))): $summary"
((failed == 0))
