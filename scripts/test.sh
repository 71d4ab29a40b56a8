#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
# An optional argument picks the build flavour: release (default) or asan.
set -euo pipefail
dir=$(bash "$(dirname "${BASH_SOURCE[0]}")/build.sh" "${1:-release}" | tail -n 1)
cd "$dir"
ctest --output-on-failure -j2
