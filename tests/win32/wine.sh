#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under 64-bit Wine in a test prefix, made on first use: DPI pinned at 96
# (or at MENIVOR_WINE_DPI, for a prefix of a denser screen),
# Times New Roman standing for Liberation Serif (its metric twin), no menu entries, no Mono or
# Gecko downloads, and no crash dialog waiting for a click: a program that crashes ends.
#   wine.sh <prefix> <program> [arguments...]   runs it (the Wine server stays up)
#   wine.sh <prefix> --once <program> [args...] runs it, then ends the prefix's Wine server
#   wine.sh <prefix> --stop                      ends the prefix's Wine server and every program in it
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
# Wine names Unix files in the locale's encoding: under the POSIX locale (a fresh root login)
# it cannot create a file with a Cyrillic name at all, such as the Start-menu shortcut.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d;mscoree,mshtml="
first() { for candidate; do command -v "$candidate" && return 0; done; return 1; }
wine=$(first wine64 /usr/lib/wine/wine64 wine) || { echo "wine.sh: 64-bit Wine is not installed" >&2; exit 1; }
wineserver=$(first wineserver64 /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver wineserver) ||
    { echo "wine.sh: wineserver is not installed" >&2; exit 1; }

stop() {
    "$wineserver" -k 2>/dev/null || true
    timeout 30 "$wineserver" -w 2>/dev/null || true
}

if [[ ! -f $prefix/system.reg ]]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock -w 300 9
        if [[ ! -f $prefix/system.reg ]]; then
            echo "wine.sh: making the Wine prefix $prefix"
            "$wine" wineboot -i >/dev/null 2>&1
            "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${MENIVOR_WINE_DPI:-96}" /f >/dev/null
            "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
                /d 'Liberation Serif' /f >/dev/null
            stop
        fi
    ) 9>"$prefix.lock"
fi

case "${1:-}" in
--stop) stop ;;
--once)
    shift
    status=0
    "$wine" "$@" || status=$?
    stop
    exit $status
    ;;
*) exec "$wine" "$@" ;;
esac
