#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages listed in debian-packages.txt that are not installed yet, generates
# the locales the tests run under, and installs the browser tests' npm packages at the versions
# that tests/web/package-lock.json pins. Does nothing (and needs no network) when all is present.
# Debian 12 (bookworm) and Debian 13 (trixie).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

missing=()
while read -r pkg _; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done < "$here/debian-packages.txt"

# The locales that the locale-matrix tests run under.
locales=(bg_BG.UTF-8 de_DE.UTF-8 ar_EG.UTF-8)
missing_locales=()
for name in "${locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${name%.UTF-8}.utf8" || missing_locales+=("$name")
done

# npm: Debian's, unless the machine has one already (a newer Node.js with its own npm).
command -v npm >/dev/null || missing+=(npm)
web_tests=$here/../tests/web
npm_ready() { [[ -f $web_tests/node_modules/.package-lock.json && ! $web_tests/package-lock.json -nt $web_tests/node_modules/.package-lock.json ]]; }

if ((${#missing[@]} + ${#missing_locales[@]} == 0)) && npm_ready; then
    echo "setup: every package and locale is present"
    exit 0
fi

sudo=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "setup: run as root to install: ${missing[*]} ${missing_locales[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
if ((${#missing[@]} > 0)); then
    echo "setup: installing ${#missing[@]} Debian packages: ${missing[*]}"
    # On a desktop's first boot, unattended upgrades may hold the package manager's lock for a
    # while: wait for it (up to 10 minutes) rather than fail.
    apt=(apt-get -o DPkg::Lock::Timeout=600 -o APT::Color=0)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
fi
if ((${#missing_locales[@]} > 0)); then
    echo "setup: generating the locales ${missing_locales[*]}"
    for name in "${missing_locales[@]}"; do
        grep -qx "$name UTF-8" /etc/locale.gen || echo "$name UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    done
    "${sudo[@]}" locale-gen
fi
if ! npm_ready; then
    echo "setup: installing the browser tests' npm packages (tests/web/package-lock.json)"
    (cd "$web_tests" && npm ci --no-audit --no-fund)
fi
echo "setup: done"
