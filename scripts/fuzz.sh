#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan on) and runs each for the
# given number of seconds (60 by default), starting from the seed corpus in tests/fuzz/corpus.
# New inputs go to build/fuzz/corpus, never into the repository. Fails on any finding.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
bash "$root/scripts/build.sh" fuzz
dir="$root/build/fuzz"
for target in fuzz_datevalue fuzz_conversions; do
    corpus="$dir/corpus/${target#fuzz_}"
    mkdir -p "$corpus"
    echo "== $target for ${seconds}s"
    status=0
    "$dir/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/" \
        "$corpus" "$root/tests/fuzz/corpus/${target#fuzz_}" >"$dir/$target.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::new_units_added)' "$dir/$target.log" || true
    if ((status != 0)); then
        tail -n 30 "$dir/$target.log"
        echo "FAIL: $target found a fault (the input is in $dir/crash-*)"
        exit 1
    fi
done
echo "fuzzing: no finding"
