#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reproducible builds on one machine: builds what Menivor ships twice, in two clean build trees
# in two folders, one after the other, and compares every file byte for byte
# (compare-shipped.sh). Warnings are errors in these builds too. CI checks more: the files built
# on its machine against the same files built in a fresh Debian 12 root (fresh-debian.sh).
# usage: check-reproducible.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh" >/dev/null
cd "$root"
base=$root/build/reproducible
rm -rf "$base"
for tree in one two; do
    bash "$root/scripts/build-shipped.sh" "$base/$tree"
done
bash "$root/scripts/compare-shipped.sh" "$base/one" "$base/two"
