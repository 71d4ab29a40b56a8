#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A crash under Wine ends everything at once and says so: a program that crashes when run alone,
# and one that crashes while another program of the same Wine session waits (the inspector,
# waiting up to 100 s for a window that never comes): no debugger, no dialog, nothing left
# waiting. Under scripts/with-xvfb.sh.
# usage: crash.sh <wine prefix> <crash.exe> <inspect.exe>
set -euo pipefail
prefix=$1 crash=$2 inspector=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../testkit.sh"
wine=(bash "$here/wine.sh" "$prefix")
work=$(mktemp -d)
trap '"${wine[@]}" --stop; rm -rf "$work"' EXIT
"${wine[@]}" --stop # the prefix exists before the clock starts
rm -f "$prefix.crash"

started=$SECONDS status=0
"${wine[@]}" --once "$crash" 2>"$work/alone" || status=$?
check "a crash alone fails with 70 (got $status)" test "$status" = 70
check "... within 30 s ($((SECONDS - started)) s)" test $((SECONDS - started)) -lt 30
check "... and says so in one line" grep -q "^wine.sh: CRASH in the Wine session of .*: Unhandled division by zero" "$work/alone"
check "... which the test can read" grep -q "Unhandled division by zero" "$prefix.crash"
rm -f "$prefix.crash"

started=$SECONDS
"${wine[@]}" "$inspector" 100 >/dev/null 2>&1 &
waiting=$!
check "the inspector is waiting" within 30 pgrep -f "inspect.exe 100"
"${wine[@]}" "$crash" 2>"$work/beside" || true
check "a crash beside it ends the waiting program too" within 20 bash -c "! kill -0 $waiting 2>/dev/null"
check "... within 60 s of the start ($((SECONDS - started)) s)" test $((SECONDS - started)) -lt 60
check "... and says so" grep -q "^wine.sh: CRASH" "$work/beside"
wait "$waiting" 2>/dev/null || true
rm -f "$prefix.crash"
finish
