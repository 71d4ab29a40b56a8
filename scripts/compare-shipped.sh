#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares what Menivor ships, as built in two build folders, byte for byte: the .deb (release
# preset), for each Windows architecture menivor.exe, its MSI and its zip, and the web page
# (menivor.html, the site's index.html with the program inside and its service worker, and the
# site's zip). Each file that differs or is missing is named, with the offset of its first
# differing byte.
# usage: compare-shipped.sh <build folder> <build folder>   (each holding release/, web/, ...)
#        compare-shipped.sh --list    (the files' paths under such a folder, one a line)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tests/testkit.sh"
version=$(bash "$root/scripts/version.sh")
shipped=("release/menivor_${version}_amd64.deb"
    windows-x86_64/app/windows/{menivor.exe,"menivor-$version-x64.msi","menivor-$version-x64.zip"}
    windows-i686/app/windows/{menivor.exe,"menivor-$version-x86.msi","menivor-$version-x86.zip"}
    web/app/web/{menivor.html,site/index.html,site/sw.js,"menivor-web-$version.zip"})
if [[ ${1:-} == --list ]]; then
    printf '%s\n' "${shipped[@]}"
    exit 0
fi
(($# == 2)) || { echo "usage: compare-shipped.sh <build folder> <build folder>" >&2; exit 2; }
one=$1 two=$2

same() { # same <file under each folder>
    local difference
    if difference=$(cmp "$one/$1" "$two/$1" 2>&1); then
        return 0
    fi
    echo "  $1 differs: ${difference#*: }"
    return 1
}
for file in "${shipped[@]}"; do
    check "the same ${file##*/}" same "$file"
done
finish
