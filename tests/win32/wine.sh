#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under 64-bit Wine (32-bit Wine in the i386 root that MENIVOR_WINE32_ROOT
# names, see scripts/wine32.sh) in a test prefix, made on first use: DPI pinned at 96
# (or at MENIVOR_WINE_DPI, for a prefix of a denser screen),
# Times New Roman standing for Liberation Serif (its metric twin), no menu entries, no Mono or
# Gecko downloads.
#   wine.sh <prefix> [--within S] [--clock T] <program> [arguments...]
#                                runs it (the Wine server stays up)
#   wine.sh <prefix> [--within S] [--clock T] --once <program> [args...]
#                                runs it, then ends the Wine server
#   wine.sh <prefix> --stop                                  ends the prefix's Wine server and
#                                                            every program in it
# Every call is bounded: a program still running after S seconds (120 by default) is ended,
# with its Wine session, and the call fails with 124.
# --clock "YYYY-MM-DD hh:mm:ss" fakes the local wall clock for Wine and the program (libfaketime,
# preloaded into Wine alone): it starts at that instant and runs on. A clock that stood still
# would crash Wine's own start-up where it measures the processor's clock (wineboot divides by
# the time a Sleep(1) took); the monotonic clock that Wine's timers use is not faked.
# A crash ends everything at once: Wine reports any Windows process's unhandled exception on
# standard error ("wine: Unhandled page fault at address ..."), whichever process of the
# session it was (a program, or Wine's own wineboot). No debugger starts and no dialog waits;
# this script ends the session's Wine server, so that nothing waits on the dead process, says so
# in a line that starts with "wine.sh: CRASH", appends that line to <prefix>.crash for the test
# to report (see crashed below), and fails with 70.
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
# Wine names Unix files in the locale's encoding: under the POSIX locale (a fresh root login)
# it cannot create a file with a Cyrillic name at all, such as the Start-menu shortcut.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree,mshtml="
first() { for candidate; do command -v "$candidate" && return 0; done; return 1; }
if [[ -n ${MENIVOR_WINE32_ROOT:-} ]]; then
    # 32-bit Wine, in the i386 root that scripts/wine32.sh runs the tests with: the prefix, the
    # programs and the X server's sockets are at the same paths in there.
    launch=(chroot "$MENIVOR_WINE32_ROOT" /usr/bin/env HOME=/root)
    wine=/usr/lib/wine/wine wineserver=/usr/lib/wine/wineserver
else
    launch=(env)
    wine=$(first wine64 /usr/lib/wine/wine64 wine) || { echo "wine.sh: 64-bit Wine is not installed" >&2; exit 1; }
    wineserver=$(first wineserver64 /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver wineserver) ||
        { echo "wine.sh: wineserver is not installed" >&2; exit 1; }
fi
crashes=$prefix.crash
pipes=$(mktemp -d)
trap 'rm -rf "$pipes"' EXIT

stop() {
    "${launch[@]}" "$wineserver" -k 2>/dev/null || true
    timeout 30 "${launch[@]}" "$wineserver" -w 2>/dev/null || true
    # A Wine process caught starting while its server was ended starts a server anew: end every
    # process still running in this prefix, so that nothing outlives the session.
    local environ pids=()
    for environ in /proc/[0-9]*/environ; do
        grep -qzx "WINEPREFIX=$prefix" "$environ" 2>/dev/null && pids+=("$(basename "$(dirname "$environ")")")
    done
    ((${#pids[@]} == 0)) || kill -9 "${pids[@]}" 2>/dev/null || true
}

# Copies Wine's standard error; a crash report in it ends the session at once.
watch_for_crashes() {
    local line
    while IFS= read -r line; do
        printf '%s\n' "$line" >&2
        if [[ $line == *"wine: Unhandled"* ]]; then
            printf 'wine.sh: CRASH in the Wine session of %s: %s\n' "$prefix" "${line#*wine: }" | tee -a "$crashes" >&2
            "${launch[@]}" "$wineserver" -k 2>/dev/null || true
        fi
    done
}

crash_count() { if [[ -f $crashes ]]; then wc -l <"$crashes"; else echo 0; fi; }
crashes_before=$(crash_count)
crashed() { (($(crash_count) > crashes_before)); }

watcher=
run() { # run <seconds> <wine arguments...>: Wine's status, or 124 when it ran over time
    local seconds=$1 status=0 started=$SECONDS
    shift
    # The watcher reads for as long as any process of the session holds standard error open.
    local pipe=$pipes/$RANDOM$RANDOM
    mkfifo "$pipe"
    watch_for_crashes <"$pipe" >/dev/null & # its own standard output would hold a caller's $(...) open
    watcher=$!
    timeout --kill-after=10 "$seconds" "${launch[@]}" "${clock[@]}" "$wine" "$@" 2>"$pipe" || status=$?
    rm -f "$pipe"
    # 137: killed, by --kill-after past the limit, or by the end of the session (--stop)
    if ((status == 124 || (status == 137 && SECONDS - started >= seconds))); then
        echo "wine.sh: '$*' did not end within $seconds s; its Wine session is ended" >&2
        stop
        return 124
    fi
    return "$status"
}

# Ends the session and lets the watcher read the last of it; fails if anything crashed.
end_session() {
    local deadline=$((SECONDS + 10))
    stop
    while [[ -n $watcher ]] && kill -0 "$watcher" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
    ! crashed
}

seconds=120 clock=()
while [[ ${1:-} == --within || ${1:-} == --clock ]]; do
    case $1 in
    --within) seconds=$2 ;;
    --clock)
        if [[ -n ${MENIVOR_WINE32_ROOT:-} ]]; then
            # i386 libfaketime does not wrap the 64-bit time calls of 32-bit Wine: a library of
            # the tests' own shifts the wall clock alone, by as much as the time asked for is
            # ahead of now (the same local time zone in the root as here).
            clock=(MENIVOR_CLOCK_SHIFT=$(($(date -d "$2" +%s) - $(date +%s))) LD_PRELOAD="$MENIVOR_WINE32_CLOCK")
        else
            libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n 1)
            clock=(FAKETIME="@$2" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD="$libfaketime")
        fi
        ;;
    esac
    shift 2
done

if [[ ! -f $prefix/system.reg ]]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock -w 300 9
        if [[ ! -f $prefix/system.reg ]]; then
            echo "wine.sh: making the Wine prefix $prefix"
            # A prefix that could not be made whole is removed, so that the next call makes it anew.
            trap 'rm -rf "$prefix"' ERR
            run 300 wineboot -i >/dev/null
            run 60 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${MENIVOR_WINE_DPI:-96}" /f >/dev/null
            run 60 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
                /d 'Liberation Serif' /f >/dev/null
            end_session || { rm -rf "$prefix"; exit 70; }
            trap - ERR
        fi
    ) 9>"$prefix.lock"
fi

case "${1:-}" in
--stop) stop ;;
--once)
    shift
    status=0
    run "$seconds" "$@" || status=$?
    end_session || exit 70
    exit $status
    ;;
*)
    status=0
    run "$seconds" "$@" || status=$?
    ! crashed || exit 70
    exit $status
    ;;
esac
