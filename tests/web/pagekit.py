# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the browser tests share: a static server on loopback, Debian's Chromium driven through
Selenium with today faked before any script of the page runs, and checks that print one line
each (as tests/testkit.sh does for the shell tests)."""
import functools
import http.server
import shutil
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

WAIT_SECONDS = 20  # bound on every wait for the page


class Checks:
    def __init__(self):
        self.failed = 0
        self.passed = 0

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print(f"PASS: {name}", flush=True)
        else:
            self.failed += 1
            print(f"FAIL: {name}" + (f" ({detail})" if detail else ""), flush=True)

    def equal(self, name, got, expected):
        self.check(name, got == expected, f"got {got!r}, expected {expected!r}")

    def finish(self):
        print(f"{self.passed} passed, {self.failed} failed", flush=True)
        sys.exit(1 if self.failed else 0)


class Server:
    """A static web server for a folder on 127.0.0.1, on a free port, until stop()."""

    def __init__(self, folder):
        handler = functools.partial(Quiet, directory=folder)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.httpd.server_port}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join(WAIT_SECONDS)


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def log_message(self, *args):
        pass


def require_browser():
    """Chromium and its driver, or one line that says what is missing and exit 1."""
    for tool in ("chromium", "chromedriver"):
        if not shutil.which(tool):
            print(f"FAIL: {tool} is missing: run scripts/setup.sh (Debian's chromium and chromium-driver)")
            sys.exit(1)


def browser(width=800, height=600, user_data_dir=None, device_scale=1, mobile=False):
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-extensions", "--force-device-scale-factor=1",
                 f"--window-size={width},{height}"):
        options.add_argument(flag)
    if user_data_dir:
        options.add_argument(f"--user-data-dir={user_data_dir}")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
    driver.set_page_load_timeout(WAIT_SECONDS)
    driver.set_script_timeout(WAIT_SECONDS)
    # The viewport itself, whatever the window's frame takes.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": device_scale, "mobile": mobile})
    return driver


# Today, before any script of the page runs: Date() and Date.now() start at the given local time
# and run on; a Date built from parts is untouched.
FAKE_DATE = """(() => {
    const Real = Date;
    const offset = new Real(%d, %d, %d, %d, %d, %d).getTime() - Real.now();
    class Faked extends Real {
        constructor(...parts) { if (parts.length === 0) super(Real.now() + offset); else super(...parts); }
        static now() { return Real.now() + offset; }
    }
    globalThis.Date = Faked;
})();"""


def fake_today(driver, when, zone=None):
    """when: "YYYY-MM-DD hh:mm:ss", local time in zone (the machine's when None)."""
    date, clock = when.split()
    y, mo, d = (int(x) for x in date.split("-"))
    h, mi, s = (int(x) for x in clock.split(":"))
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FAKE_DATE % (y, mo - 1, d, h, mi, s)})
    if zone:
        driver.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": zone})


def wait_for_result(driver):
    """Waits until the window shows a result: the date box filled and the display's picture decoded."""
    WebDriverWait(driver, WAIT_SECONDS).until(lambda d: d.execute_script(
        "const box = document.getElementById('Text2');"
        "const img = document.getElementById('Picture1(9).picture');"
        "return box && box.value !== '' && img && img.complete && img.naturalWidth > 0;"))


def eventually(condition):
    """Whether the condition holds within the bound of every wait."""
    deadline = time.monotonic() + WAIT_SECONDS
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def value(driver, id):
    return driver.execute_script("return document.getElementById(arguments[0]).value;", id)


def selected_texts(driver):
    """The picked entry of the day, month and year lists ("" where none)."""
    return driver.execute_script(
        "return [0, 1, 2].map(i => { const l = document.getElementById('List1(' + i + ')');"
        " return l.selectedIndex < 0 ? '' : l.options[l.selectedIndex].text; });")


def shown_picture(driver):
    """The stored picture that the display shows ("phase4"), by the page's own table."""
    return driver.execute_script(
        "const table = JSON.parse(document.getElementById('menivor-pictures').textContent);"
        "const src = document.getElementById('Picture1(9).picture').getAttribute('src');"
        "for (const [name, p] of Object.entries(table)) if (p.plain === src || p.dense === src) return name;"
        "return src;")


def console_errors(driver):
    return [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
