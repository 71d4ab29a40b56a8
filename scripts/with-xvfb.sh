#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private Xvfb server: with-xvfb.sh [-s WIDTHxHEIGHT] command...
# The server picks an unused display itself (-displayfd), so that runs side by side never
# collide on a display number as xvfb-run -a can. -noreset: an X server otherwise resets when
# its last client leaves, refusing connections for a moment (the accessibility bus launcher
# connects and leaves just as the program starts).
set -euo pipefail
size=800x600
if [[ ${1:-} == -s ]]; then size=$2; shift 2; fi
work=$(mktemp -d)
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$work"' EXIT
if ! read -r -t 20 number <"$work/display"; then
    echo "with-xvfb: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$number"
unset QT_QPA_PLATFORM
"$@"
