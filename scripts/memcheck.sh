#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Qt test executables offscreen under Valgrind memcheck (the core's tests run under ASan;
# their counting operator new confuses memcheck): any invalid read or write, use
# of uninitialised memory, or memory definitely lost fails the run. Builds first if needed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/build.sh" dev
dir=$root/build/dev
export QT_QPA_PLATFORM=offscreen
status=0
for test in qt/tst_listbox qt/tst_window qt/tst_accessibility qt/tst_hidpi; do
    log="$dir/memcheck-$(basename "$test").log"
    extra=()
    [[ $test == qt/tst_hidpi ]] && extra=(env QT_SCALE_FACTOR=2)
    if "${extra[@]}" valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite \
           --show-leak-kinds=definite --num-callers=30 "$dir/tests/$test" >"$log" 2>&1; then
        echo "PASS: memcheck $(basename "$test"): $(grep -o 'ERROR SUMMARY: [0-9]* errors' "$log")"
    else
        echo "FAIL: memcheck $(basename "$test"), see $log"
        grep -E 'Invalid|uninitialised|definitely lost|FAIL!|ERROR:' "$log" | head -n 20
        status=1
    fi
done
exit $status
