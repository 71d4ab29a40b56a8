#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a teacher installs: the staged install passes the menu-entry and AppStream validators,
# and the .deb carries the project's version, its dependencies and every installed file.
# usage: install_and_package.sh <build folder> <version>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../testkit.sh"
CHECK_QUIET=1 # a failing validator says why
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
id=example.menivor.Menivor

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
stage=$work/stage/usr
check "the menu entry is valid" desktop-file-validate "$stage/share/applications/$id.desktop"
check "the AppStream data is valid" appstreamcli validate --no-net "$stage/share/metainfo/$id.metainfo.xml"
check "the AppStream data states the licence" \
    grep -q '<project_license>GPL-3.0-or-later AND CC-BY-SA-4.0</project_license>' "$stage/share/metainfo/$id.metainfo.xml"
check "the AppStream release is $version" grep -q "<release version=\"$version\"" "$stage/share/metainfo/$id.metainfo.xml"
check "the menu entry has a Bulgarian name" grep -qx 'Name\[bg\]=Фази на Луната' "$stage/share/applications/$id.desktop"
check "the menu entry is in Education, Science, Astronomy" \
    grep -qx 'Categories=Education;Science;Astronomy;' "$stage/share/applications/$id.desktop"
for size in 32 64 128 256; do
    check "a ${size}x$size icon" test "$(identify -format %wx%h "$stage/share/icons/hicolor/${size}x$size/apps/$id.png")" = "${size}x$size"
done

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/menivor_"$version"_*.deb)
dpkg-deb -I "$deb" >"$work/info"
check "the package's version is $version" grep -qx " Version: $version" "$work/info"
check "the package depends on Qt Widgets and the font" \
    grep -qE '^ Depends: .*fonts-liberation2.*libqt6widgets6' "$work/info"
check "the package is in section education" grep -qx ' Section: education' "$work/info"
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
for file in ./usr/bin/menivor ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/32x32/apps/$id.png ./usr/share/icons/hicolor/256x256/apps/$id.png \
            ./usr/share/doc/menivor/copyright ./usr/share/doc/menivor/changelog.gz \
            ./usr/share/man/man1/menivor.1.gz; do
    check "the package holds $file" grep -qx "$file" "$work/files"
done

copyright=$stage/share/doc/menivor/copyright
# The machine-readable format's header line, as dpkg's own copyright file (Essential) gives it.
format=$(grep -m 1 '^Format: ' /usr/share/doc/dpkg/copyright) ||
    { echo "FAIL: /usr/share/doc/dpkg/copyright has no Format line to compare with"; exit 1; }
check "the copyright file is machine-readable" grep -qxF "$format" "$copyright"
for licence in GPL-3.0-or-later CC-BY-SA-4.0 CC0-1.0; do
    check "the copyright file states $licence" grep -qx "License: $licence" "$copyright"
done
check "the copyright file holds the CC-BY-SA-4.0 text, which Debian does not ship" \
    grep -q '^ Section 1 – Definitions.$' "$copyright"
check "lintian finds no error and no warning in the package" lintian --fail-on error,warning "$deb"

finish
