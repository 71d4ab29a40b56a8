#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with warnings as errors, and runs the whole test suite
# headless. An optional argument picks the build: dev (default) or asan.
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
