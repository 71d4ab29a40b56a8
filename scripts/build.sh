#!/usr/bin/env bash
# Configures and builds into build/<flavour> (flavour "release" by default, or "asan").
# Prints the build folder on its last line.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
flavour=${1:-release}
case "$flavour" in
    release) options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    asan)    options=(-DCMAKE_BUILD_TYPE=Debug -DMENIVOR_SANITIZE=ON) ;;
    *) echo "build: unknown flavour '$flavour' (release or asan)" >&2; exit 2 ;;
esac
bash "$root/scripts/setup.sh"
dir="$root/build/$flavour"
cmake -S "$root" -B "$dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$dir" -j2 >&2
echo "$dir"
