#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then configures and builds one of the presets in CMakePresets.json
# into build/<preset>: release (the program alone; the default), dev (with the tests, warnings
# as errors), asan, fuzz or packager. Progress goes to the terminal.
# usage: build.sh [preset]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-release}
case "$preset" in
    release | dev | asan | fuzz | packager) ;;
    *) echo "build: unknown preset '$preset' (release, dev, asan, fuzz or packager)" >&2; exit 2 ;;
esac
bash "$root/scripts/setup.sh"
cd "$root"
echo "build: configuring build/$preset"
cmake --preset "$preset" >/dev/null
echo "build: building build/$preset"
cmake --build --preset "$preset"
