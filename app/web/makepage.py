#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Assembles the web page's two outputs from the compiled program, the style sheet and the
pictures:

- menivor.html: one file with everything inside (program, style, pictures as data addresses),
  to copy to a USB stick or attach to a message and open by double-click;
- site/: the page for a web server (index.html, the program and its .wasm, pictures at 1x and 2x,
  a web app manifest with its icons, a service worker that keeps it working offline), and
  menivor-web-<version>.zip of that folder.

Each page carries a Content-Security-Policy that allows only its own resources. Every output
is the same, byte for byte, for the same inputs (the zip's times are the source's date).

usage: makepage.py <out dir> <site js> <site wasm> <single-file js> <source dir> <assets dir>
                   <version> <source date epoch>
"""
import base64
import hashlib
import json
import os
import shutil
import sys
import time
import zipfile

PICTURES = ["cycle"] + [f"phase{i}" for i in range(8)]
ICONS = ["menivor-192.png", "menivor-512.png"]


def jpeg_size(data):
    """(width, height) from a JPEG's start-of-frame marker."""
    at = 2
    while at + 9 < len(data):
        if data[at] != 0xFF:
            raise ValueError("not a JPEG marker")
        marker = data[at + 1]
        length = int.from_bytes(data[at + 2:at + 4], "big")
        if marker in (0xC0, 0xC1, 0xC2):
            return int.from_bytes(data[at + 7:at + 9], "big"), int.from_bytes(data[at + 5:at + 7], "big")
        at += 2 + length
    raise ValueError("a JPEG without a frame")


def data_address(data, media_type):
    return f"data:{media_type};base64," + base64.b64encode(data).decode("ascii")


def sha256_source(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


def picture_block(table):
    # A data block, not a script: the page never runs it, so the policy need not allow it.
    text = json.dumps(table, separators=(",", ":"), sort_keys=True)
    return f'<script type="application/json" id="menivor-pictures">{text}</script>'


def page(template, policy, head, body):
    return (template.replace("@CSP@", policy).replace("@HEAD@", head).replace("@BODY@", body))


def main(out, site_js, site_wasm, single_js, source, assets, version, epoch):
    read = lambda path: open(path, "rb").read()
    template = open(os.path.join(source, "index.html.in"), encoding="utf-8").read()
    css = open(os.path.join(source, "menivor.css"), encoding="utf-8").read()
    pictures = {}
    for name in PICTURES:
        plain, dense = read(os.path.join(assets, f"{name}.jpg")), read(os.path.join(assets, f"{name}@2x.jpg"))
        width, height = jpeg_size(plain)
        if jpeg_size(dense) != (width * 2, height * 2):
            raise SystemExit(f"makepage: {name}@2x.jpg is not twice the size of {name}.jpg")
        pictures[name] = {"width": width, "height": height, "plain": plain, "dense": dense}

    # The one file: everything inside, allowed by its hash. The program reads its .wasm from a
    # data address inside itself (connect-src data:), which no request leaves the page for.
    program = open(single_js, encoding="utf-8").read()
    icon = data_address(read(os.path.join(assets, "menivor-64.png")), "image/png")
    single_table = {name: {"width": p["width"], "height": p["height"],
                           "plain": data_address(p["plain"], "image/jpeg"),
                           "dense": data_address(p["dense"], "image/jpeg")} for name, p in pictures.items()}
    policy = ("default-src 'none'; script-src " + sha256_source(program) + " 'wasm-unsafe-eval'; style-src "
              + sha256_source(css) + "; img-src data:; connect-src data:; base-uri 'none'; form-action 'none'")
    single = page(template, policy,
                  f'<link rel="icon" href="{icon}">\n<style>{css}</style>',
                  picture_block(single_table) + f"\n<script>{program}</script>")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "menivor.html"), "w", encoding="utf-8", newline="\n") as file:
        file.write(single)

    # The site folder.
    site = os.path.join(out, "site")
    shutil.rmtree(site, ignore_errors=True)
    os.makedirs(os.path.join(site, "pictures"))
    files = {
        "menivor.js": read(site_js),
        "menivor.wasm": read(site_wasm),
        "menivor.css": css.encode("utf-8"),
        "offline.js": read(os.path.join(source, "offline.js")),
        "menivor.webmanifest": read(os.path.join(source, "menivor.webmanifest.in")),
    }
    for icon_name in ICONS:
        files[icon_name] = read(os.path.join(assets, icon_name))
    site_table = {}
    for name, p in pictures.items():
        files[f"pictures/{name}.jpg"], files[f"pictures/{name}@2x.jpg"] = p["plain"], p["dense"]
        site_table[name] = {"width": p["width"], "height": p["height"],
                            "plain": f"pictures/{name}.jpg", "dense": f"pictures/{name}@2x.jpg"}
    policy = ("default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; "
              "connect-src 'self'; manifest-src 'self'; worker-src 'self'; base-uri 'none'; form-action 'none'")
    files["index.html"] = page(template, policy,
                               '<link rel="stylesheet" href="menivor.css">\n'
                               # Fetched with the page, not after its script has run.
                               '<link rel="preload" href="menivor.wasm" as="fetch" crossorigin>\n'
                               '<link rel="manifest" href="menivor.webmanifest">\n'
                               '<link rel="icon" href="menivor-192.png">\n'
                               '<script src="offline.js" defer></script>\n'
                               '<script src="menivor.js" defer></script>',
                               picture_block(site_table)).encode("utf-8")
    # The service worker's cache is named after every file of the release, itself excepted.
    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode("utf-8") + b"\0" + hashlib.sha256(files[name]).digest())
    worker = open(os.path.join(source, "sw.js.in"), encoding="utf-8").read()
    worker = worker.replace("@RELEASE@", f"menivor-{version}-{digest.hexdigest()[:16]}")
    worker = worker.replace("@FILES@", json.dumps(sorted(files)))
    files["sw.js"] = worker.encode("utf-8")
    for name, data in files.items():
        with open(os.path.join(site, name), "wb") as file:
            file.write(data)

    # The zip: sorted names, the source's date, no owner or mode of the build machine.
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]  # a zip's dates start in 1980
    with zipfile.ZipFile(os.path.join(out, f"menivor-web-{version}.zip"), "w") as archive:
        for name in sorted(files):
            entry = zipfile.ZipInfo(f"menivor-web-{version}/{name}", stamp)
            entry.external_attr = 0o644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, files[name], compresslevel=9)


if __name__ == "__main__":
    if len(sys.argv) != 9:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
