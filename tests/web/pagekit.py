# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the browser tests share: a static server on loopback, one page in a real browser of any
of three engines behind one small interface (Page), and checks that print one line each (as
tests/testkit.sh does for the shell tests).

The engines, all Debian's: Chromium through chromedriver and Firefox ESR through its own WebDriver
BiDi endpoint (a small client here, since Debian has no geckodriver), both headless; WebKitGTK
through WebKitWebDriver and its MiniBrowser, which needs an X display (run it under
scripts/with-xvfb.sh). Today is faked before any script of the page runs: by a script that
Chromium and Firefox add to every new document, and for WebKit, whose driver has no such thing,
by libfaketime under the whole browser (its wall clock stands at the given moment, so that the
seconds the browser takes to start cannot carry a date past midnight; its monotonic clock, which
timers use, runs)."""
import base64
import functools
import glob
import gzip
import http.server
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.remote.command import Command

WAIT_SECONDS = 20  # bound on every wait for the page
ENGINES = ("chromium", "firefox", "webkit")
MINIBROWSER = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")
FAKETIME = glob.glob("/usr/lib/*/faketime/libfaketime.so.1")


class Checks:
    def __init__(self, prefix=""):
        self.failed = 0
        self.passed = 0
        self.prefix = prefix

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print(f"PASS: {self.prefix}{name}", flush=True)
        else:
            self.failed += 1
            print(f"FAIL: {self.prefix}{name}" + (f" ({detail})" if detail else ""), flush=True)

    def equal(self, name, got, expected):
        self.check(name, got == expected, f"got {got!r}, expected {expected!r}")

    def finish(self):
        print(f"{self.passed} passed, {self.failed} failed", flush=True)
        sys.exit(1 if self.failed else 0)


class Server:
    """A static web server for a folder on 127.0.0.1, on a free port, until stop(). Nothing it
    serves may be kept by a browser's HTTP cache: what a reload finds offline comes from the
    page's service worker alone, in every engine. With compress, text goes gzipped to a browser
    that accepts it, as a web server's default set-up sends it (Apache's mod_deflate and nginx's
    gzip both compress HTML, at zlib's default level here)."""

    def __init__(self, folder, compress=False):
        handler = functools.partial(Compressing if compress else Quiet, directory=folder)
        self.httpd = QuietServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.httpd.server_port}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join(WAIT_SECONDS)


class QuietServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that quits or stops a load closes its connection mid-response: not a fault.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, *args):
        pass


class Compressing(Quiet):
    TEXT = (".html", ".js", ".css", ".json", ".webmanifest", ".svg")
    packed = {}  # (path, modification time) -> gzip bytes: compressed once, not on each request

    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if (not path.endswith(self.TEXT) or not os.path.isfile(path)
                or "gzip" not in self.headers.get("Accept-Encoding", "")):
            return super().do_GET()
        key = (path, os.path.getmtime(path))
        if key not in self.packed:
            with open(path, "rb") as file:
                self.packed[key] = gzip.compress(file.read(), 6, mtime=0)
        body = self.packed[key]
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Vary", "Accept-Encoding")
        self.end_headers()
        self.wfile.write(body)


def missing(engine):
    """What the engine needs and this machine lacks, in one line; None when nothing is missing."""
    needs = {"chromium": [("chromium", shutil.which("chromium")), ("chromedriver", shutil.which("chromedriver"))],
             "firefox": [("firefox-esr", shutil.which("firefox-esr"))],
             "webkit": [("WebKitWebDriver", shutil.which("WebKitWebDriver")), ("MiniBrowser", MINIBROWSER),
                        ("libfaketime", FAKETIME), ("xdotool", shutil.which("xdotool")),
                        ("an X display", os.environ.get("DISPLAY"))]}[engine]
    absent = [name for name, found in needs if not found]
    return f"{engine} needs {', '.join(absent)}: run scripts/setup.sh" if absent else None


def require_browser():
    """Chromium and its driver, or one line that says what is missing and exit 1."""
    if missing("chromium"):
        print(f"FAIL: {missing('chromium')}")
        sys.exit(1)


def browser(width=800, height=600, user_data_dir=None, device_scale=1, mobile=False, wasm=True):
    """Headless Chromium under Selenium, its viewport width x height CSS pixels; wasm False: with
    its JIT off, as a school's policy may turn it off, which leaves it no WebAssembly."""
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-extensions", "--force-device-scale-factor=1",
                 f"--window-size={width},{height}") + (() if wasm else ("--js-flags=--jitless",)):
        options.add_argument(flag)
    if user_data_dir:
        options.add_argument(f"--user-data-dir={user_data_dir}")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
    driver.set_page_load_timeout(WAIT_SECONDS)
    driver.set_script_timeout(WAIT_SECONDS)
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": device_scale, "mobile": mobile})
    return driver


# Today, before any script of the page runs: Date() and Date.now() stand at the given local time
# (a clock that ran on could pass midnight on a slow machine); a Date built from parts is
# untouched, and so are the page's timers and event times, which run on performance.now().
FAKE_DATE = """(() => {
    const Real = Date;
    const instant = new Real(%d, %d, %d, %d, %d, %d).getTime();
    class Faked extends Real {
        constructor(...parts) { if (parts.length === 0) super(instant); else super(...parts); }
        static now() { return instant; }
    }
    globalThis.Date = Faked;
})();"""


def fake_date_script(when):
    """when: "YYYY-MM-DD hh:mm:ss", local time."""
    date, clock = when.split()
    y, mo, d = (int(x) for x in date.split("-"))
    h, mi, s = (int(x) for x in clock.split(":"))
    return FAKE_DATE % (y, mo - 1, d, h, mi, s)


def edit(path, old, new):
    """Replaces the first old in the text file with new; fails where the file has no old."""
    with open(path, encoding="utf-8") as file:
        text = file.read()
    if old not in text:
        raise RuntimeError(f"{path} has no {old!r}")
    with open(path, "w", encoding="utf-8") as file:
        file.write(text.replace(old, new, 1))


def eventually(condition):
    """Whether the condition holds within the bound of every wait."""
    deadline = time.monotonic() + WAIT_SECONDS
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for_line(stream, start, deadline):
    """The first line of the stream that starts with start, read until the deadline."""
    found = {}

    def read():
        for line in stream:
            if line.startswith(start):
                found["line"] = line.strip()
                return

    reader = threading.Thread(target=read, daemon=True)
    reader.start()
    reader.join(max(0.0, deadline - time.monotonic()))
    return found.get("line")


# W3C actions, the same JSON for WebDriver classic and BiDi.
def key_actions(*strokes):
    """Strokes: a text (each character typed in turn) or a tuple of keys held together."""
    actions = []
    for stroke in strokes:
        if isinstance(stroke, tuple):
            actions += [{"type": "keyDown", "value": k} for k in stroke]
            actions += [{"type": "keyUp", "value": k} for k in reversed(stroke)]
        else:
            for character in stroke:
                actions += [{"type": "keyDown", "value": character}, {"type": "keyUp", "value": character}]
    return [{"type": "key", "id": "keyboard", "actions": actions}]


def pointer_actions(x, y, pointer="mouse", hold=None):
    """A click (or a finger's tap) at viewport point x, y; hold: a key held meanwhile."""
    tap = [{"type": "pointerMove", "x": int(x), "y": int(y), "origin": "viewport", "duration": 0},
           {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]
    actions = [{"type": "pointer", "id": pointer, "parameters": {"pointerType": pointer}, "actions": tap}]
    if hold:
        actions[0]["actions"] = [{"type": "pause", "duration": 0}] + tap + [{"type": "pause", "duration": 0}]
        actions.append({"type": "key", "id": "keyboard", "actions":
                        [{"type": "keyDown", "value": hold}] + [{"type": "pause", "duration": 0}] * 3
                        + [{"type": "keyUp", "value": hold}]})
    return actions


class Page:
    """One browser window showing pages, whatever its engine. js() runs the body of an async
    function in the page (its arguments as arguments[0], ...) and returns its result as JSON
    gives it. touch: whether a finger's pointer (a coarse one) is emulated."""
    engine = ""
    touch = False

    def js(self, body, *args):
        raise NotImplementedError

    def perform(self, actions):
        raise NotImplementedError

    def keys(self, *strokes):
        self.perform(key_actions(*strokes))

    def click_at(self, x, y, hold=None):
        self.perform(pointer_actions(x, y, "touch" if self.touch else "mouse", hold))

    def click(self, id, hold=None):
        """A click (a tap where touch) at the middle of the element with the id, as shown."""
        x, y = self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2];", id)
        self.click_at(x, y, hold)

    def until(self, condition):
        """Waits (bounded) until the page's script condition holds; False if it never did."""
        return eventually(lambda: self.js(condition))

    def console_errors(self):
        """The errors the page logged, or None where the engine's driver cannot tell."""
        return None


class SeleniumPage(Page):
    """A page in a browser that Selenium drives over WebDriver classic (self.driver)."""

    def goto(self, url):
        self.driver.get(url)

    def reload(self):
        self.driver.refresh()

    def js(self, body, *args):
        wrapped = ("const done = arguments[arguments.length - 1];"
                   "(async function () {" + body + "}).apply(null, Array.prototype.slice.call(arguments, 0, -1))"
                   ".then(r => done(JSON.stringify({value: r === undefined ? null : r})),"
                   " e => done(JSON.stringify({error: String(e && e.stack || e)})));")
        answer = json.loads(self.driver.execute_async_script(wrapped, *args))
        if "error" in answer:
            raise RuntimeError(f"the page's script failed: {answer['error']}")
        return answer["value"]

    def perform(self, actions):
        self.driver.execute(Command.W3C_ACTIONS, {"actions": actions})
        self.driver.execute(Command.W3C_CLEAR_ACTIONS)

    def screenshot(self, path):
        # The first paint may lag the decoded picture: wait for two frames.
        self.js("await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));")
        self.driver.save_screenshot(path)


class ChromiumPage(SeleniumPage):
    engine = "chromium"

    def __init__(self, today, zone, width, height, device_scale, mobile, profile, wasm):
        self.driver = browser(width, height, profile, device_scale, mobile, wasm)
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": fake_date_script(today)})
        if zone:
            self.driver.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": zone})
        if mobile:
            self.touch = True
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})

    def resize(self, width, height):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})

    def console_errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]

    def cdp(self, command, parameters=None):
        return self.driver.execute_cdp_cmd(command, parameters or {})

    def quit(self):
        self.driver.quit()


class WebKitPage(SeleniumPage):
    """WebKitGTK's MiniBrowser under WebKitWebDriver. Today and the time zone are the whole
    browser's (libfaketime, TZ); a device scale is GDK's (whole numbers only); no touch."""
    engine = "webkit"

    def __init__(self, today, zone, width, height, device_scale, mobile, profile, wasm):
        env = dict(os.environ, LD_PRELOAD=FAKETIME[0], FAKETIME=today, FAKETIME_DONT_FAKE_MONOTONIC="1",
                   GDK_SCALE=str(int(device_scale)))
        if not wasm:
            env["JSC_useWasm"] = "false"
        env.pop("FAKETIME_NO_CACHE", None)
        if zone:
            env["TZ"] = zone
        port = free_port()
        self.log = tempfile.TemporaryFile()
        self.service = subprocess.Popen(["WebKitWebDriver", f"--port={port}"], env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT)
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER[0]
        options.add_argument("--automation")
        url = f"http://127.0.0.1:{port}"
        if not eventually(lambda: _listening(port)):
            raise RuntimeError("WebKitWebDriver did not start")
        self.driver = webdriver.Remote(command_executor=url, options=options)
        self.driver.set_page_load_timeout(WAIT_SECONDS)
        self.driver.set_script_timeout(WAIT_SECONDS)
        self.resize(width, height)
        # With no window manager, the X server gives the keyboard to the window under the
        # pointer; without it no element matches :focus.
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "MiniBrowser", "windowfocus"],
                       timeout=WAIT_SECONDS, check=True, stdout=subprocess.DEVNULL)

    def resize(self, width, height):
        # The window's size less its frame and tool bar is the viewport: ask, then make up the difference.
        self.driver.set_window_size(width, height)
        inner = self.js("return [innerWidth, innerHeight];")
        self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])

    def quit(self):
        try:
            self.driver.quit()
        finally:
            self.service.terminate()
            self.service.wait(WAIT_SECONDS)


def _listening(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1):
            return True
    except OSError:
        return False


# A fresh profile of Firefox that asks nothing of the network and shows no first-run pages.
FIREFOX_PREFERENCES = {
    "browser.shell.checkDefaultBrowser": False, "browser.startup.homepage_override.mstone": "ignore",
    "datareporting.policy.dataSubmissionEnabled": False, "toolkit.telemetry.reportingpolicy.firstRun": False,
    "app.update.disabledForTesting": True, "app.normandy.enabled": False, "browser.region.network.url": "",
    "services.settings.server": "data:,", "network.connectivity-service.enabled": False,
    "network.captive-portal-service.enabled": False, "browser.safebrowsing.update.enabled": False,
    "extensions.update.enabled": False, "extensions.getAddons.cache.enabled": False,
    "remote.prefs.recommended": True, "dom.serviceWorkers.enabled": True,
}
# A finger: the main and every pointer coarse, with no hover; touch events on.
FIREFOX_TOUCH = {"ui.primaryPointerCapabilities": 1, "ui.allPointerCapabilities": 1,
                 "dom.w3c_touch_events.enabled": 1}


class FirefoxPage(Page):
    """Firefox ESR, headless, driven over WebDriver BiDi: commands and answers as JSON messages
    on one WebSocket, matched by id; the page's log arrives as events between them."""
    engine = "firefox"

    def __init__(self, today, zone, width, height, device_scale, mobile, profile, wasm):
        self.profile = tempfile.TemporaryDirectory(ignore_cleanup_errors=True) if profile is None else None
        folder = profile or self.profile.name
        preferences = dict(FIREFOX_PREFERENCES, **(FIREFOX_TOUCH if mobile else {}), **{"javascript.options.wasm": wasm})
        with open(os.path.join(folder, "user.js"), "w", encoding="utf-8") as file:
            for name, value in preferences.items():
                file.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        env = dict(os.environ)
        if zone:
            env["TZ"] = zone
        self.process = subprocess.Popen(
            ["firefox-esr", "--headless", "--no-remote", "--remote-debugging-port=0", "--profile", folder],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            self.connect(today, width, height, device_scale, mobile)
        except BaseException:
            self.process.kill()
            self.process.wait()
            raise

    def connect(self, today, width, height, device_scale, mobile):
        import websocket  # Debian's python3-websocket
        line = wait_for_line(self.process.stderr, "WebDriver BiDi listening on ", time.monotonic() + WAIT_SECONDS)
        if not line:
            raise RuntimeError("Firefox opened no WebDriver BiDi endpoint")
        threading.Thread(target=lambda: [None for _ in self.process.stderr], daemon=True).start()
        # No Origin header: Firefox refuses a connection that claims to come from a page.
        self.socket = websocket.create_connection(line.split()[-1] + "/session", timeout=WAIT_SECONDS,
                                                  suppress_origin=True)
        self.next_id = 0
        self.errors = []
        self.touch = mobile
        self.send("session.new", {"capabilities": {}})
        # The tab that Firefox opens with never gets the focus headless (no element would match
        # :focus): a tab of the session's own, brought to the front, does.
        first = self.send("browsingContext.getTree", {})["contexts"][0]["context"]
        self.context = self.send("browsingContext.create", {"type": "tab"})["context"]
        self.send("browsingContext.activate", {"context": self.context})
        self.send("browsingContext.close", {"context": first})
        self.send("session.subscribe", {"events": ["log.entryAdded"]})
        self.send("script.addPreloadScript", {"functionDeclaration": "() => " + fake_date_script(today).rstrip(";")})
        self.device_scale = device_scale
        self.resize(width, height)

    def send(self, method, params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            message = json.loads(self.socket.recv())
            if message.get("method") == "log.entryAdded" and message["params"].get("level") == "error":
                self.errors.append(message["params"].get("text", ""))
            if message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise RuntimeError(f"{method}: {message.get('error')}: {message.get('message')}")
                return message["result"]
        raise RuntimeError(f"{method}: no answer within {WAIT_SECONDS} s")

    def resize(self, width, height):
        self.send("browsingContext.setViewport", {"context": self.context, "viewport": {"width": width, "height": height},
                                                  "devicePixelRatio": self.device_scale})

    def goto(self, url):
        self.send("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    def reload(self):
        self.send("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def js(self, body, *args):
        function = ("async function (json) { const r = await (async function () {" + body + "})"
                    ".apply(null, JSON.parse(json)); return JSON.stringify(r === undefined ? null : r); }")
        result = self.send("script.callFunction", {
            "functionDeclaration": function, "arguments": [{"type": "string", "value": json.dumps(args)}],
            "target": {"context": self.context}, "awaitPromise": True, "resultOwnership": "none"})
        if result.get("type") == "exception":
            raise RuntimeError(f"the page's script failed: {result['exceptionDetails'].get('text')}")
        return json.loads(result["result"]["value"])

    def perform(self, actions):
        self.send("input.performActions", {"context": self.context, "actions": actions})
        self.send("input.releaseActions", {"context": self.context})

    def screenshot(self, path):
        data = self.send("browsingContext.captureScreenshot", {"context": self.context})["data"]
        with open(path, "wb") as file:
            file.write(base64.b64decode(data))

    def console_errors(self):
        self.js("return null;")  # lets the events logged so far arrive
        return list(self.errors)

    def quit(self):
        try:
            self.send("browser.close", {})
        except Exception:
            pass
        try:
            self.process.wait(WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        if self.profile:
            self.profile.cleanup()


def open_page(engine, today, zone=None, width=800, height=600, device_scale=1, mobile=False, profile=None, wasm=True):
    """A new browser of the engine, today faked at "YYYY-MM-DD hh:mm:ss" local time in zone (the
    machine's when None), its viewport width x height CSS pixels. mobile: a phone's, touch too.
    wasm False: WebAssembly turned off, as each engine lets its users turn it off."""
    kind = {"chromium": ChromiumPage, "firefox": FirefoxPage, "webkit": WebKitPage}[engine]
    return kind(today, zone, width, height, device_scale, mobile, profile, wasm)
