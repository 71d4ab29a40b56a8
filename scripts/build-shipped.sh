#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what Menivor ships, warnings as errors, each preset in a folder of its own under the
# given one: release (and its .deb), windows-x86_64, windows-i686 and web. A build's output goes
# to <folder>/<preset>.log and is shown only when it fails.
# usage: build-shipped.sh <folder>
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
(($# == 1)) || { echo "usage: build-shipped.sh <folder>" >&2; exit 2; }
base=$1
mkdir -p "$base"
cd "$root"
for preset in release windows-x86_64 windows-i686 web; do
    dir=$base/$preset
    echo "shipped: building $preset in $dir"
    cmake --preset "$preset" -B "$dir" -DMENIVOR_WERROR=ON >/dev/null
    cmake --build "$dir" >"$base/$preset.log" 2>&1 || { cat "$base/$preset.log"; exit 1; }
done
(cd "$base/release" && cpack -G DEB >/dev/null)
