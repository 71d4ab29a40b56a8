#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page in a real browser of one engine (chromium, firefox or webkit): start-up on faked
dates, what the first view shows, a mouse pick and press, the keyboard alone, the list contract on
the page's lists, what a screen reader gets, axe-core's rules, a planted error, the one-file page
opened as a file, the site reloaded offline, a new release, every control's box at scale 1, and
the whole window on a phone, touched by a finger.

Where WebAssembly cannot run, the page starts the program compiled to JavaScript: mode "nowasm"
turns WebAssembly off as the engine lets its users do, and "nopolicy" (Chromium) takes
'wasm-unsafe-eval' out of the pages' policy, as Safari before 16 reads it. Both run what a pupil
does (start, picks and presses, the list contract, an error, the one file, the site offline) and
the page's message where neither program can start.

usage: browser_test.py <engine>[:nowasm|:nopolicy] <version> <folder with menivor.html and site/> [folder for screenshots]
"""
import os
import shutil
import sys
import tempfile

from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pagekit  # noqa: E402

AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core", "axe.min.js")

MODES = {"wasm": pagekit.ENGINES, "nowasm": pagekit.ENGINES, "nopolicy": ("chromium",)}
engine, _, mode = sys.argv[1].partition(":") if len(sys.argv) > 1 else ("", "", "")
mode = mode or "wasm"
if len(sys.argv) not in (4, 5) or engine not in MODES.get(mode, ()):
    raise SystemExit(__doc__)
version, out = sys.argv[2], os.path.abspath(sys.argv[3])
shots = os.path.abspath(sys.argv[4]) if len(sys.argv) == 5 else None
for lack in (pagekit.missing(engine), None if os.path.exists(AXE) else "axe-core is missing: run scripts/setup.sh"):
    if lack:
        print(f"FAIL: {lack}")
        sys.exit(1)
checks = pagekit.Checks(f"{engine}: " if mode == "wasm" else f"{engine} ({mode}): ")
if mode == "nopolicy":  # the pages as a browser that does not know 'wasm-unsafe-eval' obeys them
    copy = tempfile.TemporaryDirectory()
    out = shutil.copytree(out, os.path.join(copy.name, "web"), ignore=shutil.ignore_patterns("*.zip", "CMake*"))
    for name in ("menivor.html", "site/index.html"):
        pagekit.edit(os.path.join(out, name), " 'wasm-unsafe-eval'", "")
server = pagekit.Server(os.path.join(out, "site"))
single_file = "file://" + os.path.join(out, "menivor.html")
PICKED = "[aria-selected=\"true\"]"


def value(page, id):
    return page.js("return document.getElementById(arguments[0]).value;", id)


def selected_texts(page):
    """The picked entry of the day, month and year lists ("" where none)."""
    return page.js("return [0, 1, 2].map(i => { const e = document.getElementById('List1(' + i + ')')"
                   f".querySelector('{PICKED}'); return e ? e.textContent : ''; }});")


def shown_picture(page):
    """The stored picture that the display shows ("phase4"), by the page's own table."""
    return page.js(
        "const table = JSON.parse(document.getElementById('menivor-pictures').textContent);"
        "const src = document.getElementById('Picture1(9).picture').getAttribute('src');"
        "for (const [name, p] of Object.entries(table)) if (p.plain === src || p.dense === src) return name;"
        "return src;")


def density(page, id="Picture1(0).picture"):
    """Which drawing of its picture an <img> shows: "plain", "dense", or else its address."""
    return page.js(
        "const table = JSON.parse(document.getElementById('menivor-pictures').textContent);"
        "const src = document.getElementById(arguments[0]).getAttribute('src');"
        "for (const p of Object.values(table)) { if (p.plain === src) return 'plain'; if (p.dense === src) return 'dense'; }"
        "return src;", id)


def press(page):
    page.click("Command1")


def active(page):
    return page.js("return document.activeElement.id;")


def open_on(when, zone=None, url=None, **view):
    page = pagekit.open_page(engine, when, zone, wasm=mode != "nowasm", **view)
    try:
        page.goto(url or server.url)
        wait_for_result(page)
    except BaseException:
        page.quit()
        raise
    return page


def wait_for_result(page):
    """Waits until the window shows a result: the date box filled and the display's picture decoded."""
    if not page.until("const box = document.getElementById('Text2');"
                      "const img = document.getElementById('Picture1(9).picture');"
                      "return box && box.value !== '' && img && img.complete && img.naturalWidth > 0;"):
        raise RuntimeError("the page showed no result")


def start_dates():
    # The page opens on the local date's phase (also outside the lists' years); the lists then
    # hold the nearest date they offer, and "Изчисли" shows that date's phase. At the edges of a
    # day, time zones far from UTC tell the local date from UTC's.
    rows = [
        # local time, zone, date box at start, picture, lists (day, month, year), after a press
        ("2014-09-09 12:00:00", None, "09-09-2014", "phase4", ["9", "9", "2014"], "9-9-2014", "phase4"),
        ("1979-12-31 23:59:59", "Pacific/Pago_Pago", "12-31-1979", "phase3", ["31", "12", "1980"], "12-31-1980", "phase6"),
        ("1980-01-01 00:00:00", "Asia/Tokyo", "01-01-1980", "phase4", ["1", "1", "1980"], "1-1-1980", "phase4"),
        ("2016-02-29 12:00:00", None, "02-29-2016", "phase6", ["29", "2", "2016"], "2-29-2016", "phase6"),
        ("2079-12-31 23:59:59", None, "12-31-2079", "phase2", ["31", "12", "2079"], "12-31-2079", "phase2"),
        ("2080-02-29 12:00:00", None, "02-29-2080", "phase2", ["28", "2", "2079"], "2-28-2079", "phase7"),
        ("2100-01-01 12:00:00", None, "01-01-2100", "phase5", ["1", "1", "2079"], "1-1-2079", "phase0"),
    ]
    # The program compiled to JavaScript is the same C++: a few rows show that its arithmetic is.
    for when, zone, text, picture, lists, pressed, after in rows if mode == "wasm" else rows[::3]:
        name = when + (f" in {zone}" if zone else "")
        page = open_on(when, zone)
        try:
            checks.equal(f"{name}: the program runs as WebAssembly" if mode == "wasm" else f"{name}: the program runs as JavaScript",
                         page.js("return !!Module.menivorWasm;"), mode == "wasm")
            checks.equal(f"{name}: the date box at start", value(page, "Text2"), text)
            checks.equal(f"{name}: the phase at start", shown_picture(page), picture)
            checks.equal(f"{name}: the lists at start", selected_texts(page), lists)
            press(page)
            checks.equal(f"{name}: Изчисли writes the lists' date", value(page, "Text2"), pressed)
            checks.equal(f"{name}: Изчисли shows its phase", shown_picture(page), after)
        finally:
            page.quit()


def first_view():
    # What the pupil sees before touching anything, alike in every engine: its first frames.
    page = open_on("2014-09-09 12:00:00")
    try:
        page.js("await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));")
        checks.equal("the reading text opens at its start, the caret before its first character",
                     page.js("const t = document.getElementById('Text1(0)');"
                             "return [t.scrollTop, t.selectionStart, t.selectionEnd];"), [0, 0, 0])
        lists = page.js(
            "return [0, 1, 2].map(i => { const l = document.getElementById('List1(' + i + ')');"
            f" const e = l.querySelector('{PICKED}'); const s = getComputedStyle(e);"
            " const row = e.offsetHeight, top = e.offsetTop - l.scrollTop;"
            # Within a device pixel: an engine may round a scroll to its device pixels.
            " return {inView: top >= -1 && top + row <= l.clientHeight + 1, rows: l.clientHeight / row,"
            " colours: [s.backgroundColor, s.color], focused: document.activeElement === l}; });")
        for name, shown in zip(("day", "month", "year"), lists):
            checks.check(f"today's {name} is wholly in view in its list", shown["inView"], repr(shown))
            checks.equal(f"the {name} list shows 4 whole rows", round(shown["rows"], 3), 4)
            checks.equal(f"today's {name} in the designed selection colours, its list without the focus",
                         [shown["colours"], shown["focused"]], [["rgb(0, 84, 166)", "rgb(255, 255, 255)"], False])
        title = page.js("const h = document.querySelector('h1'); const s = getComputedStyle(h);"
                        "return [document.querySelectorAll('h1').length, h.id, h.textContent, s.fontSize, s.fontWeight];")
        checks.equal("the title label is the page's one level-one heading, in the window's font",
                     title, [1, "Label1(0)", "Физика (Астрономия) - фази на Луната", "16px", "400"])
        checks.equal("the page's theme colour is the window's back colour",
                     page.js("return document.querySelector('meta[name=theme-color]').content;"), "#c0c0ff")
        expected, window_id = page.js("const l = document.querySelector('link[rel=expect][blocking=render]');"
                                      "return [l && l.getAttribute('href'), document.querySelector('main').id];")
        checks.equal("the page draws its first frame once the window is made", expected, "#" + window_id)
        axe = page.js(open(AXE, encoding="utf-8").read() + """
            const r = await axe.run(document, {resultTypes: ['violations', 'incomplete']});
            const brief = list => list.map(x => x.id + ': ' + x.nodes.map(n => n.target.join(' ')).join(', '));
            return {violations: brief(r.violations), incomplete: r.incomplete.map(x => x.id + ' (' + x.nodes.length + ')')};""")
        checks.equal("axe-core finds no violation", axe["violations"], [])
        print(f"NOTE: {engine}: axe-core could not decide: {axe['incomplete'] or 'nothing'}", flush=True)
    finally:
        page.quit()


def mouse_and_keyboard():
    page = open_on("2014-09-09 12:00:00")
    try:
        reading = value(page, "Text1(0)")
        checks.check("the description box opens on the reading text", reading.count("\n") == 7 and "Луната" in reading)
        checks.check("the focus starts in the description box", page.until("return document.activeElement.id === 'Text1(0)';"))
        frame = page.js("const s = getComputedStyle(document.activeElement);"
                        "return [s.outlineStyle, s.outlineWidth, s.outlineColor];")
        checks.equal("the focused control has the red frame", frame, ["solid", "3px", "rgb(170, 0, 0)"])

        # The mouse: day 1 (scroll the list, click the entry), then the button.
        page.js("document.getElementById('List1(0)').scrollTop = 0;")
        page.click("List1(0).0")
        checks.equal("a click picks day 1", selected_texts(page), ["1", "9", "2014"])
        checks.equal("a pick changes no result", value(page, "Text2"), "09-09-2014")
        press(page)
        checks.equal("a press writes 9-1-2014", value(page, "Text2"), "9-1-2014")
        checks.equal("1 September 2014 is the first quarter", shown_picture(page), "phase2")
        description = value(page, "Text1(0)")
        checks.check("the description is one line now", description and "\n" not in description and description != reading)
        width = "return document.getElementById('Picture1(9)').offsetWidth;"
        checks.equal("the display takes a quarter's picture: 46 + 4 pixels wide", page.js(width), 50)

        # The keyboard alone: from the description box, Tab visits the date box, the button and
        # the day, month and year lists; arrows pick; Enter and Space press the button.
        page.click("Text1(0)")
        order = []
        for _ in range(5):
            page.keys(Keys.TAB)
            order.append(active(page))
        checks.equal("Tab's order", order, ["Text2", "Command1", "List1(0)", "List1(1)", "List1(2)"])
        page.keys(Keys.DOWN, (Keys.SHIFT, Keys.TAB), Keys.UP)  # 2015 in the year list, then August
        checks.equal("arrows pick 2015 and August; the day is cleared", selected_texts(page), ["", "8", "2015"])
        checks.equal("the day list holds August's 31 days",
                     page.js("return document.getElementById('List1(0)').children.length;"), 31)
        page.keys((Keys.SHIFT, Keys.TAB), Keys.DOWN)
        checks.equal("Down in the refilled day list picks day 1", selected_texts(page), ["1", "8", "2015"])
        page.keys(Keys.END, (Keys.SHIFT, Keys.TAB), Keys.ENTER)
        checks.equal("End picks the last day; Enter on the button: 8-31-2015", value(page, "Text2"), "8-31-2015")
        checks.equal("31 August 2015 is the full moon", shown_picture(page), "phase4")
        checks.equal("the full moon's display is 52 + 4 pixels wide", page.js(width), 56)
        page.js("document.getElementById('Text2').value = '';")
        page.keys(Keys.SPACE)
        checks.equal("Space on the button presses it too", value(page, "Text2"), "8-31-2015")
        checks.equal("the focus stays on the button", active(page), "Command1")

        # Read-only boxes: typing changes nothing.
        page.click("Text2")
        page.keys("12345")
        checks.equal("typing into the date box changes nothing", value(page, "Text2"), "8-31-2015")
    finally:
        page.quit()


def list_contract():
    page = open_on("2016-01-15 12:00:00")
    try:
        def picked_entry(list_id):
            return page.js(f"return document.getElementById(arguments[0]).querySelector('{PICKED}').id;", list_id)

        page.click(picked_entry("List1(2)"))  # a click on the picked entry: no pick, nothing changes
        checks.equal("a click on the picked year changes nothing", selected_texts(page), ["15", "1", "2016"])
        # Type-ahead in the year list: "2000" picks 2000 (2017 on the way); each year pick
        # refills the day list and clears the day.
        page.keys("2000")
        checks.equal("type-ahead 2000 picks 2000; the day is cleared", selected_texts(page), ["", "1", "2000"])
        page.click(picked_entry("List1(1)"))
        page.keys(Keys.DOWN)
        checks.equal("February picked: the day is cleared", selected_texts(page), ["", "2", "2000"])
        checks.equal("February 2000 has 29 days", page.js("return document.getElementById('List1(0)').children.length;"), 29)
        # Ctrl+click on the picked entry must not leave the list without a pick.
        page.click(picked_entry("List1(1)"), hold=Keys.CONTROL)
        checks.equal("Ctrl+click keeps the month picked", selected_texts(page)[1], "2")
        page.keys(Keys.PAGE_DOWN)
        checks.equal("Page Down moves a page less a row: May", selected_texts(page)[1], "5")
        press(page)
        checks.equal("no day picked: Изчисли takes day 1", value(page, "Text2"), "5-1-2000")
    finally:
        page.quit()


def accessibility():
    page = open_on("2014-09-09 12:00:00")
    try:
        if engine == "chromium":  # the accessibility tree itself: only Chromium's driver shows it
            def tree():
                return [n for n in page.cdp("Accessibility.getFullAXTree")["nodes"] if not n.get("ignored")]

            def named(role):
                return sorted(n.get("name", {}).get("value", "") for n in tree() if n.get("role", {}).get("value") == role)

            checks.equal("the lists by name", named("listbox"), sorted(["Ден", "Месец", "Година"]))
            checks.equal("the button by name", named("button"), ["Изчисли"])
            checks.equal("the text boxes by name", named("textbox"), sorted(["Дата", "Описание"]))
            checks.equal("the title is a heading", named("heading"), ["Физика (Астрономия) - фази на Луната"])
            images = named("image")
            checks.check("two pictures, the cycle and the display, no hidden one",
                         len(images) == 2 and "Лунен цикъл" in images, repr(images))
            checks.check("the quotation is in no name", "Неприятното" not in " ".join(
                n.get("name", {}).get("value", "") for n in tree()))
        checks.check("the quotation box is no part of the page",
                     page.js("return document.getElementById('Text1(1)') === null;"))

        def told():
            return page.js("return [...document.querySelectorAll('[aria-live=polite] *')].map(e => e.textContent);")

        checks.equal("nothing is told before a press", told(), [])
        press(page)
        description = value(page, "Text1(0)")
        result = told()
        checks.check("a press tells its result once", len(result) == 1 and description in result[0], repr(result))
        press(page)
        checks.equal("the same result again is told once more, not twice", told(), result)
    finally:
        page.quit()


def planted_error():
    page = open_on("2014-09-09 12:00:00")
    if engine == "chromium" and mode == "nowasm":  # and, as in Safari before 15.4, no <dialog>
        page.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": "delete HTMLDialogElement.prototype.showModal;"})
        page.reload()
        wait_for_result(page)
        checks.equal("the page has no <dialog> of the browser's", page.js("return typeof HTMLDialogElement.prototype.showModal;"),
                     "undefined")
    spoil = f"document.getElementById('List1(2)').querySelector('{PICKED}').textContent = arguments[0];"
    is_open = "return document.getElementById('RuntimeError').open;"
    try:
        # A year entry that is no number: the press fails in the middle of its handler.
        page.js(spoil, "x")
        press(page)
        checks.check("an error opens the message", page.until("const e = document.getElementById('RuntimeError'); return e && e.open;"))
        checks.equal("the error's heading", page.js("return document.getElementById('RuntimeError.heading').textContent;"),
                     "Грешка при изпълнение")
        checks.equal("the message is framed in the focus colour",
                     page.js("return getComputedStyle(document.getElementById('RuntimeError')).borderTopColor;"),
                     "rgb(170, 0, 0)")
        checks.check("the error's message says what failed",
                     page.js("return document.getElementById('RuntimeError.message').textContent;") != "")
        checks.equal("the date box is put back", value(page, "Text2"), "09-09-2014")
        checks.equal("the display is put back", shown_picture(page), "phase4")
        page.keys(Keys.ESCAPE)
        checks.check("Escape closes the message", page.until("return !document.getElementById('RuntimeError').open;"))
        page.js(spoil, "2014")
        press(page)
        checks.equal("the page goes on working", value(page, "Text2"), "9-9-2014")
        page.js(spoil, "x")
        press(page)
        page.until(is_open)
        page.click("RuntimeError.close")
        checks.check("a second error, closed with OK", not page.js(is_open))
    finally:
        page.quit()


def one_file_and_offline():
    page = open_on("2014-09-09 12:00:00", url=single_file)
    try:
        checks.equal("menivor.html opened as a file shows the full moon", shown_picture(page), "phase4")
        errors = page.console_errors()
        if errors is not None:
            checks.equal("menivor.html: no error in the console", errors, [])
        checks.equal("menivor.html fetches nothing", page.js(
            "return performance.getEntriesByType('resource').map(r => r.name).filter(n => !n.startsWith('data:'));"), [])
        if engine == "chromium":  # a browser from before 2025 decodes the program's code with atob
            page.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": "delete Uint8Array.fromBase64;"})
            page.reload()
            wait_for_result(page)
            checks.equal("without Uint8Array.fromBase64 the page starts", shown_picture(page), "phase4")
            # The page is written all in ASCII: its Bulgarian text as character references.
            page.cdp("Emulation.setScriptExecutionDisabled", {"value": True})
            page.reload()
            checks.equal("without JavaScript the page says, in Bulgarian, that it needs it",
                         page.cdp("Runtime.evaluate", {"expression": "document.body.innerText", "returnByValue": True})
                         ["result"]["value"].strip().split(".")[0], "Menivor е програма и има нужда от JavaScript, за да работи")
    finally:
        page.quit()

    # A server of its own, since this test stops it.
    own_server = pagekit.Server(os.path.join(out, "site"))
    with tempfile.TemporaryDirectory() as profile:
        page = open_on("2014-09-09 12:00:00", url=own_server.url, profile=profile)
        try:
            errors = page.console_errors()
            if errors is not None:
                checks.equal("the site: no error in the console", errors, [])
            checks.equal("the site asks nothing of another origin", page.js(
                "return [...new Set(performance.getEntriesByType('resource').map(r => new URL(r.name).origin))]"
                ".filter(o => o !== arguments[0]);", own_server.url.rstrip("/")), [])
            checks.check("a service worker controls the page",
                         page.until("return navigator.serviceWorker.controller !== null;"))
            stored = page.js("return await caches.keys();")
            checks.check("one cache, named after the release", len(stored) == 1 and stored[0].startswith(f"menivor-{version}-"), repr(stored))
            if engine == "chromium" and mode == "wasm":
                checks.equal("Chromium can install the site as an app",
                             page.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
                checks.equal("the web app manifest has no error", page.cdp("Page.getAppManifest")["errors"], [])
                # Storing the release must not compete with the start: the worker is registered
                # only once the window shows its first result (the date box filled), even where
                # the page's load comes first (held back here, as on a slow processor).
                page.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": """
                    const instantiate = WebAssembly.instantiate;
                    WebAssembly.instantiate = (...given) => (document.readyState === 'complete' ? Promise.resolve()
                            : new Promise(loaded => addEventListener('load', loaded, {once: true})))
                        .then(() => instantiate.apply(WebAssembly, given));
                    const register = ServiceWorkerContainer.prototype.register;
                    ServiceWorkerContainer.prototype.register = function (...given) {
                        const box = document.getElementById('Text2');
                        window.registeredWith = box ? box.value : '';
                        return register.apply(this, given);
                    };"""})
                page.reload()
                checks.check("the worker is registered after the first result",
                             page.until("return !!window.registeredWith;"), page.js("return window.registeredWith;"))
            checks.equal("no cookies, no local storage",
                         page.js("return [document.cookie, localStorage.length, sessionStorage.length];"), ["", 0, 0])
            own_server.stop()
            page.reload()
            wait_for_result(page)
            checks.equal("reloaded with its server stopped, the site still works", shown_picture(page), "phase4")
            press(page)
            checks.equal("... and calculates", value(page, "Text2"), "9-9-2014")
        finally:
            page.quit()


def update():
    # A new release on the server replaces the old one's cache: the page is never served stale.
    with tempfile.TemporaryDirectory() as work, tempfile.TemporaryDirectory() as profile:
        site = os.path.join(work, "site")
        shutil.copytree(os.path.join(out, "site"), site)
        own_server = pagekit.Server(site)
        page = open_on("2014-09-09 12:00:00", url=own_server.url, profile=profile)
        try:
            page.until("return navigator.serviceWorker.controller !== null;")
            old = page.js("return await caches.keys();")
            # The next release: another page, hence another service worker with another cache.
            pagekit.edit(os.path.join(site, "index.html"), "<title>", '<meta name="release" content="next">\n<title>')
            pagekit.edit(os.path.join(site, "sw.js"), old[0], old[0] + "-next")
            page.reload()  # the browser checks sw.js on a navigation and installs the new one
            replaced = pagekit.eventually(lambda: page.js("return await caches.keys();") == [old[0] + "-next"])
            checks.check("a new release's service worker replaces the old cache", replaced)
            page.reload()
            wait_for_result(page)
            checks.equal("after an update the page is the new release's", page.js(
                "const m = document.querySelector('meta[name=release]'); return m && m.content;"), "next")
        finally:
            page.quit()
            own_server.stop()


def boxes_and_phone():
    # At scale 1 (a viewport just larger than the window) every control at its pixels.
    page = open_on("2014-09-01 12:00:00", width=472, height=432)
    try:
        expected = {
            "Label1(0)": [64, 0, 337, 25], "Label2(0)": [272, 32, 57, 25], "Label2(1)": [336, 32, 57, 25],
            "Label2(2)": [400, 32, 57, 25], "List1(0)": [272, 56, 57, 80], "List1(1)": [336, 56, 57, 80],
            "List1(2)": [400, 56, 57, 80], "Text2": [272, 176, 89, 33], "Command1": [376, 176, 81, 33],
            "Picture1(0)": [8, 32, 254, 251], "Picture1(9)": [344, 216, 50, 59], "Text1(0)": [8, 296, 449, 121],
        }
        boxes = page.js("const out = {}; for (const e of document.getElementById('Menivor').children)"
                        " out[e.id] = [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight]; return out;")
        checks.equal("the window's controls, and no hidden one", sorted(boxes), sorted(expected))
        for name, box in expected.items():
            checks.equal(f"{name} at its pixels", boxes.get(name), box)
        window = page.js("const r = document.getElementById('Menivor').getBoundingClientRect();"
                         "return [r.left, r.top, r.width, r.height];")
        checks.equal("the window is 464 x 424 at scale 1, centred", window, [4, 4, 464, 424])
        font = page.js("return getComputedStyle(document.getElementById('Command1')).fontFamily;")
        checks.check("the button's font starts with Times New Roman", font.startswith('"Times New Roman"'), font)
        checks.equal("pictures at 1x at scale 1", [density(page), density(page, "Picture1(9).picture")], ["plain"] * 2)
        checks.equal("the site's first result asks for nothing but the page itself", page.js(
            "return performance.getEntriesByType('resource').map(r => new URL(r.name).pathname)"
            ".filter(p => !/^[/](menivor[.]webmanifest|menivor-192[.]png|sw[.]js)$/.test(p));"), [])
        # The window made larger: the pictures' pixels would be enlarged.
        page.resize(944, 864)
        checks.check("the window scaled up shows the pictures drawn at twice the size",
                     pagekit.eventually(lambda: density(page) == "dense"))
    finally:
        page.quit()

    page = open_on("2014-09-09 12:00:00", width=360, height=740, device_scale=3, mobile=True)
    try:
        checks.check("a phone's dense screen gets the pictures drawn at twice the size",
                     pagekit.eventually(lambda: density(page) == density(page, "Picture1(9).picture") == "dense"))
        # WebKitGTK's MiniBrowser keeps its window at least 447 CSS pixels wide: there the phone is.
        width, height = page.js("return [innerWidth, innerHeight];")
        if width != 360:
            print(f"NOTE: {engine}: the narrowest window is {width} x {height} CSS pixels", flush=True)
        window = page.js("const r = document.getElementById('Menivor').getBoundingClientRect();"
                         "return [r.left, r.top, r.right, r.bottom];")
        checks.check("a phone in portrait shows the whole window",
                     window[0] >= 0 and window[1] >= 0 and window[2] <= width and window[3] <= height, repr(window))
        checks.check("... as wide as the phone allows", window[2] - window[0] >= width - 20, repr(window))
        press(page)
        checks.equal("a tap on Изчисли works on the phone", value(page, "Text2"), "9-9-2014")
        if page.touch:
            fingers(page)
        else:
            print(f"NOTE: {engine}: its driver emulates no touch screen; the finger checks run in the others", flush=True)
    finally:
        page.quit()


def fingers(page):
    checks.check("the phone's pointer is a finger", page.js("return matchMedia('(pointer: coarse)').matches;"))
    # Every target a pupil uses, as shown: the lists' rows, the lists, the button.
    small = page.js(
        "const targets = [...document.querySelectorAll('#Menivor [role=option], #Menivor [role=listbox], #Command1')];"
        "return targets.map(e => [e.id, e.getBoundingClientRect()])"
        ".filter(([id, r]) => r.width < 24 || r.height < 24).map(([id, r]) => id + ' ' + r.width + 'x' + r.height);")
    checks.equal("every target is at least 24 x 24 CSS pixels", small, [])
    rows = page.js("const l = document.getElementById('List1(0)'); return l.clientHeight / l.firstChild.offsetHeight;")
    checks.equal("the lists show 2 whole rows for a finger", round(rows, 3), 2)
    picked = page.js(f"return document.getElementById('List1(0)').querySelector('{PICKED}').nextSibling.id;")
    page.js("const e = document.getElementById(arguments[0]); e.parentNode.scrollTop = e.offsetTop;", picked)
    page.click(picked)
    checks.equal("a tap on the next day picks it", selected_texts(page), ["10", "9", "2014"])


def no_program():
    # Neither program can start (WebAssembly off, and the fallback's file missing from the
    # server): the page says so, in Bulgarian, with what the pupil can do.
    with tempfile.TemporaryDirectory() as work:
        site = shutil.copytree(os.path.join(out, "site"), os.path.join(work, "site"))
        os.remove(os.path.join(site, "menivor-fallback.js"))
        own_server = pagekit.Server(site)
        page = pagekit.open_page(engine, "2014-09-09 12:00:00", wasm=False)
        try:
            page.goto(own_server.url)
            checks.check("no program can start: the page says so",
                         page.until("const p = document.getElementById('StartFailure'); return p && !p.hidden;"))
            checks.equal("... in Bulgarian, with what to do, and no window", page.js(
                "return [document.getElementById('StartFailure').innerText.split('.')[0], document.getElementById('Menivor')];"),
                ["Menivor не може да започне в този браузър", None])
        finally:
            page.quit()
            own_server.stop()


def screenshots():
    # For people to look at: the window on 16 September 2014 on a desktop and on a phone.
    for name, view in (("desktop", {"width": 1280, "height": 800}),
                       ("phone", {"width": 360, "height": 740, "device_scale": 2, "mobile": True})):
        page = open_on("2014-09-16 12:00:00", **view)
        try:
            page.screenshot(os.path.join(shots, f"screenshot-web-{engine}{'' if mode == 'wasm' else '-' + mode}-{name}.png"))
        finally:
            page.quit()


try:
    if mode == "wasm":
        scenarios = (start_dates, first_view, mouse_and_keyboard, list_contract, accessibility, planted_error,
                     one_file_and_offline, update, boxes_and_phone)
    else:
        scenarios = (start_dates, mouse_and_keyboard, list_contract, planted_error, one_file_and_offline) + (
            (no_program,) if mode == "nowasm" else ())
    scenarios += (screenshots,) if shots else ()
    for test in scenarios:
        try:
            test()
        except Exception as error:  # one broken scenario must not hide the others' results
            checks.check(f"{test.__name__} ran to its end", False, f"{type(error).__name__}: {error}")
finally:
    try:
        server.stop()
    except Exception:
        pass
checks.finish()
