#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with warnings as errors, and runs the whole test suite
# headless: the Linux program's, then the Windows program's (64-bit under Wine; the 32-bit one
# is built and its executable checked), then the web page's (the core's tests under node, the
# page in headless Chromium), then builds what Menivor ships twice and compares the files byte
# for byte. An optional argument picks the build: dev (default, all of that) or asan
# (the Linux program's suite under the sanitizers).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-dev}
case "$preset" in
    dev | asan) ;;
    *) echo "test: unknown build '$preset' (dev or asan)" >&2; exit 2 ;;
esac
bash "$root/scripts/build.sh" "$preset"
cd "$root"
ctest --preset "$preset"
if [[ $preset == dev ]]; then
    for windows in windows-dev windows-i686-dev; do
        bash "$root/scripts/build.sh" "$windows"
        ctest --preset "$windows"
    done
    bash "$root/scripts/build.sh" web-dev
    ctest --preset web-dev
    bash "$root/scripts/check-reproducible.sh"
fi
