#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real menivor.exe under Wine on a real X server (run under scripts/with-xvfb.sh,
# screen 800x600), on faked dates: it opens centred at 464 x 424 on the day's phase; a mouse pick
# plus a click on "Изчисли", and a keyboard-only pick plus Space, show the right date text,
# picture and description. The test-only inspector reads the window back (WM_GETTEXT and the list
# messages); the display's picture is compared with the assets on a screenshot.
# usage: e2e.sh <wine prefix> <menivor.exe> <inspect.exe> <assets folder>
set -euo pipefail
prefix=$1 exe=$2 inspector=$3 assets=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../testkit.sh"
wine=(bash "$here/wine.sh" "$prefix")
work=$(mktemp -d)
rm -f "$prefix.crash"
pid=
stop() {
    "${wine[@]}" --stop
    [[ -z $pid ]] || wait "$pid" 2>/dev/null || true
    pid=
}
trap 'stop; rm -rf "$work"' EXIT

# The program's state as the inspector reads it; value <name> picks one line of it. A crash in
# the Wine session (wine.sh has ended it) ends the test at once.
inspect() {
    state=$("${wine[@]}" --within $((${1:-30} + 30)) "$inspector" "${1:-30}" 2>/dev/null) || true
    if [[ -s $prefix.crash ]]; then
        check "no Windows process crashed: $(cat "$prefix.crash")" false
        finish
    fi
}
value() { sed -n "s/^$1=//p" <<<"$state" | head -n 1; }
centre_of() { # centre_of <control>: its client area's centre on the screen, "x y"
    local x y w h
    IFS=, read -r x y w h <<<"$(value "$1.rect")"
    echo "$((x + w / 2)) $((y + h / 2))"
}

start_on() { # start_on <faked time>: a fresh Wine server and program, both on that clock
    stop
    # The faked clock runs on from that instant (see wine.sh); every start is at noon, hours from
    # the next day.
    "${wine[@]}" --within 150 --clock "$1" "$exe" &
    pid=$!
    inspect 60
    [[ $(value client) == 464x424 ]] || { echo "FAIL: no window on $1 ($state)"; failures=$((failures + 1)); }
}

# Which phase picture the display shows: the nearest asset by normalised RMSE, and how near.
shown_phase() {
    local x y w h best=9 phase distance nearest=1
    IFS=, read -r x y w h <<<"$(value 'Picture1(9).rect')"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$work/display.png"
    for phase in 0 1 2 3 4 5 6 7; do
        [[ $(identify -format %w "$assets/phase$phase.jpg") == "$w" ]] || continue
        distance=$(compare -metric RMSE "$work/display.png" "$assets/phase$phase.jpg" null: 2>&1 | sed -E 's/.*\((.*)\).*/\1/')
        if awk -v d="$distance" -v n="$nearest" 'BEGIN { exit !(d < n) }'; then nearest=$distance best=$phase; fi
    done
    awk -v n="$nearest" 'BEGIN { exit !(n < 0.05) }' && echo "$best" || echo none
}
shows() { # shows <phase 0-7> <its name>: within 15 s the display shows it, by picture and by name
    local deadline=$((SECONDS + 15))
    until [[ $(shown_phase) == "$1" && $(value 'Picture1(9).text') == "$2" ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.3
        inspect
    done
}
becomes() { # becomes <name> <value>: the inspector reads that value within 15 s
    local deadline=$((SECONDS + 15))
    until [[ $(value "$1") == "$2" ]]; do
        ((SECONDS < deadline)) || { echo "  $1 is '$(value "$1")'"; return 1; }
        sleep 0.2
        inspect
    done
}
reads() { becomes "$1.text" "$2"; } # reads <control> <text>
press() { # press: a click on "Изчисли"
    xdotool mousemove $(centre_of Command1) click 1
}

start_on "2014-09-09 12:00:00"
check "the window opens with a 464 x 424 client area" test "$(value client)" = 464x424
check "the caption" test "$(value caption)" = "https://menivor.example Астрономия - лунен месец, фази"
IFS=, read -r wx wy ww wh <<<"$(value windowRect)"
IFS=, read -r ax ay aw ah <<<"$(value workArea)"
check "centred on the screen, frame included" test "$((wx - ax)),$((wy - ay))" = "$(((aw - ww) / 2)),$(((ah - wh) / 2))"
check "the focus starts in the description" test "$(value focus)" = "Text1(0)"
check "the date box shows one line, the description wraps" test "$(value Text2.lines)/$(value 'Text1(0).lines')" = one/wrapped
check "the date box holds today, 09-09-2014" test "$(value Text2.text)" = 09-09-2014
check "the lists hold 9, 9, 2014" test "$(value 'List1(0).selected')/$(value 'List1(1).selected')/$(value 'List1(2).selected')" = 9/9/2014
check "the description box holds the reading text" grep -q '^Text1(0).text=Луната е единствения естествен спътник' <<<"$state"
check "no hidden control is a window" test "$(value 'Picture1(1).rect')$(value 'Text1(1).rect')" = ""
check "9 September 2014 opens on the full moon" shows 4 "Пълнолуние"

# The mouse: scroll the day list to its top with the wheel, click day 1, click the button.
read -r lx ly <<<"$(centre_of 'List1(0)')"
xdotool mousemove "$lx" "$ly" click --repeat 12 4
IFS=, read -r x y w h <<<"$(value 'List1(0).rect')"
check "the wheel scrolls the day list to its top" becomes 'List1(0).top' 0
xdotool mousemove $((x + 10)) $((y + $(value 'List1(0).itemHeight') / 2)) click 1
check "a click picks day 1" becomes 'List1(0).selected' 1
press
check "Изчисли after a mouse pick: the date text 9-1-2014" reads Text2 9-1-2014
check "... the first quarter's description" reads 'Text1(0)' "Нарастване - дясна осветена част първа четвърт"
check "... the first quarter's picture" shows 2 "Първа четвърт"

# The keyboard alone: from the date box, Tab to the month list, Down (October), Tab, Down (2015),
# back to the button with Shift+Tab, Space. A month pick leaves no day picked: the press takes
# day 1. With no window manager to activate the window, a click into the read-only date box does.
start_on "2014-09-09 12:00:00"
xdotool mousemove $(centre_of Text2) click 1
check "a click activates the window in the date box" becomes focus Text2
xdotool key --delay 100 Tab Tab Tab Down Tab Down shift+Tab shift+Tab shift+Tab
inspect
check "Tab and Shift+Tab reach the button" test "$(value focus)" = Command1
check "the keys picked October 2015 and no day" \
    test "$(value 'List1(1).selected')/$(value 'List1(2).selected')/$(value 'List1(0).selected')" = 10/2015/
xdotool key space
check "Space on the button: the date text 10-1-2015" reads Text2 10-1-2015
check "... the waning gibbous description" reads 'Text1(0)' "Намаляване - полупълна, лява осветена част, три четвърти видими"
check "... the waning gibbous picture" shows 5 "Намаляваща Луна"

# The date matrix: the phase of the local date at start (also outside the lists' years), and of
# the date the lists then hold after a click on the button.
date_case() { # date_case <faked time> <phase at start> <its name> <lists' date> <phase after> <its name>
    start_on "$1"
    check "$1 opens on ${3}" shows "$2" "$3"
    press
    check "$1, Изчисли on $4" reads Text2 "$4"
    check "$1, Изчисли shows ${6}" shows "$5" "$6"
}
date_case "2014-09-24 12:00:00" 0 "Новолуние" 9-24-2014 0 "Новолуние"
date_case "1979-12-31 12:00:00" 3 "Нарастваща Луна" 12-31-1980 6 "Последна четвърт"
date_case "2016-02-29 12:00:00" 6 "Последна четвърт" 2-29-2016 6 "Последна четвърт"
date_case "2100-01-01 12:00:00" 5 "Намаляваща Луна" 1-1-2079 0 "Новолуние"

finish
