#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs menivor.exe into the MSI and the portable zip, the same bytes for the same source on
# every build: the packed files are copies dated to the source's date, the packers run on a
# clock that stands at that date (wixl and msibuild write the time into the MSI's summary), and
# the MSI's package code is the one given rather than a random one.
# usage: pack.sh <menivor.exe> <menivor.wxs> <menivor.ico> <out.msi> <out.zip> <arch: x64|x86>
#                <version> <source date, seconds since 1970> <package code>
set -euo pipefail
exe=$1 wxs=$2 ico=$3 msi=$(realpath -m "$4") zip=$(realpath -m "$5") arch=$6 version=$7 epoch=$8 code=$9
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$wxs" "$ico" "$stage/"
touch -d "@$epoch" "$stage"/*
# Every date in UTC.
export TZ=UTC
at=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
# wixl and msibuild see a clock that stands at the source's date (libfaketime's absolute form;
# its faketime command would start a clock there that runs on), and the files' own times.
libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n 1)
mkdir "$stage/bin"
for tool in wixl msibuild; do
    printf '#!/bin/sh\nexec env LD_PRELOAD=%s FAKETIME="%s" NO_FAKE_STAT=1 %s "$@"\n' \
        "$libfaketime" "$at" "$(command -v "$tool")" >"$stage/bin/$tool"
    chmod +x "$stage/bin/$tool"
done
export PATH=$stage/bin:$PATH
rm -f "$msi" "$zip"
# wixl takes the files it packs by paths relative to where it runs.
(cd "$stage" && wixl --arch "$arch" -o "$msi" "$(basename "$wxs")")
bash "$here/bulgarian-names.sh" "$msi"
# The summary's template names the platform as Windows Installer does: "Intel" for 32-bit
# packages (an "x86" package is refused as not for this processor, error 1633), "x64" for 64-bit.
platform=$arch
[[ $arch == x86 ]] && platform=Intel
msibuild "$msi" -s "Menivor $version" "The Menivor developers" "$platform;1033" "{$code}"
(cd "$stage" && zip -q -X "$zip" "$(basename "$exe")")
