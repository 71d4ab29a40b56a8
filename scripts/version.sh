#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints Menivor's version, the one that project() in the top CMakeLists.txt gives: every script
# that names a versioned file takes it from here, so that a new version is one edit.
set -euo pipefail
version=$(sed -n 's/^project(menivor VERSION \([0-9.]*\)[ )].*/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt")
[[ -n $version ]] || { echo "version: no 'project(menivor VERSION ...)' in CMakeLists.txt" >&2; exit 1; }
echo "$version"
