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

# The locales that the locale-matrix tests run under, generated when missing.
locales=(bg_BG.UTF-8 de_DE.UTF-8 ar_EG.UTF-8)
missing_locales=()
for name in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${name%.UTF-8}.utf8" || missing_locales+=("$name")
done

((${#missing[@]} + ${#missing_locales[@]} == 0)) && exit 0

sudo=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "setup: run as root to install: ${missing[*]} ${missing_locales[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
if ((${#missing[@]} > 0)); then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ((${#missing_locales[@]} > 0)); then
    echo "setup: generating the locales ${missing_locales[*]}"
    for name in "${missing_locales[@]}"; do
        grep -qx "$name UTF-8" /etc/locale.gen || echo "$name UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    done
    "${sudo[@]}" locale-gen >/dev/null
fi
