#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives an MSI made by wixl its Bulgarian names. wixl writes table strings in Windows-1252 and
# drops what that cannot hold, so the package is made with the ASCII name "Menivor" and here the
# database is switched to the Cyrillic code page (1251) and the product's name and the shortcut's
# name and description are written in Bulgarian.
# usage: bulgarian-names.sh <msi>
set -euo pipefail
msi=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$msi" -i "$work/_ForceCodepage.idt"
mkdir "$work/tables"
# Tables export as tab-separated text, three header lines, rows ending in CR LF.
msiinfo export "$msi" Property |
    awk -F '\t' 'BEGIN { OFS = FS } $1 == "ProductName" { $2 = "Фази на Луната\r" } { print }' \
        >"$work/tables/Property.idt"
msiinfo export "$msi" Shortcut |
    awk -F '\t' 'BEGIN { OFS = FS } $1 == "StartMenu" {
        $3 = "MENIVOR|Фази на Луната"                         # short (8.3) and long file name
        $7 = "Фазата на Луната за дата от 1980 до 2079 г."   # the description
    } { print }' >"$work/tables/Shortcut.idt"
msibuild "$msi" -i "$work/tables/Property.idt"
msibuild "$msi" -i "$work/tables/Shortcut.idt"
# What a user sees must have arrived. (Read whole first: grep -q stops reading at its match,
# and a writer still writing would fail on the closed pipe.)
grep -q $'^ProductName\tФази на Луната\r$' <<<"$(msiinfo export "$msi" Property)"
grep -q $'\tMENIVOR|Фази на Луната\t' <<<"$(msiinfo export "$msi" Shortcut)"
