#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The executable as Windows will see it: the machine it is for, a GUI program, only Windows'
# own DLLs imported (no MinGW or C++ runtime beside it), the project's version in its version record, a Bulgarian
# description, the icon with a 32x32 image in 256 colours, the manifest, and under 1 MiB.
# usage: pe_check.sh <menivor.exe> <x86_64|i686> <objdump> <version>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../testkit.sh"
exe=$1 arch=$2 objdump=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$objdump" -p "$exe" >"$work/headers"
case "$arch" in
    x86_64) format=pei-x86-64 ;;
    i686) format=pei-i386 ;;
    *) echo "pe_check: unknown architecture $arch" >&2; exit 2 ;;
esac
check "a $format file" grep -q "file format $format" "$work/headers"
check "a Windows GUI program" grep -qE "^Subsystem[[:space:]]+0+2[[:space:]]+\(Windows GUI\)" "$work/headers"
# Windows' own DLLs, by name; anything else (libstdc++-6.dll, libgcc_s_*.dll, libwinpthread-1.dll)
# would have to be shipped beside the program.
sed -n 's/^\tDLL Name: //p' "$work/headers" | tr '[:upper:]' '[:lower:]' | sort -u >"$work/imports"
echo "imports: $(tr '\n' ' ' <"$work/imports")"
check "imports only Windows' own DLLs" \
    test -z "$(grep -vxE 'kernel32\.dll|user32\.dll|gdi32\.dll|comctl32\.dll|ole32\.dll|oleaut32\.dll|msvcrt\.dll|advapi32\.dll' "$work/imports")"
size=$(stat -c %s "$exe")
check "under 1 MiB ($size bytes)" test "$size" -lt 1048576

wrestool -l "$exe" >"$work/resources"
check "an icon group" grep -q -- "--type=14" "$work/resources"
check "a manifest" grep -q -- "--type=24" "$work/resources"
check "the nine pictures, each drawn twice" test "$(grep -c -- "--type=10 " "$work/resources")" = 18
wrestool -x --type=14 "$exe" >"$work/group.ico"
icotool -l "$work/group.ico" >"$work/icons" 2>/dev/null || true
check "a 32x32 icon in 256 colours" grep -qE -- "--width=32 --height=32 --bit-depth=8" "$work/icons"
check "larger icons, up to 256x256" grep -q -- "--width=256 --height=256" "$work/icons"
wrestool -x --raw --type=16 "$exe" >"$work/version"
text=$(iconv -f UTF-16LE -t UTF-8 "$work/version" 2>/dev/null | tr -d '\0' || true)
check "file version $version" grep -q "FileVersion$version" <<<"$text"
check "product version $version" grep -q "ProductVersion$version" <<<"$text"
check "product name Menivor" grep -q "ProductNameMenivor" <<<"$text"
check "a Bulgarian file description" grep -q "FileDescriptionФази на Луната" <<<"$text"
finish
