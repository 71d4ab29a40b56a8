#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reproducible builds: builds what Menivor ships twice, in two clean build trees in two folders,
# one after the other, and compares every file byte for byte: the .deb (release preset), and for
# each Windows architecture menivor.exe, its MSI and its zip, and the web page (menivor.html, the
# site's index.html and program, and the site's zip). Each file that differs is named,
# with the offset of its first differing byte. Warnings are errors in these builds too.
# usage: check-reproducible.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tests/testkit.sh"
bash "$root/scripts/setup.sh" >/dev/null
cd "$root"
base=$root/build/reproducible
rm -rf "$base"

build() { # build <tree>: the shipped files into <base>/<tree>/<preset>
    local preset dir
    for preset in release windows-x86_64 windows-i686 web; do
        dir=$base/$1/$preset
        echo "reproducible: building $preset in $dir"
        cmake --preset "$preset" -B "$dir" -DMENIVOR_WERROR=ON >/dev/null
        cmake --build "$dir" >"$base/$1-$preset.log" 2>&1 || { cat "$base/$1-$preset.log"; exit 1; }
    done
    (cd "$base/$1/release" && cpack -G DEB >/dev/null)
}
build one
build two

same() { # same <file under each tree>
    local difference
    if difference=$(cmp "$base/one/$1" "$base/two/$1" 2>&1); then
        return 0
    fi
    echo "  $1 differs: ${difference#*: }"
    return 1
}
for file in release/menivor_1.00_amd64.deb \
    windows-x86_64/app/windows/{menivor.exe,menivor-1.00-x64.msi,menivor-1.00-x64.zip} \
    windows-i686/app/windows/{menivor.exe,menivor-1.00-x86.msi,menivor-1.00-x86.zip} \
    web/app/web/{menivor.html,site/index.html,site/menivor.wasm,site/sw.js,menivor-web-1.00.zip}; do
    check "two builds give the same ${file##*/}" same "$file"
done
finish
