#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# 32-bit Wine for the 32-bit program's tests, from a Debian 12 i386 root of the project's own:
# no i386 package is ever installed on this machine, whose package architectures stay as they are.
# The root lives under the system cache and is kept between runs; it is made anew when the list
# of its packages below changes. Where this machine's kernel runs no i386 programs, they run
# through qemu's user-mode emulator, registered with binfmt_misc for i386 programs (flag F: the
# emulator is opened once, so it serves inside the root too); where it does, nothing is registered.
#   wine32.sh <command...>   runs the command (a test run) with 32-bit Wine at hand: inside a
#                            mount and PID namespace of its own, where the root has a /proc,
#                            /dev, a fresh /tmp with this machine's X sockets, and the
#                            repository at its own path; every mount and process of it ends
#                            with the command, also when it fails. wine.sh finds the root in
#                            MENIVOR_WINE32_ROOT and runs Wine there.
# Its first line says how i386 programs run here: "natively" or "emulated".
# (It runs itself inside the namespace as "wine32.sh inside <command...>".)
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=/var/cache/menivor
root=$cache/wine32-bookworm
# wine32-preloader is only a Recommends of wine32, but without it every Wine process spends about
# a minute reserving its memory under emulation. The X libraries and fonts are the ones that the
# 64-bit Wine of the tests has on this machine, so that both draw the window alike.
packages="wine wine32 wine32-preloader procps fonts-liberation2 libxrender1 libxrandr2 libxi6"
packages+=" libxcursor1 libxinerama1 libxcomposite1 libxfixes3"
i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
i386_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

fail() { echo "wine32: $*" >&2; exit 1; }

# An i386 program of a few bytes that exits with 0: whether this kernel runs it, natively or
# through a registered emulator.
runs_i386() {
    local probe=$cache/i386-probe
    if [[ ! -x $probe ]]; then
        echo 'void _start(void) { __asm__ volatile("movl $1, %eax\n\txorl %ebx, %ebx\n\tint $0x80"); }' |
            gcc -m32 -nostdlib -static -ffreestanding -x c -o "$probe" - || fail "gcc cannot make an i386 program (-m32)"
    fi
    "$probe" 2>/dev/null
}

# The i386 emulator: Debian 13's (qemu 10). Debian 12's qemu 7.2 runs Wine's processes unreliably
# (segmentation faults in its helpers, a crashing wineserver, "stack smashing detected"), so the
# emulator is unpacked from Debian 13's qemu-user package, fetched from this machine's own mirror
# with apt (the archive's signature checked) into the cache; nothing is installed.
emulator() {
    local qemu=$cache/qemu-i386 apt=$cache/apt opts uri
    [[ -x $qemu ]] && return 0
    echo "wine32: fetching the i386 emulator from Debian 13's qemu-user package"
    uri=$(bash "$repo/scripts/fresh-debian.sh" --mirror)
    rm -rf "$apt" && mkdir -p "$apt/lists/partial"
    echo "deb $uri trixie main" >"$apt/sources.list"
    opts=(-q -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=- -o Dir::State::Lists="$apt/lists"
          -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
    apt-get "${opts[@]}" update >/dev/null && (cd "$apt" && apt-get "${opts[@]}" download qemu-user >/dev/null) ||
        fail "Debian 13's qemu-user could not be fetched from $uri"
    dpkg-deb --fsys-tarfile "$apt"/qemu-user_*.deb | tar -x -O ./usr/bin/qemu-i386 >"$qemu.new"
    chmod +x "$qemu.new" && mv "$qemu.new" "$qemu"
    rm -rf "$apt"
}

# Says how i386 programs run here; registers the emulator for them when the kernel cannot.
i386_programs() {
    local binfmt=/proc/sys/fs/binfmt_misc
    if [[ ! -e $binfmt/menivor-i386 ]] && runs_i386; then echo "wine32: i386 programs run natively"; return; fi
    if [[ ! -e $binfmt/menivor-i386 ]]; then
        emulator
        [[ -e $binfmt/register ]] || mount -t binfmt_misc binfmt_misc "$binfmt" ||
            fail "this kernel has no binfmt_misc: i386 programs cannot run here"
        echo ":menivor-i386:M::$i386_magic:$i386_mask:$cache/qemu-i386:F" >"$binfmt/register"
    fi
    local interpreter
    interpreter=$(sed -n 's/^interpreter //p' "$binfmt/menivor-i386")
    runs_i386 || fail "i386 programs do not run, even through $interpreter"
    echo "wine32: i386 programs run emulated ($interpreter, $("$interpreter" --version | head -n 1))"
}

# The root, made by debootstrap (marked by <root>.base), then Wine installed (<root>.packages
# holds the package list): an interrupted install is taken up again, a changed list starts anew.
make_root() {
    local base=$root.base stamp=$root.packages log=$cache/wine32-bookworm.log uri
    [[ -f $stamp && $(cat "$stamp") == "$packages" ]] && return 0
    if [[ -f $stamp || ! -f $base ]]; then
        echo "wine32: making the i386 root $root (debootstrap, then Wine; a few minutes)"
        uri=$(bash "$repo/scripts/fresh-debian.sh" --mirror)
        rm -rf --one-file-system "$root" "$base" "$stamp"
        debootstrap --arch=i386 --variant=minbase bookworm "$root" "$uri" >"$log" 2>&1 || {
            tail -n 20 "$log"; fail "debootstrap of the i386 root failed (log: $log)"; }
        touch "$base"
    fi
    echo "wine32: installing Wine in the i386 root"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    unshare --mount --propagation private --pid --fork --kill-child bash -c '
        mount -t proc proc "$1/proc" && chroot "$1" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
            DEBIAN_FRONTEND=noninteractive bash -c "apt-get update -q && apt-get install -y -q --no-install-recommends $2 && apt-get clean"
    ' - "$root" "$packages" >>"$log" 2>&1 || { tail -n 20 "$log"; fail "Wine could not be installed in the i386 root (log: $log)"; }
    echo "$packages" >"$stamp"
}

# The wall clock shifted by MENIVOR_CLOCK_SHIFT seconds, for 32-bit programs (see
# tests/win32/shifted_clock.c), built into the root; prints its path there.
clock_library() {
    local library=/usr/local/lib/menivor-shifted-clock.so source=$repo/tests/win32/shifted_clock.c
    [[ -f $root$library && $root$library -nt $source ]] ||
        gcc -m32 -shared -fPIC -nostdlib -ffreestanding -O2 -Wall -Wextra -Werror -o "$root$library" "$source"
    echo "$library"
}

inside() {
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t tmpfs tmpfs "$root/tmp"
    mkdir -p /tmp/.X11-unix "$root/tmp/.X11-unix" "$root$repo"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    mount --bind "$repo" "$root$repo"
    # This machine's time zone and resolver (the root has no time zone data of its own).
    rm -f "$root/etc/localtime" && cp -L /etc/localtime "$root/etc/localtime"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    export MENIVOR_WINE32_ROOT=$root
    "$@"
}

[[ ${1:-} == inside ]] && { shift; inside "$@"; exit; }
(($#)) || fail "usage: wine32.sh <command...>"
((EUID == 0)) || fail "run as root: the i386 root is made with debootstrap and entered with chroot"
mkdir -p "$cache"
i386_programs
make_root
export MENIVOR_WINE32_CLOCK
MENIVOR_WINE32_CLOCK=$(clock_library)
exec unshare --mount --propagation private --pid --fork --kill-child --mount-proc bash "$0" inside "$@"
