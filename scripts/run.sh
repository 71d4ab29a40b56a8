#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
dir=$(bash "$(dirname "${BASH_SOURCE[0]}")/build.sh" release | tail -n 1)
exec "$dir/app/menivor"
