#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X server (run under scripts/with-xvfb.sh, screen 800x600): it opens centred at
# 464 x 424 with fixed-size hints, shows the phase of the faked day, a mouse pick plus a click on
# "Изчисли" changes the picture as expected, and so on a matrix of start dates.
# usage: real_window.sh <menivor executable> <assets folder>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../testkit.sh"
exe=$1 assets=$2
unset QT_QPA_PLATFORM
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" # libfaketime preloads before ASan
work=$(mktemp -d)
pid=
# libfaketime is preloaded into the program itself, so that $pid is the program's: the faketime
# wrapper would run it as a child (signalling the wrapper leaves the program and its window
# behind, to take the next start's clicks), and a wrapper that is killed leaves its semaphore in
# /dev/shm, which a later wrapper with the same process id then fails to create.
libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n 1)
stop() {
    [[ -n $pid ]] || return 0
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
    local deadline=$((SECONDS + 10))
    while xdotool search --onlyvisible --class menivor >/dev/null 2>&1; do
        ((SECONDS < deadline)) || { echo "FAIL: the program's window outlived it"; exit 1; }
        sleep 0.1
    done
}
trap 'stop; rm -rf "$work"' EXIT

start_on() { # start_on <faked time> [time zone]: starts the program, sets wid, X, Y, WIDTH, HEIGHT
    stop
    # The wall clock stands still at that instant (a start at 23:59:59 cannot slip past midnight
    # on a busy machine); the monotonic clock that Qt's timers use runs on.
    TZ=${2:-${TZ:-UTC}} FAKETIME="$1" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD="$libfaketime" "$exe" &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --all --pid "$pid" --class menivor | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$wid")"
}

# How far the display's picture (inside its 2-pixel frame) is from an asset, as a normalised RMSE.
distance_to() { # distance_to <asset>
    local width
    width=$(identify -format %w "$assets/$1")
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${width}x55+$((X + 346))+$((Y + 218))" +repage "$work/display.png"
    compare -metric RMSE "$work/display.png" "$assets/$1" null: 2>&1 | sed -E 's/.*\((.*)\).*/\1/'
}
shows() { # shows <asset>: the display becomes that picture (within 15 s), and it is no other phase
    local other deadline=$((SECONDS + 15))
    other=$( [[ $1 == phase0.jpg ]] && echo phase4.jpg || echo phase0.jpg )
    until awk -v d="$(distance_to "$1")" 'BEGIN { exit !(d < 0.03) }'; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
    awk -v d="$(distance_to "$other")" 'BEGIN { exit !(d > 0.05) }'
}

start_on "2014-09-09 12:00:00"
check "window is 464 x 424" test "$WIDTH x $HEIGHT" = "464 x 424"
check "window is centred on the 800 x 600 screen" test "$X,$Y" = "168,88"
hints=$(xprop -id "$wid" WM_NORMAL_HINTS)
check "minimum size hint 464 by 424" grep -q "minimum size: 464 by 424" <<<"$hints"
check "maximum size hint 464 by 424" grep -q "maximum size: 464 by 424" <<<"$hints"
check "9 September 2014 opens on the full moon" shows phase4.jpg

# Pick day 1 with the mouse (click into the day list, Home, click the first entry), then press
# the button: 1 September 2014 is first quarter.
xdotool mousemove --window "$wid" 300 100 click 1
xdotool key --window "$wid" Home
sleep 1 # the list scrolls to its top
xdotool mousemove --window "$wid" 300 66 click 1
xdotool mousemove --window "$wid" 416 192 click 1
check "9-1-2014 after a pick and a press shows the first quarter" shows phase2.jpg

start_on "2014-09-24 08:00:00"
check "24 September 2014 opens on the new moon" shows phase0.jpg

# The date matrix: the program opens on the local date's phase (also outside the lists' years),
# and "Изчисли" then shows the phase of the date the lists hold. The faked time is local time; at
# the edges of a day, time zones far from UTC tell the local date from UTC's.
date_case() { # date_case <faked time> <picture at start> <lists' date> <picture after the press> [zone]
    start_on "$1" "${5:-}"
    check "$1${5:+ in $5} opens on its phase" shows "$2"
    xdotool mousemove --window "$wid" 416 192 click 1
    check "$1${5:+ in $5}, Изчисли on $3" shows "$4"
}
date_case "1979-12-31 23:59:59" phase3.jpg 12-31-1980 phase6.jpg Pacific/Pago_Pago # UTC: 1 January 1980
date_case "1980-01-01 00:00:00" phase4.jpg 1-1-1980 phase4.jpg Asia/Tokyo # UTC: 31 December 1979
date_case "2016-02-29 12:00:00" phase6.jpg 2-29-2016 phase6.jpg
date_case "2079-12-31 23:59:59" phase2.jpg 12-31-2079 phase2.jpg
date_case "2080-02-29 12:00:00" phase2.jpg 2-28-2079 phase7.jpg
date_case "2100-01-01 12:00:00" phase5.jpg 1-1-2079 phase0.jpg

finish
