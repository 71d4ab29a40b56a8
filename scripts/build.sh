#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then configures and builds one of the presets in CMakePresets.json
# into build/<preset>: release (the program alone; the default), dev (with the tests, warnings
# as errors), asan, fuzz, packager, or a Windows one. "windows" builds the Windows program for
# both architectures (windows-x86_64 and windows-i686): each its menivor.exe, MSI and zip. "web"
# makes the web page: menivor.html (one file) and the site folder with its zip.
# Progress goes to the terminal.
# usage: build.sh [preset]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-release}
case "$preset" in
    windows) presets=(windows-x86_64 windows-i686) ;;
    release | dev | asan | fuzz | packager | windows-x86_64 | windows-i686 | windows-dev | windows-i686-dev | web | web-dev)
        presets=("$preset") ;;
    *) echo "build: unknown preset '$preset' (release, dev, asan, fuzz, packager, windows or web)" >&2; exit 2 ;;
esac
bash "$root/scripts/setup.sh"
cd "$root"
for preset in "${presets[@]}"; do
    echo "build: configuring build/$preset"
    cmake --preset "$preset" >/dev/null
    echo "build: building build/$preset"
    cmake --build --preset "$preset"
    if [[ $preset == windows-* ]]; then
        echo "build: made $(cd "build/$preset/app/windows" && ls menivor.exe menivor-*.msi menivor-*.zip |
            sed "s|^|build/$preset/app/windows/|" | tr '\n' ' ')"
    elif [[ $preset == web* ]]; then
        echo "build: made build/$preset/app/web/menivor.html, build/$preset/app/web/site/ and" \
            "build/$preset/app/web/menivor-web-$(bash "$root/scripts/version.sh").zip"
    fi
done
