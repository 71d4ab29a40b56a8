#!/usr/bin/env bash
# Installs the Debian packages listed in debian-packages.txt that are not installed yet.
# Does nothing (and needs no network) when all of them are present.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

missing=()
while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done < "$here/debian-packages.txt"

((${#missing[@]} == 0)) && exit 0

echo "setup: installing ${missing[*]}"
sudo=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "setup: run as root to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
