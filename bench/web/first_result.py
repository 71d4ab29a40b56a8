#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's start-up and size. Prints figures; fails nothing.

- Time to the first result shown in headless Chromium: from the navigation's start until the
  frame after the date box is filled and the display's picture is decoded, median of the runs,
  one browser, its HTTP cache off (every run loads every byte) and no service worker, beside a
  bare page of the same size as menivor.html that shows one line of text, timed the same way.
  Each is measured from the loopback server (the site; the bare page) and as a file
  (menivor.html; the bare page).
- The bytes of a first visit to the site (what the server sends until the service worker has
  stored the release), raw and as gzip -9 would send them, and of menivor.html gzipped.

usage: first_result.py <folder with menivor.html and site/> [runs]
"""
import gzip
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
import pagekit  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# Records the moment the page first shows its result: the frame after the condition holds.
PROBE = """(() => {
    let seen = false;
    const shown = () => {
        const line = document.getElementById('line');
        const box = document.getElementById('Text2');
        const img = document.getElementById('Picture1(9).picture');
        return line !== null || (box !== null && box.value !== '' && img !== null && img.complete && img.naturalWidth > 0);
    };
    const look = () => {
        if (seen || !shown()) return;
        seen = true;
        requestAnimationFrame(() => { window.menivorFirstResult = performance.now(); });
    };
    new MutationObserver(look).observe(document, {childList: true, subtree: true, attributes: true});
    document.addEventListener('load', look, true);
})();"""


def bare_page(size):
    head = '<!DOCTYPE html>\n<html lang="bg"><head><meta charset="utf-8"><title>bare</title></head><body>\n'
    tail = '<p id="line">Луната е единствения естествен спътник на Земята.</p>\n</body></html>\n'
    filler = "<!--" + "x" * max(0, size - len(head.encode()) - len(tail.encode()) - 8) + "-->\n"
    return head + filler + tail


def time_page(driver, url, runs):
    times = []
    for _ in range(runs):
        driver.get("about:blank")
        driver.get(url)
        WebDriverWait(driver, pagekit.WAIT_SECONDS).until(
            lambda d: d.execute_script("return window.menivorFirstResult !== undefined;"))
        times.append(driver.execute_script("return window.menivorFirstResult;"))
    return times


def report(name, times):
    quartiles = statistics.quantiles(times, n=4)
    print(f"{name:<34} median {statistics.median(times):6.1f} ms   middle half {quartiles[0]:.1f}-{quartiles[2]:.1f} ms")
    return statistics.median(times)


def main(out, runs):
    pagekit.require_browser()
    single = os.path.join(out, "menivor.html")
    with tempfile.TemporaryDirectory() as work:
        site = os.path.join(work, "site")
        shutil.copytree(os.path.join(out, "site"), site)
        with open(os.path.join(site, "bare.html"), "w", encoding="utf-8") as file:
            file.write(bare_page(os.path.getsize(single)))
        shutil.copy(os.path.join(site, "bare.html"), os.path.join(work, "bare.html"))
        # Timed without the service worker: every run a first visit.
        os.remove(os.path.join(site, "offline.js"))
        with open(os.path.join(site, "offline.js"), "w") as file:
            file.write("")
        server = pagekit.Server(site)
        driver = pagekit.browser()
        try:
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
            print(f"== time to the first result shown, headless Chromium, {runs} runs each")
            site_time = report("site, from a loopback server", time_page(driver, server.url, runs))
            bare_time = report("bare page, from a loopback server", time_page(driver, server.url + "bare.html", runs))
            file_time = report("menivor.html, as a file", time_page(driver, "file://" + single, runs))
            bare_file = report("bare page, as a file", time_page(driver, "file://" + os.path.join(work, "bare.html"), runs))
            print(f"ratio to the bare page: site {site_time / bare_time:.2f} x, one file {file_time / bare_file:.2f} x")
        finally:
            driver.quit()
            server.stop()

    print("== bytes")
    site = os.path.join(out, "site")
    files = sorted(os.path.relpath(os.path.join(d, f), site) for d, _, fs in os.walk(site) for f in fs)
    raw = sum(os.path.getsize(os.path.join(site, f)) for f in files)
    packed = sum(len(gzip.compress(open(os.path.join(site, f), "rb").read(), 9)) for f in files)
    # A first visit fetches the page, its program and style and the two pictures shown; the
    # service worker then stores every file of the release (a second copy of those).
    shown = ["index.html", "menivor.css", "offline.js", "menivor.js", "menivor.wasm", "sw.js", "menivor.webmanifest",
             "menivor-192.png", "pictures/cycle.jpg", "pictures/phase4.jpg"]
    shown_raw = sum(os.path.getsize(os.path.join(site, f)) for f in shown)
    shown_packed = sum(len(gzip.compress(open(os.path.join(site, f), "rb").read(), 9)) for f in shown)
    print(f"site, to the first result at scale 1: {shown_raw / 1024:7.1f} KB raw, {shown_packed / 1024:6.1f} KB gzipped")
    print(f"site, every file of the release:     {raw / 1024:7.1f} KB raw, {packed / 1024:6.1f} KB gzipped "
          f"({len(files)} files, what the service worker stores)")
    for name in ("menivor.wasm", "menivor.js"):
        data = open(os.path.join(site, name), "rb").read()
        print(f"  {name:<12} {len(data) / 1024:7.1f} KB raw, {len(gzip.compress(data, 9)) / 1024:6.1f} KB gzipped")
    data = open(single, "rb").read()
    print(f"menivor.html:                         {len(data) / 1024:7.1f} KB raw, {len(gzip.compress(data, 9)) / 1024:6.1f} KB gzipped")


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        raise SystemExit(__doc__)
    main(os.path.abspath(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) == 3 else 20)
