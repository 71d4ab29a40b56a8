#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page's first visit: time and requests to the first result, and bytes. Prints
figures; fails nothing.

- Time to the first result shown: from the navigation's start until the frame after the date box
  is filled and the display's picture is decoded. Each load is a first visit: a new browser with a
  fresh profile (nothing cached, compiled code included). Each is interleaved with a load of a
  bare page (one line and one picture inside it) in the same run, and the ratio of the medians is
  the figure that counts, since it holds on a busy machine as well as on a quiet one. Rows: the
  site from a loopback server; menivor.html and the bare page as files; and, in Chromium alone
  (only its driver emulates a network and a slower processor), the site at a 100 ms round trip
  and 10 Mbit/s, the same with the processor slowed 4 times (a low-end Chromebook), and the slow
  network again from a server that does not compress; and Chromium with its JIT off (so without
  WebAssembly: the program compiled to JavaScript starts), the site and the one file, against the
  bare page with the JIT off too. The server sends text gzipped, as a web
  server's default set-up does, except in that last row. In Chromium and Firefox; WebKit's driver
  cannot add the probe before the page's own scripts run.
- The requests made before the first result (the page's own included).
- The bytes of a first visit (gzip -9, as a server would send them) and of menivor.html.

usage: first_result.py <folder with menivor.html and site/> [runs]
"""
import base64
import gzip
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
import pagekit  # noqa: E402

# Records the moment the page first shows its result (the frame after the condition holds) and
# the requests made until then.
PROBE = """(() => {
    let seen = false;
    const shown = () => {
        const line = document.getElementById('line');
        const box = document.getElementById('Text2');
        const img = document.getElementById(line ? 'picture' : 'Picture1(9).picture');
        return (line !== null || (box !== null && box.value !== '')) && img !== null && img.complete && img.naturalWidth > 0;
    };
    const look = () => {
        if (seen || !shown()) return;
        seen = true;
        requestAnimationFrame(() => {
            window.menivorFirstResult = performance.now();
            window.menivorRequests = [location.pathname].concat(performance.getEntriesByType('resource')
                .filter(r => !r.name.startsWith('data:')).map(r => new URL(r.name).pathname));
        });
    };
    new MutationObserver(look).observe(document, {childList: true, subtree: true, attributes: true});
    document.addEventListener('load', look, true);
})();"""

SLOW_NETWORK = {"offline": False, "latency": 100, "downloadThroughput": 10e6 / 8, "uploadThroughput": 10e6 / 8}


def bare_page(picture):
    image = "data:image/jpeg;base64," + base64.b64encode(picture).decode("ascii")
    return ('<!DOCTYPE html>\n<html lang="bg"><head><meta charset="utf-8"><title>bare</title></head><body>\n'
            '<p id="line">Луната е единствения естествен спътник на Земята.</p>\n'
            f'<img id="picture" src="{image}" alt="пълнолуние">\n</body></html>\n')


def processor_times():
    """(idle, total) time of all the machine's processors since it started, in clock ticks."""
    with open("/proc/stat", encoding="ascii") as stat:
        ticks = [int(field) for field in stat.readline().split()[1:]]
    return ticks[3] + ticks[4], sum(ticks)  # idle and waiting for I/O


def wait_until_quiet(window=0.25, idle_share=0.9, bound=10):
    """Waits until the processors were idle for idle_share of a window (seconds), at most bound
    seconds: a browser just started goes on setting itself up for a second or two (and the last
    one may still be closing), which a first visit from a browser already open does not meet.
    False when the machine stayed busy."""
    deadline = time.monotonic() + bound
    while time.monotonic() < deadline:
        idle, total = processor_times()
        time.sleep(window)
        idle_after, total_after = processor_times()
        if total_after > total and (idle_after - idle) / (total_after - total) >= idle_share:
            return True
    return False


def first_visit(engine, url, network=None, cpu=1, wasm=True):
    """(ms to the first result, requests until then) of one load in a new browser, once the
    browser has settled."""
    with tempfile.TemporaryDirectory() as profile:
        page = pagekit.open_page(engine, "2014-09-09 12:00:00", profile=profile, wasm=wasm)
        try:
            if not wait_until_quiet():
                print("(the machine stayed busy: this load did not wait for a quiet browser)", flush=True)
            if engine == "chromium":
                page.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
                if network:
                    page.cdp("Network.enable")
                    page.cdp("Network.emulateNetworkConditions", network)
                if cpu > 1:
                    page.cdp("Emulation.setCPUThrottlingRate", {"rate": cpu})
            else:
                page.send("script.addPreloadScript", {"functionDeclaration": "() => " + PROBE.rstrip(";")})
            page.goto(url)
            if not page.until("return window.menivorRequests !== undefined;"):
                raise RuntimeError(f"{url}: no result shown")
            return page.js("return [window.menivorFirstResult, window.menivorRequests];")
        finally:
            page.quit()


def row(engine, name, page_url, bare_url, runs, **emulation):
    pages, bares, requests = [], [], set()
    for _ in range(runs):  # interleaved: the machine's load falls on both alike
        try:
            took, asked = first_visit(engine, page_url, **emulation)
        except RuntimeError as error:  # a page that shows nothing in this browser
            print(f"{engine:<9} {name:<44} {error}", flush=True)
            return
        pages.append(took)
        requests.add(" ".join(os.path.basename(path) or "/" for path in asked))
        bares.append(first_visit(engine, bare_url, **emulation)[0])
    page_median, bare_median = statistics.median(pages), statistics.median(bares)
    print(f"{engine:<9} {name:<44} {page_median:7.0f} ms {bare_median:7.0f} ms {page_median / bare_median:5.2f}x"
          f"   {' | '.join(f'{len(r.split())} requests: {r}' for r in sorted(requests))}", flush=True)


def main(out, runs):
    single = os.path.join(out, "menivor.html")
    site = os.path.join(out, "site")
    assets = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(assets, "phase4.jpg"), "rb") as picture, \
                open(os.path.join(work, "bare.html"), "w", encoding="utf-8") as file:
            file.write(bare_page(picture.read()))
        site_server, bare_server = pagekit.Server(site, compress=True), pagekit.Server(work, compress=True)
        plain_site, plain_bare = pagekit.Server(site), pagekit.Server(work)
        try:
            print(f"== a first visit's first result, median of {runs} fresh browsers each, interleaved")
            print(f"{'engine':<9} {'row':<44} {'Menivor':>10} {'bare':>10} {'ratio':>6}")
            for engine in ("chromium", "firefox"):
                if pagekit.missing(engine):
                    print(f"{engine}: not measured: {pagekit.missing(engine)}")
                    continue
                row(engine, "site, loopback", site_server.url, bare_server.url + "bare.html", runs)
                row(engine, "menivor.html from the disk (bare page too)", "file://" + single,
                    "file://" + os.path.join(work, "bare.html"), runs)
                if engine == "chromium":
                    row(engine, "site, 100 ms round trip, 10 Mbit/s", site_server.url, bare_server.url + "bare.html",
                        runs, network=SLOW_NETWORK)
                    row(engine, "the same, processor 4x slower", site_server.url, bare_server.url + "bare.html",
                        runs, network=SLOW_NETWORK, cpu=4)
                    row(engine, "slow network, server not compressing", plain_site.url, plain_bare.url + "bare.html",
                        runs, network=SLOW_NETWORK)
                    row(engine, "JIT off (JavaScript program): site, loopback", site_server.url,
                        bare_server.url + "bare.html", runs, wasm=False)
                    row(engine, "JIT off: menivor.html from the disk", "file://" + single,
                        "file://" + os.path.join(work, "bare.html"), runs, wasm=False)
        finally:
            for server in (site_server, bare_server, plain_site, plain_bare):
                server.stop()

    print("== bytes (gzip -9, as a server sends them)")
    packed = lambda path: len(gzip.compress(open(path, "rb").read(), 9)) / 1024
    raw = lambda path: os.path.getsize(path) / 1024
    index = os.path.join(site, "index.html")
    print(f"a first visit to the first result (index.html): {raw(index):6.1f} KB raw, {packed(index):6.1f} KB gzipped")
    files = sorted(os.path.join(d, f) for d, _, fs in os.walk(site) for f in fs)
    print(f"every file of the site ({len(files)}, what the service worker stores): "
          f"{sum(map(raw, files)):6.1f} KB raw, {sum(map(packed, files)):6.1f} KB gzipped")
    print(f"menivor.html: {raw(single):6.1f} KB raw, {packed(single):6.1f} KB gzipped")
    fallback = os.path.join(site, "menivor-fallback.js")
    print(f"of which the program compiled to JavaScript (the site's menivor-fallback.js, fetched only "
          f"without WebAssembly): {raw(fallback):6.1f} KB raw, {packed(fallback):6.1f} KB gzipped")


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        raise SystemExit(__doc__)
    main(os.path.abspath(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) == 3 else 7)
