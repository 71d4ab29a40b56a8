#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every benchmark, printing figures (none of them fails on a slow machine):
# the phase model's ns per call, start-up to the first frame and peak memory beside a bare Qt
# window (wall clock over many runs, and instruction counts, which do not depend on the load),
# and Calculate's press-to-repaint latency. Start-up and latency run on a private Xvfb.
# "bench.sh windows [runs]" measures the Windows program instead: start-up to the first frame
# and peak working set beside a bare Win32 window, under 64-bit Wine on a private Xvfb.
# "bench.sh web [runs]" measures the web page's first visit in Chromium and Firefox: time and
# requests to the first result beside a bare page, also on an emulated slow network and
# processor, and the bytes of a first visit and of menivor.html.
# usage: bench.sh [windows|web] [runs]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ ${1:-} == web ]]; then
    bash "$root/scripts/build.sh" web
    /usr/bin/python3 "$root/bench/web/first_result.py" "$root/build/web/app/web" "${2:-7}"
    exit 0
fi
if [[ ${1:-} == windows ]]; then
    runs=${2:-20}
    bash "$root/scripts/build.sh" windows-dev
    dir=$root/build/windows-dev
    wine=(bash "$root/tests/win32/wine.sh" "$dir/wine-prefix")
    echo "== Windows start-up under Wine, $runs runs each, wall clock"
    bash "$root/scripts/with-xvfb.sh" -s 1280x1024 "${wine[@]}" --within 1800 --once "$dir/bench/win32/startup_bench.exe" \
        "$dir/app/windows/menivor.exe" "$dir/bench/win32/bare_window.exe" "$runs"
    exit 0
fi
bash "$root/scripts/build.sh" dev
dir=$root/build/dev
runs=${1:-20}
unset QT_QPA_PLATFORM

echo "== phase model"
"$dir/bench/phase_bench"

echo "== start-up, $runs runs each, wall clock"
bash "$root/scripts/with-xvfb.sh" -s 1280x1024 \
    "$dir/bench/startup_bench" "$dir/app/menivor" "$dir/bench/bare_window" "$runs" 2>/dev/null

echo "== start-up, instructions to the first frame (callgrind)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$root/scripts/with-xvfb.sh" -s 1280x1024 bash -c '
    for which in menivor bare text; do
        valgrind --tool=callgrind --callgrind-out-file="$1/$which.out" "$2" "$which" >/dev/null 2>&1
    done' _ "$work" "$dir/bench/first_frame"
count() { callgrind_annotate "$work/$1.out" 2>/dev/null | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'; }
menivor=$(count menivor) bare=$(count bare) text=$(count text)
printf '%-12s %12d instructions\n' menivor "$menivor" "bare window" "$bare" "bare + text" "$text"
awk -v m="$menivor" -v b="$bare" -v t="$text" \
    'BEGIN { printf "ratio to the bare window %.2f x, to bare + text %.2f x\n", m / b, m / t }'

echo "== Calculate"
bash "$root/scripts/with-xvfb.sh" -s 1280x1024 "$dir/bench/calculate_bench" 2>/dev/null
