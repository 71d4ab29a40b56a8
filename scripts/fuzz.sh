#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan on) and runs each for the
# given number of seconds (60 by default), side by side, starting from the seed corpus in
# tests/fuzz/corpus.
# New inputs go to build/fuzz/corpus, never into the repository. Fails on any finding.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
bash "$root/scripts/build.sh" fuzz
dir="$root/build/fuzz"
# Each target on a core of its own, at once.
fuzz() { # fuzz <target>: its log in build/fuzz/<target>.log; fails on a finding
    local target=$1 corpus="$dir/corpus/${1#fuzz_}" status=0
    mkdir -p "$corpus"
    "$dir/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/" \
        "$corpus" "$root/tests/fuzz/corpus/${target#fuzz_}" >"$dir/$target.log" 2>&1 || status=$?
    echo "== $target for ${seconds}s"
    grep -E '^(stat::number_of_executed_units|stat::new_units_added)' "$dir/$target.log" || true
    if ((status != 0)); then
        tail -n 30 "$dir/$target.log"
        echo "FAIL: $target found a fault (the input is in $dir/crash-*)"
        return 1
    fi
}
targets=(fuzz_datevalue fuzz_conversions)
for target in "${targets[@]}"; do fuzz "$target" >"$dir/$target.out" & done
status=0
for job in $(jobs -p); do wait "$job" || status=1; done
for target in "${targets[@]}"; do cat "$dir/$target.out"; done
((status == 0)) || exit 1
echo "fuzzing: no finding"
