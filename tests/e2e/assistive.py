# SPDX-FileCopyrightText: 2026 The Menivor developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the real program over AT-SPI, the way a screen reader or switch access does: finds the
controls by their Bulgarian names, picks 31 December 2079 through the list items' actions,
presses "Изчисли" through its action, and reads the date, the description and the display's name.
Run it under dbus-run-session on an X server (scripts/with-xvfb.sh): assistive.py <menivor executable>
"""
import glob
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = 0
passes = 0


def check(what, ok, detail=""):
    global failures, passes
    if ok:
        passes += 1
        print("PASS:", what, flush=True)
    else:
        failures += 1
        print("FAIL:", what, detail, flush=True)


def find(node, wanted):
    if node is None:
        return None
    if wanted(node):
        return node
    for child in node:
        found = find(child, wanted)
        if found is not None:
            return found
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


# Roles by AT-SPI's constants: their names as text differ between releases ("push button" on
# Debian 12, "button" on Debian 13).
PUSH_BUTTON = getattr(pyatspi, "ROLE_PUSH_BUTTON", None) or pyatspi.ROLE_BUTTON
ROLES = {"list": pyatspi.ROLE_LIST, "list item": pyatspi.ROLE_LIST_ITEM, "push button": PUSH_BUTTON,
         "text": pyatspi.ROLE_TEXT, "image": pyatspi.ROLE_IMAGE, "application": pyatspi.ROLE_APPLICATION}


def named(app, role, name):
    return find(app, lambda n: n.getRole() == ROLES[role] and n.name == name and showing(n))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def pump(seconds):
    """Delivers the accessibility events that arrive within the given time."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:  # bounded even while events keep coming
        if not context.iteration(False):
            time.sleep(0.02)


def wait_until(condition, seconds=5.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        pump(0.1)
    return condition()


class Events:
    """The events a screen reader would hear of: text put into a box, focus moving, and what is
    told to the user: an announcement (Qt 6.8 and later) or, before that, a notification that
    shows."""

    def __init__(self):
        self.inserted = []  # (box name, text)
        self.focused = []   # (role, name) of what claimed the focus
        self.told = []      # what an announcement or the button's new description said
        pyatspi.Registry.registerEventListener(self.on_insert, "object:text-changed:insert")
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self.on_showing, "object:state-changed:showing")
        try:
            pyatspi.Registry.registerEventListener(self.on_announcement, "object:announcement")
        except Exception:  # an AT-SPI without announcements
            pass

    def on_showing(self, event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.told.append(event.source.name)

    def on_announcement(self, event):
        self.told.append(str(event.any_data))

    def on_insert(self, event):
        self.inserted.append((event.source.name, str(event.any_data)))

    def on_focus(self, event):
        if event.detail1:
            self.focused.append((event.source.getRole(), event.source.name))

    def clear(self):
        pump(0.5)  # whatever was still on its way
        self.inserted.clear()
        self.focused.clear()
        self.told.clear()

    def announced(self, text):
        return [entry for entry in self.inserted if entry == ("Описание", text)]


def pick(app, list_name, entry):
    """Selects the entry through its action, as assistive technology does."""
    listing = named(app, "list", list_name)
    item = find(listing, lambda n: n.getRole() == ROLES["list item"] and n.name == entry)
    action = item.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Toggle"))
    return wait_until(lambda: item.getState().contains(pyatspi.STATE_SELECTED))


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # libfaketime is preloaded ahead of AddressSanitizer, which ASan accepts only when told.
    env["ASAN_OPTIONS"] = (env.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0").lstrip(":")
    # libfaketime preloaded into the program itself (not the faketime wrapper, which would run it
    # as a child and leave a semaphore behind when it is killed).
    env["LD_PRELOAD"] = sorted(glob.glob("/usr/lib/*/faketime/libfaketime.so.1"))[0]
    env["FAKETIME"] = "@2014-09-09 12:00:00"  # starts there, and the clock runs on
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = None
        deadline = time.monotonic() + 30
        while app is None and time.monotonic() < deadline and program.poll() is None:
            app = find(pyatspi.Registry.getDesktop(0),
                       lambda n: n.getRole() == ROLES["application"] and n.name == "menivor")
            time.sleep(0.2)
        check("the program is on the accessibility bus", app is not None,
              f"(it ended with status {program.returncode})" if program.poll() is not None else "")
        if app is None:
            return
        wait_until(lambda: named(app, "push button", "Изчисли") is not None)
        for role, name in [("list", "Ден"), ("list", "Месец"), ("list", "Година"),
                           ("push button", "Изчисли"), ("text", "Дата"), ("text", "Описание"),
                           ("image", "Лунен цикъл")]:
            check(f"a {role} named {name}", named(app, role, name) is not None)
        display = named(app, "image", "Пълнолуние")
        check("the display names the phase of 9 September 2014", display is not None)
        description = named(app, "text", "Описание")
        caret = description.queryText().caretOffset
        check("reading starts at the top: the description's caret at 0", caret == 0, f"({caret})")
        images = []
        find(app, lambda n: n.getRole() == pyatspi.ROLE_IMAGE and images.append(n.name))
        check("no hidden phase picture in the tree: two images", len(images) == 2, str(images))
        check("no hidden quotation in the tree",
              find(app, lambda n: n.getRole() == pyatspi.ROLE_TEXT and "Неприятното" in text_of(n)) is None)
        events = Events()

        check("month 12 picked", pick(app, "Месец", "12"))
        check("year 2079 picked", pick(app, "Година", "2079"))
        check("day 31 picked", pick(app, "Ден", "31"))
        button = named(app, "push button", "Изчисли").queryAction()
        events.clear()
        button.doAction([button.getName(i) for i in range(button.nActions)].index("Press"))
        date = named(app, "text", "Дата")
        check("the date box reads 12-31-2079", wait_until(lambda: text_of(date) == "12-31-2079"),
              text_of(date))
        description = named(app, "text", "Описание")
        expected = "Нарастване - дясна осветена част първа четвърт"
        check("the description is the first quarter's",
              wait_until(lambda: text_of(description) == expected), text_of(description))
        check("the display is named Първа четвърт",
              wait_until(lambda: named(app, "image", "Първа четвърт") is not None))
        pump(0.5)
        check("the new description reaches the bus once", len(events.announced(expected)) == 1,
              str(events.inserted))
        check("the result is told once: the phase's name and description",
              events.told == ["Първа четвърт. " + expected], str(events.told))

        # A month pick leaves no day picked: the press picks day 1 itself, and nothing claims
        # the focus for that entry (the user did not move there).
        check("month 6 picked", pick(app, "Месец", "6"))
        events.clear()
        button.doAction([button.getName(i) for i in range(button.nActions)].index("Press"))
        check("the date box reads 6-1-2079", wait_until(lambda: text_of(date) == "6-1-2079"), text_of(date))
        pump(0.5)
        expected = "Новолуние - Луната е обърната с тъмната си страна към Земята"
        check("the description of 6-1-2079 reaches the bus once", len(events.announced(expected)) == 1,
              str(events.inserted))
        check("the result of 6-1-2079 is told once", events.told == ["Новолуние. " + expected], str(events.told))
        check("no list entry claims the focus", not [f for f in events.focused if f[0] == ROLES["list item"]],
              str(events.focused))

        # The lock holds against edits through the accessible interface too.
        date.queryEditableText().setTextContents("ЗЛО")
        time.sleep(0.3)
        check("the date box cannot be edited over AT-SPI", text_of(date) == "6-1-2079", text_of(date))
    finally:
        program.terminate()
        program.wait(timeout=10)


main()
print(f"{passes} passed, {failures} failed")
sys.exit(1 if failures or not passes else 0)
