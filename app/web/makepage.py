#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Assembles the web page's two outputs from the compiled program, the style sheet and the
pictures:

- menivor.html: one file with everything inside (program, style, pictures as data addresses),
  to copy to a USB stick or attach to a message and open by double-click;
- site/: the page for a web server: an index.html that carries the program, its style and the
  pictures at 1x itself (a first visit takes one round trip), the pictures drawn at twice the
  size for dense screens, a web app manifest with its icons, a service worker that keeps it
  working offline; and menivor-web-<version>.zip of that folder.

Each page carries a Content-Security-Policy that allows only its own resources. Every output
is the same, byte for byte, for the same inputs (the zip's times are the source's date).

usage: makepage.py <out dir> <program js, its .wasm beside it> <fallback js> <source dir> <assets dir>
                   <version> <source date epoch> <theme colour: red,green,blue> <picture name>...
"""
import base64
import collections
import hashlib
import json
import os
import shutil
import sys
import time
import zipfile

ICONS = ["menivor-192.png", "menivor-512.png"]
FALLBACK = "menivor-fallback.js"  # the site's file of the program compiled to JavaScript

# The program: its .wasm, start.js (which starts it, or its fallback), its script, and the same
# program compiled to JavaScript alone, for a browser that runs no WebAssembly.
Program = collections.namedtuple("Program", "code start main fallback")


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


def base64_text(data):
    return base64.b64encode(data).decode("ascii")


def data_address(data, media_type):
    return f"data:{media_type};base64," + base64_text(data)


def sha256_source(text):
    return "'sha256-" + base64_text(hashlib.sha256(text.encode("utf-8")).digest()) + "'"


# Data blocks, not scripts: the page never runs them, so the policy need not allow them.
def picture_block(table):
    text = json.dumps(table, separators=(",", ":"), sort_keys=True)
    return f'<script type="application/json" id="menivor-pictures">{text}</script>'


def code_block(code):
    """The program's .wasm, base64, for start.js."""
    return f'<script type="application/octet-stream" id="menivor-program">{base64_text(code)}</script>'


def fallback_block(fallback):
    """The program compiled to JavaScript, as text that start.js runs only where WebAssembly
    cannot: a data block, which the page reads but never compiles."""
    return f'<script type="text/plain" id="menivor-fallback">{inline_script(fallback)}</script>'


def inline_script(text):
    """A script's text as it can stand inside <script>: one that held "</script" or "<!--"
    would end its element early, or leave the rest of the page in it."""
    for mark in ("</script", "<!--"):
        if mark in text.lower():
            raise SystemExit(f"makepage: a script holds {mark!r}, which cannot stand inside the page")
    return text


def wasm_only(main):
    """The program's script, run only where start.js has begun to compile its .wasm: elsewhere
    its start-up would fail at once for want of WebAssembly, and the fallback takes its place."""
    return "if (Module.menivorWasm) {\n" + main + "\n}"


def page(template, policy, head, body):
    """The page, all ASCII: one character above it anywhere (the template's Bulgarian) makes a
    browser decode every byte after it as wide text, which for ~200 KB of mostly base64 cost
    Chromium 15 ms on a fast machine. The template's own text becomes character references; what
    goes into it (scripts, style, data blocks) must be ASCII already, since references are not
    read inside a script or a style."""
    for part in (head, body):
        if not part.isascii():
            at = next(i for i, c in enumerate(part) if not c.isascii())
            raise SystemExit(f"makepage: a script or style has a non-ASCII character: {part[max(0, at - 40):at + 1]!r}")
    markup = template.encode("ascii", "xmlcharrefreplace").decode("ascii")
    return markup.replace("@CSP@", policy).replace("@HEAD@", head).replace("@BODY@", body)


def css_colour(rgb):
    """"192,192,255" as "#c0c0ff"."""
    red, green, blue = (int(part) for part in rgb.split(","))
    return f"#{red:02x}{green:02x}{blue:02x}"


def read(path):
    with open(path, "rb") as file:
        return file.read()


def read_pictures(assets, names):
    """Each picture's size in pixels and its JPEG bytes, plain and drawn at twice the size."""
    pictures = {}
    for name in names:
        plain, dense = read(os.path.join(assets, f"{name}.jpg")), read(os.path.join(assets, f"{name}@2x.jpg"))
        width, height = jpeg_size(plain)
        if jpeg_size(dense) != (width * 2, height * 2):
            raise SystemExit(f"makepage: {name}@2x.jpg is not twice the size of {name}.jpg")
        pictures[name] = {"width": width, "height": height, "plain": plain, "dense": dense}
    return pictures


def program_page(template, program, css, table, head="", scripts=(), fallback_inside=True, policy_extra=""):
    """A page that carries its program, its style and the picture table itself, each script and
    the style allowed by its hash. The program is its .wasm, start.js, which starts compiling
    it (both first, so that the browser compiles while it reads the rest), and its script, then
    the fallback, last: the other scripts listen for its start before it can run. The fallback
    is inside (a data block, run by start.js as a script of its own, allowed by its hash) or
    the site's file beside the page (allowed as the page's own)."""
    main = wasm_only(program.main)
    allowed = [program.start, main, *scripts] + ([program.fallback] if fallback_inside else [])
    policy = ("default-src 'none'; script-src " + " ".join(sha256_source(s) for s in allowed)
              + ("" if fallback_inside else " 'self'") + " 'wasm-unsafe-eval';"
              " style-src " + sha256_source(css) + "; img-src data:" + policy_extra
              + "; base-uri 'none'; form-action 'none'")
    body = (code_block(program.code) + f"\n<script>{inline_script(program.start)}</script>\n" + picture_block(table)
            + "".join(f"\n<script>{inline_script(s)}</script>" for s in [*scripts, main])
            + ("\n" + fallback_block(program.fallback) if fallback_inside else ""))
    return page(template, policy, head + f"<style>{css}</style>", body)


def single_page(template, program, css, pictures, assets):
    """menivor.html: everything inside, both densities of every picture."""
    table = {name: {"width": p["width"], "height": p["height"], "plain": data_address(p["plain"], "image/jpeg"),
                    "dense": data_address(p["dense"], "image/jpeg")} for name, p in pictures.items()}
    icon = data_address(read(os.path.join(assets, "menivor-64.png")), "image/png")
    return program_page(template, program, css, table, f'<link rel="icon" href="{icon}">\n')


def site_files(template, program, css, pictures, source, assets, version, theme):
    """The site's files by name: an index.html that carries all that the first result needs (the
    program, the style, the pictures at 1x), so that a first visit takes one round trip; then,
    not delaying it, the pictures drawn at twice the size (fetched where the screen is dense),
    the manifest with its icons, and the service worker with its list of every file."""
    manifest = read(os.path.join(source, "menivor.webmanifest.in")).decode("utf-8").replace("@THEME@", theme)
    files = {"menivor.webmanifest": manifest.encode("utf-8"), FALLBACK: program.fallback.encode("utf-8")}
    for icon_name in ICONS:
        files[icon_name] = read(os.path.join(assets, icon_name))
    table = {}
    for name, p in pictures.items():
        files[f"pictures/{name}@2x.jpg"] = p["dense"]
        table[name] = {"width": p["width"], "height": p["height"], "plain": data_address(p["plain"], "image/jpeg"),
                       "dense": f"pictures/{name}@2x.jpg"}
    offline = read(os.path.join(source, "offline.js")).decode("utf-8")
    files["index.html"] = program_page(
        template, program, css, table,
        '<link rel="manifest" href="menivor.webmanifest">\n<link rel="icon" href="menivor-192.png">\n',
        [offline], False, " 'self'; manifest-src 'self'; worker-src 'self'").encode("utf-8")
    # The service worker's cache is named after every file of the release, itself excepted.
    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode("utf-8") + b"\0" + hashlib.sha256(files[name]).digest())
    worker = read(os.path.join(source, "sw.js.in")).decode("utf-8")
    worker = worker.replace("@RELEASE@", f"menivor-{version}-{digest.hexdigest()[:16]}")
    worker = worker.replace("@FILES@", json.dumps(sorted(files)))
    files["sw.js"] = worker.encode("utf-8")
    return files


def write_zip(path, top, files, epoch):
    """The zip: sorted names, the source's date, no owner or mode of the build machine."""
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]  # a zip's dates start in 1980
    with zipfile.ZipFile(path, "w") as archive:
        for name in sorted(files):
            entry = zipfile.ZipInfo(f"{top}/{name}", stamp)
            entry.external_attr = 0o644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, files[name], compresslevel=9)


def read_program(program_js, fallback_js, source):
    """The program: its .wasm (beside its script), start.js, its script and its fallback."""
    return Program(read(os.path.splitext(program_js)[0] + ".wasm"), read(os.path.join(source, "start.js")).decode("utf-8"),
                   read(program_js).decode("utf-8"), read(fallback_js).decode("utf-8"))


def main(out, program_js, fallback_js, source, assets, version, epoch, theme_rgb, *picture_names):
    theme = css_colour(theme_rgb)
    template = read(os.path.join(source, "index.html.in")).decode("utf-8").replace("@THEME@", theme)
    css = read(os.path.join(source, "menivor.css")).decode("utf-8")
    program = read_program(program_js, fallback_js, source)
    pictures = read_pictures(assets, picture_names)
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "menivor.html"), "w", encoding="utf-8", newline="\n") as file:
        file.write(single_page(template, program, css, pictures, assets))
    files = site_files(template, program, css, pictures, source, assets, version, theme)
    site = os.path.join(out, "site")
    shutil.rmtree(site, ignore_errors=True)
    os.makedirs(os.path.join(site, "pictures"))
    for name, data in files.items():
        with open(os.path.join(site, name), "wb") as file:
            file.write(data)
    write_zip(os.path.join(out, f"menivor-web-{version}.zip"), f"menivor-web-{version}", files, epoch)


if __name__ == "__main__":
    if len(sys.argv) < 10:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
