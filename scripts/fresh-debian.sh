#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Keeps the README's promise to a newcomer: on a fresh minimal Debian 12 and Debian 13
# (debootstrap --variant=minbase), with nothing but git installed by hand, a clone of this
# repository passes the README's test command run as a fresh root login would (empty
# environment, POSIX locale), builds the packager's build without a warning, the README's web
# page command makes both of the page's outputs, and the README's run command opens the window
# on an X server. The root of this machine's own release also builds what Menivor ships and
# hands the files out to build/fresh-<release>-shipped/, for CI to compare byte for byte with
# the same files built here (compare-shipped.sh): another folder, environment and locale.
# Each release runs in a mount and PID namespace of its own, so that every mount and every
# process it started is gone when it ends, also when it fails; then its root is removed.
#
# "fresh-debian.sh prepare" only makes the roots ahead (debootstrap) and fills their package
# caches with the .deb files that the README's commands will install (apt-get --download-only:
# nothing is installed), for both releases at once: CI runs it in the background while its other
# stages run, so that the downloads do not add to its time. A later run takes a prepared root
# once, and removes it; without one, it makes its own.
# usage: fresh-debian.sh [prepare] [release...]   (bookworm and trixie by default)
#        fresh-debian.sh --mirror   (prints the Debian mirror that this machine's apt uses)
# (The script runs itself inside the namespaces as "fresh-debian.sh inside|download <release>".)
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
self=$repo/scripts/fresh-debian.sh
base=/var/tmp/menivor-fresh
machine_release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")

# The Debian mirror that this machine's apt uses, the archive of its release (a suite with no
# "-security" or "-updates"): from /etc/apt/sources.list.d/*.sources (deb822), else from
# /etc/apt/sources.list.
machine_mirror() {
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '
        /^[ \t]*$/ { if (deb && plain && uri) { print uri; exit } deb = plain = 0; uri = ""; next }
        /^Types:/ { deb = / deb( |$)/ }
        /^URIs:/ { uri = $2 }
        /^Suites:/ { for (i = 2; i <= NF; i++) if ($i !~ /-/) plain = 1 }
        END { if (deb && plain && uri) print uri }'
    [[ -r /etc/apt/sources.list ]] && awk '$1 == "deb" { sub(/\[[^]]*\] */, ""); if ($3 !~ /-/) print $2 }' /etc/apt/sources.list
    true
}

# That mirror, or a clear line and failure when the machine's apt names none.
mirror() {
    local uri
    uri=$(machine_mirror | head -n 1)
    [[ -n $uri ]] || { echo "FAIL: this machine's apt names no Debian mirror (in /etc/apt/sources.list.d/*.sources or /etc/apt/sources.list)" >&2; return 1; }
    echo "$uri"
}

# A root of the release, made by debootstrap, at <base>/<release>; <release>.ready marks one that
# is complete.
make_root() { # make_root <release>
    local release=$1 target="$base/$1" mirror
    [[ -e "$base/$release.ready" ]] && return 0
    mirror=$(mirror)
    rm -rf --one-file-system "$target"
    debootstrap --variant=minbase "$release" "$target" "$mirror" >"$base/$release-debootstrap.log" 2>&1 || {
        tail -n 30 "$base/$release-debootstrap.log"; echo "FAIL: debootstrap $release"; return 1; }
    touch "$base/$release.ready"
}

# Inside the namespaces: downloads, into the root's own package cache, what the README's
# commands will install there.
download() { # download <release>
    local target="$base/$1" packages
    mount -t proc proc "$target/proc"
    cp /etc/resolv.conf "$target/etc/resolv.conf"
    packages=$(grep -v '^#' "$repo/scripts/debian-packages.txt" | awk 'NF { print $1 }' | tr '\n' ' ')
    chroot "$target" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
        bash -c "apt-get update -q && apt-get install -y -q --download-only --no-install-recommends git npm $packages"
}

# Inside the namespaces: mounts what a running system has, then the steps as root.
inside() { # inside <release>
    local release=$1 target="$base/$1" version
    version=$(bash "$repo/scripts/version.sh")
    mount -t proc proc "$target/proc"
    mount -t sysfs sysfs "$target/sys"
    mount --bind /dev "$target/dev"
    mount -t devpts -o newinstance,ptmxmode=0666 devpts "$target/dev/pts"
    mount -t tmpfs tmpfs "$target/dev/shm"
    mkdir -p "$target/mnt/origin"
    mount --bind -o ro "$repo" "$target/mnt/origin"
    # The network as this machine has it: its resolver, and the certificate authorities it adds
    # to Debian's (a proxy of its own, say), which the root's ca-certificates takes in when the
    # README's set-up installs it; without them npm could not reach its registry from here.
    cp /etc/resolv.conf "$target/etc/resolv.conf"
    if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
        mkdir -p "$target/usr/local/share/ca-certificates"
        cp /usr/local/share/ca-certificates/*.crt "$target/usr/local/share/ca-certificates/"
    fi

    # What a fresh root login has: no inherited variables, the POSIX locale, root's home.
    login() { chroot "$target" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash \
                  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
                  /bin/bash -l -c "$1"; }
    step() { echo "== $release: $1"; }

    step "installing git by hand"
    login 'export DEBIAN_FRONTEND=noninteractive; apt-get update -q && apt-get install -y -q --no-install-recommends git'
    login 'git clone -q --no-hardlinks /mnt/origin /root/menivor'
    step "the README's test command"
    login 'cd /root/menivor && bash scripts/test.sh'
    login "cd /root/menivor && ls build/windows-*dev/app/windows/menivor-$version-*.{msi,zip}"
    step "the packager's build, no warning"
    login 'cd /root/menivor && bash scripts/check-builds.sh packager'
    if [[ $release == "$machine_release" ]]; then
        # Built where the README's commands build (build/<preset>), so that the web page and
        # run commands below find their builds made; the other release makes them from nothing.
        step "what Menivor ships, to compare with this machine's build"
        login 'cd /root/menivor && bash scripts/build-shipped.sh build'
    fi
    step "the README's web page command"
    login "cd /root/menivor && bash scripts/build.sh web && ls build/web/app/web/{menivor.html,site/index.html,menivor-web-$version.zip}"
    step "the README's run command, until its window is on the screen"
    login 'cd /root/menivor && bash scripts/with-xvfb.sh bash -c "
        bash scripts/run.sh & run=\$!
        if timeout 900 xdotool search --sync --onlyvisible --class menivor >/dev/null; then
            echo PASS: the window is open; kill \$run
        else
            echo FAIL: no window; kill \$run; exit 1
        fi"'
}

# Runs "fresh-debian.sh <step> <release>" in a mount and PID namespace of its own.
isolated() { # isolated <step> <release>
    unshare --mount --propagation private --pid --fork --kill-child bash "$self" "$1" "$2"
}

case "${1:-}" in
    inside | download) "$1" "$2"; exit ;;
    --mirror) mirror; exit ;;
esac
prepare=
[[ ${1:-} == prepare ]] && { prepare=1; shift; }
releases=("$@")
((${#releases[@]})) || releases=(bookworm trixie)
bash "$repo/scripts/setup.sh" >/dev/null # debootstrap itself
mkdir -p "$base"

if [[ -n $prepare ]]; then
    for release in "${releases[@]}"; do
        (
            make_root "$release"
            isolated download "$release" >"$base/$release-download.log" 2>&1 || {
                tail -n 30 "$base/$release-download.log"; exit 1; }
            echo "== $release: prepared ($(du -sh "$base/$release/var/cache/apt/archives" | cut -f1) of packages downloaded)"
        ) &
    done
    status=0
    for job in $(jobs -p); do wait "$job" || status=1; done
    exit $status
fi

for release in "${releases[@]}"; do
    started=$SECONDS
    target="$base/$release"
    if [[ -e "$base/$release.ready" ]]; then
        echo "== $release: the root made ahead (debootstrap --variant=minbase)"
    else
        echo "== $release: debootstrap --variant=minbase"
    fi
    make_root "$release"
    rm -f "$base/$release.ready" # a root serves one run
    trap 'rm -rf --one-file-system "$target"' EXIT
    isolated inside "$release"
    if [[ $release == "$machine_release" ]]; then
        shipped=$repo/build/fresh-$release-shipped
        rm -rf "$shipped" && mkdir -p "$shipped"
        (cd "$target/root/menivor/build" && cp --parents $(bash "$repo/scripts/compare-shipped.sh" --list) "$shipped/")
        echo "== $release: what Menivor ships, handed out to $shipped"
    fi
    echo "PASS: $release, in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
    rm -rf --one-file-system "$target"
    trap - EXIT
done
