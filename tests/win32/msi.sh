#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The MSI as a school's IT installs it: msiexec /i /qn puts the program into Program Files with a
# Start-menu shortcut „Фази на Луната“, the shortcut starts the program, and msiexec /x /qn takes
# everything away again. Under Wine (run under scripts/with-xvfb.sh).
# usage: msi.sh <wine prefix> <menivor-...-x64.msi or -x86.msi> <inspect.exe>
set -euo pipefail
prefix=$1 msi=$2 inspector=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../testkit.sh"
wine=(bash "$here/wine.sh" "$prefix")
trap '"${wine[@]}" --stop' EXIT
rm -f "$prefix.crash"
program="$prefix/drive_c/Program Files/Menivor/menivor.exe"
shortcuts() { find "$prefix/drive_c" -name 'Фази на Луната.lnk' 2>/dev/null; }
installed() { [[ -f $program && -n $(shortcuts) ]]; }
removed() { [[ ! -e $program && -z $(shortcuts) ]]; }

"${wine[@]}" msiexec /x "$msi" /qn >/dev/null 2>&1 || true # a leftover of an interrupted run
within 60 removed
"${wine[@]}" msiexec /i "$msi" /qn
# msiexec may return before the installation has finished: wait for its result, bounded.
check "msiexec /i /qn installs the program into Program Files" within 60 test -f "$program"
check "... with the Start-menu shortcut „Фази на Луната“" within 60 installed
check "... the very program that was packed" cmp -s "$program" "$(dirname "$msi")/menivor.exe"
uninstalls() { "${wine[@]}" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'; }
check "... registered as version 1.0.0 for removal" grep -q "DisplayVersion.*1\.0\.0" <<<"$(uninstalls)"
# A package rebuilt from the same source is the same file (scripts/check-reproducible.sh), with
# the same product code: Windows Installer takes it for the product already installed.
"${wine[@]}" msiexec /i "$msi" /qn
check "the same package again: still one Menivor installed" test "$(grep -c "DisplayVersion.*1\.0\.0" <<<"$(uninstalls)")" = 1

lnk=$(shortcuts | head -n 1)
"${wine[@]}" start /unix "$lnk" >/dev/null 2>&1
state=$("${wine[@]}" "$inspector" 60 2>/dev/null) || true
check "the shortcut starts the program" grep -qx "client=464x424" <<<"$state"
"${wine[@]}" --stop

"${wine[@]}" msiexec /x "$msi" /qn
check "msiexec /x /qn removes the program and its shortcut" within 60 removed
check "... and the Menivor folder" within 30 test ! -e "$(dirname "$program")"
[[ ! -s $prefix.crash ]] || check "no Windows process crashed: $(cat "$prefix.crash")" false
finish
