#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# usage: artgen_reproduces_assets.sh <menivor_artgen> <assets folder>
set -euo pipefail
artgen=$1 assets=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/a" "$work/b"
QT_QPA_PLATFORM=offscreen "$artgen" "$work/a"
QT_QPA_PLATFORM=offscreen "$artgen" "$work/b"
status=0
for file in "$work"/a/*; do
    name=$(basename "$file")
    cmp -s "$file" "$work/b/$name" || { echo "FAIL: $name differs between two runs"; status=1; }
    cmp -s "$file" "$assets/$name" || { echo "FAIL: assets/$name is not what the generator draws"; status=1; }
done
[[ $status == 0 ]] && echo "PASS: $(ls "$work/a" | wc -l) pictures reproduced byte for byte"
exit $status
