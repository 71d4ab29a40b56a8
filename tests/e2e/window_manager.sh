#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under a window manager (openbox, on the private X server of
# scripts/with-xvfb.sh, screen 800x600): the window is centred as a whole, its frame included,
# once the window manager has framed it.
# usage: window_manager.sh <menivor executable>
set -euo pipefail
exe=$1
unset QT_QPA_PLATFORM
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
pid=
trap '[[ -n $pid ]] && kill $pid 2>/dev/null; kill $wm 2>/dev/null; wait 2>/dev/null || true' EXIT
# The window manager has finished starting before the program starts: it announces itself
# (_NET_SUPPORTING_WM_CHECK) before it manages windows, and a window mapped in between stays
# unmanaged. Its client list and its theme are set last.
deadline=$((SECONDS + 20))
until xprop -root _NET_CLIENT_LIST_STACKING _OB_THEME 2>/dev/null | grep -q '_OB_THEME(UTF8_STRING)'; do
    ((SECONDS < deadline)) || { echo "FAIL: openbox did not start"; exit 1; }
    sleep 0.1
done
"$exe" &
pid=$!
# A fresh search each time: one that runs while the window manager reparents the window can miss
# it for good (xdotool's own --sync waits then).
deadline=$((SECONDS + 30))
until wid=$(xdotool search --onlyvisible --class menivor 2>/dev/null | head -n 1) && [[ -n $wid ]]; do
    if ((SECONDS >= deadline)); then
        echo "FAIL: no window"; xwininfo -root -tree | grep -iE "menivor|children" | head; ps -o pid,stat,wchan:20,cmd -p $pid
        echo "0 passed, 1 failed"; exit 1
    fi
    sleep 0.1
done

# frame <window>: the frame's left, top, width and height from the client's place and the
# frame extents (left, right, top, bottom) that the window manager announces.
frame() {
    local extents info x y w h
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    [[ -n $extents ]] || return 1
    IFS=, read -r left right top bottom <<<"$extents"
    # xwininfo gives the client's place on the screen (xdotool's is off under a reparenting
    # window manager).
    info=$(xwininfo -id "$1")
    x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
    w=$(awk '/^ *Width:/ {print $NF}' <<<"$info")
    h=$(awk '/^ *Height:/ {print $NF}' <<<"$info")
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}
centred() { # the frame's centre within a pixel of the screen's (400, 300)
    local f
    f=$(frame "$wid") || return 1
    read -r fx fy fw fh <<<"$f"
    (( (2 * fx + fw - 800) ** 2 <= 4 && (2 * fy + fh - 600) ** 2 <= 4 ))
}
deadline=$((SECONDS + 15))
until centred; do
    if ((SECONDS >= deadline)); then
        echo "FAIL: the framed window is not centred: frame $(frame "$wid" || echo unknown) on 800x600"
        echo "0 passed, 1 failed"
        exit 1
    fi
    sleep 0.1
done
echo "PASS: the window is centred with its frame: $(frame "$wid")"
echo "1 passed, 0 failed"
