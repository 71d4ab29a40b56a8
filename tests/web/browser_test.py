#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page in a real browser (Debian's headless Chromium): start-up on faked dates, a mouse
pick and press, the keyboard alone, the list contract on the page's lists, what a screen reader
gets, a planted error, the one-file page opened as a file, the site reloaded offline, every
control's box at scale 1 and the whole window on a phone.

usage: browser_test.py <folder with menivor.html and site/>
"""
import os
import shutil
import sys
import tempfile

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pagekit  # noqa: E402
from pagekit import selected_texts, shown_picture, value, wait_for_result  # noqa: E402

out = os.path.abspath(sys.argv[1])
pagekit.require_browser()
checks = pagekit.Checks()
server = pagekit.Server(os.path.join(out, "site"))
single_file = "file://" + os.path.join(out, "menivor.html")


def press(driver):
    driver.find_element(By.ID, "Command1").click()


def open_on(when, zone=None, url=None, width=800, height=600, device_scale=1, mobile=False):
    driver = pagekit.browser(width, height, device_scale=device_scale, mobile=mobile)
    pagekit.fake_today(driver, when, zone)
    driver.get(url or server.url)
    wait_for_result(driver)
    return driver


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
    for when, zone, text, picture, lists, pressed, after in rows:
        name = when + (f" in {zone}" if zone else "")
        driver = open_on(when, zone)
        try:
            checks.equal(f"{name}: the date box at start", value(driver, "Text2"), text)
            checks.equal(f"{name}: the phase at start", shown_picture(driver), picture)
            checks.equal(f"{name}: the lists at start", selected_texts(driver), lists)
            press(driver)
            checks.equal(f"{name}: Изчисли writes the lists' date", value(driver, "Text2"), pressed)
            checks.equal(f"{name}: Изчисли shows its phase", shown_picture(driver), after)
        finally:
            driver.quit()


def mouse_and_keyboard():
    driver = open_on("2014-09-09 12:00:00")
    try:
        reading = value(driver, "Text1(0)")
        checks.check("the description box opens on the reading text", reading.count("\n") == 7 and "Луната" in reading)
        starts = pagekit.eventually(lambda: driver.switch_to.active_element.get_attribute("id") == "Text1(0)")
        checks.check("the focus starts in the description box", starts)
        frame = driver.execute_script("const s = getComputedStyle(document.activeElement);"
                                      "return [s.outlineStyle, s.outlineWidth, s.outlineColor];")
        checks.equal("the focused control has the red frame", frame, ["solid", "3px", "rgb(170, 0, 0)"])

        # The mouse: day 1 (scroll the list, click the entry), then the button.
        day = driver.find_element(By.ID, "List1(0)")
        driver.execute_script("arguments[0].scrollTop = 0;", day)
        day.find_elements(By.TAG_NAME, "option")[0].click()
        checks.equal("a click picks day 1", selected_texts(driver), ["1", "9", "2014"])
        checks.equal("a pick changes no result", value(driver, "Text2"), "09-09-2014")
        press(driver)
        checks.equal("a press writes 9-1-2014", value(driver, "Text2"), "9-1-2014")
        checks.equal("1 September 2014 is the first quarter", shown_picture(driver), "phase2")
        description = value(driver, "Text1(0)")
        checks.check("the description is one line now", description and "\n" not in description and description != reading)
        width = driver.execute_script("return document.getElementById('Picture1(9)').offsetWidth;")
        checks.equal("the display takes a quarter's picture: 46 + 4 pixels wide", width, 50)

        # The keyboard alone: from the description box, Tab visits the date box, the button and
        # the day, month and year lists; arrows pick; Enter and Space press the button.
        driver.find_element(By.ID, "Text1(0)").click()
        order = []
        for _ in range(5):
            ActionChains(driver).send_keys(Keys.TAB).perform()
            order.append(driver.switch_to.active_element.get_attribute("id"))
        checks.equal("Tab's order", order, ["Text2", "Command1", "List1(0)", "List1(1)", "List1(2)"])
        actions = ActionChains(driver)
        actions.send_keys(Keys.DOWN)                                          # 2015 in the year list
        actions.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT)   # the month list
        actions.send_keys(Keys.UP)                                            # August
        actions.perform()
        checks.equal("arrows pick 2015 and August; the day is cleared", selected_texts(driver), ["", "8", "2015"])
        checks.equal("the day list holds August's 31 days",
                     driver.execute_script("return document.getElementById('List1(0)').length;"), 31)
        ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).send_keys(Keys.DOWN).perform()
        checks.equal("Down in the refilled day list picks day 1", selected_texts(driver), ["1", "8", "2015"])
        ActionChains(driver).send_keys(Keys.END).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        ActionChains(driver).send_keys(Keys.ENTER).perform()
        checks.equal("Enter on the button: 8-31-2015", value(driver, "Text2"), "8-31-2015")
        checks.equal("31 August 2015 is the full moon", shown_picture(driver), "phase4")
        checks.equal("the full moon's display is 52 + 4 pixels wide",
                     driver.execute_script("return document.getElementById('Picture1(9)').offsetWidth;"), 56)
        driver.execute_script("document.getElementById('Text2').value = '';")
        ActionChains(driver).send_keys(Keys.SPACE).perform()
        checks.equal("Space on the button presses it too", value(driver, "Text2"), "8-31-2015")
        checks.equal("the focus stays on the button", driver.switch_to.active_element.get_attribute("id"), "Command1")

        # Read-only boxes: typing changes nothing.
        box = driver.find_element(By.ID, "Text2")
        box.click()
        ActionChains(driver).send_keys("12345").perform()
        checks.equal("typing into the date box changes nothing", value(driver, "Text2"), "8-31-2015")
    finally:
        driver.quit()


def list_contract():
    driver = open_on("2016-01-15 12:00:00")
    try:
        def picked_entry(list_id):
            return driver.execute_script("const l = document.getElementById(arguments[0]);"
                                         "return l.options[l.selectedIndex];", list_id)

        months = driver.find_element(By.ID, "List1(1)")
        picked_entry("List1(2)").click()  # a click on the picked entry: no pick, nothing changes
        checks.equal("a click on the picked year changes nothing", selected_texts(driver), ["15", "1", "2016"])
        # Type-ahead in the year list: "2000" picks 2000 (the page picks 2025 on the way); each
        # year pick refills the day list and clears the day.
        ActionChains(driver).send_keys("2000").perform()
        checks.equal("type-ahead 2000 picks 2000; the day is cleared", selected_texts(driver), ["", "1", "2000"])
        picked_entry("List1(1)").click()
        ActionChains(driver).send_keys(Keys.DOWN).perform()
        checks.equal("February picked: the day is cleared", selected_texts(driver), ["", "2", "2000"])
        checks.equal("February 2000 has 29 days", driver.execute_script("return document.getElementById('List1(0)').length;"), 29)
        # Ctrl+click on the picked entry must not leave the list without a pick.
        option = months.find_elements(By.TAG_NAME, "option")[1]
        ActionChains(driver).key_down(Keys.CONTROL).click(option).key_up(Keys.CONTROL).perform()
        checks.equal("Ctrl+click keeps the month picked", selected_texts(driver)[1], "2")
        # A removed selection (as other browsers allow) is put back by the layer.
        driver.execute_script("const l = document.getElementById('List1(1)'); l.selectedIndex = -1;"
                              "l.dispatchEvent(new Event('change'));")
        checks.equal("a selection removed by the user comes back", selected_texts(driver), ["", "2", "2000"])
        press(driver)
        checks.equal("no day picked: Изчисли takes day 1", value(driver, "Text2"), "2-1-2000")
    finally:
        driver.quit()


def accessibility():
    driver = open_on("2014-09-09 12:00:00")
    try:
        def tree():
            nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
            return [n for n in nodes if not n.get("ignored")]

        def named(role):
            return sorted(n.get("name", {}).get("value", "") for n in tree() if n.get("role", {}).get("value") == role)

        checks.equal("the lists by name", named("listbox"), sorted(["Ден", "Месец", "Година"]))
        checks.equal("the button by name", named("button"), ["Изчисли"])
        checks.equal("the text boxes by name", named("textbox"), sorted(["Дата", "Описание"]))
        images = named("image")
        checks.check("two pictures, the cycle and the display, no hidden one",
                     len(images) == 2 and "Лунен цикъл" in images, repr(images))
        names = " ".join(n.get("name", {}).get("value", "") for n in tree())
        checks.check("the quotation box is no part of the page", "Неприятното" not in names and
                     driver.execute_script("return document.getElementById('Text1(1)');") is None)

        def told():
            return driver.execute_script("return [...document.querySelectorAll('[aria-live=polite] *')].map(e => e.textContent);")

        checks.equal("nothing is told before a press", told(), [])
        press(driver)
        description = value(driver, "Text1(0)")
        result = told()
        checks.check("a press tells its result once", len(result) == 1 and description in result[0], repr(result))
        press(driver)
        checks.equal("the same result again is told once more, not twice", told(), result)
        live = [n for n in tree() if any(p.get("name") == "live" and p.get("value", {}).get("value") == "polite"
                                          for p in n.get("properties", []))]
        checks.check("a polite live region is in the tree", len(live) >= 1)
    finally:
        driver.quit()


def planted_error():
    driver = open_on("2014-09-09 12:00:00")
    try:
        # A year entry that is no number: the press fails in the middle of its handler.
        driver.execute_script("const l = document.getElementById('List1(2)'); l.options[l.selectedIndex].text = 'x';")
        press(driver)
        WebDriverWait(driver, pagekit.WAIT_SECONDS).until(
            lambda d: d.execute_script("const e = document.getElementById('RuntimeError'); return e && e.open;"))
        checks.equal("the error's heading", driver.find_element(By.ID, "RuntimeError.heading").text, "Грешка при изпълнение")
        checks.check("the error's message says what failed", driver.find_element(By.ID, "RuntimeError.message").text != "")
        checks.equal("the date box is put back", value(driver, "Text2"), "09-09-2014")
        checks.equal("the display is put back", shown_picture(driver), "phase4")
        ActionChains(driver).send_keys(Keys.ESCAPE).perform()
        checks.check("Escape closes the message", not driver.execute_script("return document.getElementById('RuntimeError').open;"))
        driver.execute_script("const l = document.getElementById('List1(2)'); l.options[l.selectedIndex].text = '2014';")
        press(driver)
        checks.equal("the page goes on working", value(driver, "Text2"), "9-9-2014")
        driver.execute_script("const l = document.getElementById('List1(2)'); l.options[l.selectedIndex].text = 'x';")
        press(driver)
        driver.find_element(By.ID, "RuntimeError.close").click()
        checks.check("a second error, closed with OK", not driver.execute_script("return document.getElementById('RuntimeError').open;"))
    finally:
        driver.quit()


def one_file_and_offline():
    driver = open_on("2014-09-09 12:00:00", url=single_file)
    try:
        checks.equal("menivor.html opened as a file shows the full moon", shown_picture(driver), "phase4")
        checks.equal("menivor.html: no error in the console", pagekit.console_errors(driver), [])
        requests = driver.execute_script("return performance.getEntriesByType('resource').map(r => r.name);")
        checks.equal("menivor.html fetches nothing", requests, [])
    finally:
        driver.quit()

    # A server of its own, since this test stops it.
    own_server = pagekit.Server(os.path.join(out, "site"))
    with tempfile.TemporaryDirectory() as profile:
        driver = pagekit.browser(user_data_dir=profile)
        try:
            pagekit.fake_today(driver, "2014-09-09 12:00:00")
            driver.get(own_server.url)
            wait_for_result(driver)
            checks.equal("the site: no error in the console", pagekit.console_errors(driver), [])
            origins = driver.execute_script("return [...new Set(performance.getEntriesByType('resource')"
                                            ".map(r => new URL(r.name).origin))];")
            checks.equal("the site asks nothing of another origin", origins, [own_server.url.rstrip("/")])
            WebDriverWait(driver, pagekit.WAIT_SECONDS).until(
                lambda d: d.execute_script("return navigator.serviceWorker.controller !== null;"))
            stored = driver.execute_async_script(
                "const done = arguments[0]; caches.keys().then(k => done(k));")
            checks.check("one cache, named after the release", len(stored) == 1 and stored[0].startswith("menivor-1.00-"), repr(stored))
            checks.equal("Chromium can install the site as an app",
                         driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"], [])
            checks.equal("the web app manifest has no error", driver.execute_cdp_cmd("Page.getAppManifest", {})["errors"], [])
            checks.equal("no cookies, no local storage",
                         driver.execute_script("return [document.cookie, localStorage.length, sessionStorage.length];"),
                         ["", 0, 0])
            own_server.stop()
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            driver.refresh()
            wait_for_result(driver)
            checks.equal("reloaded with its server stopped, the site still works", shown_picture(driver), "phase4")
            press(driver)
            checks.equal("... and calculates", value(driver, "Text2"), "9-9-2014")
        finally:
            driver.quit()


def update():
    # A new release on the server replaces the old one's cache: the page is never served stale.
    with tempfile.TemporaryDirectory() as work, tempfile.TemporaryDirectory() as profile:
        site = os.path.join(work, "site")
        shutil.copytree(os.path.join(out, "site"), site)
        own_server = pagekit.Server(site)
        driver = pagekit.browser(user_data_dir=profile)
        try:
            pagekit.fake_today(driver, "2014-09-09 12:00:00")
            driver.get(own_server.url)
            wait_for_result(driver)
            WebDriverWait(driver, pagekit.WAIT_SECONDS).until(
                lambda d: d.execute_script("return navigator.serviceWorker.controller !== null;"))
            old = driver.execute_async_script("const done = arguments[0]; caches.keys().then(done);")
            # The next release: another page, hence another service worker with another cache.
            for name, old_text, new_text in (("index.html", "<title>", '<meta name="release" content="next">\n<title>'),
                                              ("sw.js", old[0], old[0] + "-next")):
                path = os.path.join(site, name)
                text = open(path, encoding="utf-8").read()
                with open(path, "w", encoding="utf-8") as file:
                    file.write(text.replace(old_text, new_text, 1))
            driver.refresh()  # the browser checks sw.js on a navigation and installs the new one
            replaced = pagekit.eventually(lambda: driver.execute_async_script(
                "const done = arguments[0]; caches.keys().then(done);") == [old[0] + "-next"])
            checks.check("a new release's service worker replaces the old cache", replaced)
            driver.refresh()
            wait_for_result(driver)
            checks.equal("after an update the page is the new release's", driver.execute_script(
                "const m = document.querySelector('meta[name=release]'); return m && m.content;"), "next")
        finally:
            driver.quit()
            own_server.stop()


def boxes_and_phone():
    # At scale 1 (a viewport just larger than the window) every control at its pixels.
    driver = open_on("2014-09-01 12:00:00", width=472, height=432)
    try:
        expected = {
            "Label1(0)": [64, 0, 337, 25], "Label2(0)": [272, 32, 57, 25], "Label2(1)": [336, 32, 57, 25],
            "Label2(2)": [400, 32, 57, 25], "List1(0)": [272, 56, 57, 80], "List1(1)": [336, 56, 57, 80],
            "List1(2)": [400, 56, 57, 80], "Text2": [272, 176, 89, 33], "Command1": [376, 176, 81, 33],
            "Picture1(0)": [8, 32, 254, 251], "Picture1(9)": [344, 216, 50, 59], "Text1(0)": [8, 296, 449, 121],
        }
        boxes = driver.execute_script(
            "const out = {}; for (const e of document.getElementById('Menivor').children)"
            " out[e.id] = [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight]; return out;")
        checks.equal("the window's controls, and no hidden one", sorted(boxes), sorted(expected))
        for name, box in expected.items():
            checks.equal(f"{name} at its pixels", boxes.get(name), box)
        window = driver.execute_script("const r = document.getElementById('Menivor').getBoundingClientRect();"
                                       "return [r.left, r.top, r.width, r.height];")
        checks.equal("the window is 464 x 424 at scale 1, centred", window, [4, 4, 464, 424])
        font = driver.execute_script("return getComputedStyle(document.getElementById('Command1')).fontFamily;")
        checks.check("the button's font starts with Times New Roman", font.startswith('"Times New Roman"'), font)
        cycle = "return document.getElementById('Picture1(0).picture').getAttribute('src');"
        checks.equal("pictures at 1x at scale 1", driver.execute_script(cycle), "pictures/cycle.jpg")
        # The window made larger: the pictures' pixels would be enlarged.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 944, "height": 864, "deviceScaleFactor": 1, "mobile": False})
        checks.check("the window scaled up shows the pictures drawn at twice the size",
                     pagekit.eventually(lambda: driver.execute_script(cycle) == "pictures/cycle@2x.jpg"))
    finally:
        driver.quit()

    driver = open_on("2014-09-09 12:00:00", width=360, height=740, device_scale=3, mobile=True)
    try:
        checks.equal("a phone's dense screen gets the pictures drawn at twice the size", driver.execute_script(
            "return document.getElementById('Picture1(0).picture').getAttribute('src');"), "pictures/cycle@2x.jpg")
        window = driver.execute_script("const r = document.getElementById('Menivor').getBoundingClientRect();"
                                       "return [r.left, r.top, r.right, r.bottom];")
        checks.check("a phone in portrait shows the whole window",
                     window[0] >= 0 and window[1] >= 0 and window[2] <= 360 and window[3] <= 740, repr(window))
        checks.check("... as wide as the phone allows", window[2] - window[0] >= 340, repr(window))
        press(driver)
        checks.equal("a tap on Изчисли works on the phone", value(driver, "Text2"), "9-9-2014")
    finally:
        driver.quit()


try:
    for test in (start_dates, mouse_and_keyboard, list_contract, accessibility, planted_error,
                 one_file_and_offline, update, boxes_and_phone):
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
