"""Drives the real program through AT-SPI as a screen reader would.

Usage: check_program.py PROGRAM_FOLDER. The folder holds a copy of the program and its
databases with one business, "Acme Bakery". Every wait is bounded; the program is
ended on the way out whatever happens.
"""
import os
import sqlite3
import subprocess
import sys
import time

import pyatspi

folder = sys.argv[1]
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def wait_for(find, what, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    raise SystemExit("gave up waiting for " + what)


def program_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "tallowmere":
            return app
    return None


def top_window(app, caption):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == caption:
            return window
    return None


def descendant(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and a.name == name)


def press(window, caption):
    button = descendant(window, pyatspi.ROLE_PUSH_BUTTON, caption)
    check(button is not None, "button %r found by its name" % caption)
    button.queryAction().doAction(0)


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
program = subprocess.Popen([os.path.join(folder, "tallowmere")], env=env)
try:
    app = wait_for(program_app, "the program on the accessibility bus")
    main = wait_for(lambda: top_window(app, "General Business Information"), "the main form")
    check(main.getRole() == pyatspi.ROLE_FRAME, "main form is a frame (%s)" % main.getRoleName())

    press(main, "Business Purpose")
    purpose = wait_for(lambda: top_window(app, "Business Purpose"), "the Business Purpose window")
    check(purpose.getRole() == pyatspi.ROLE_FRAME, "Business Purpose is a frame (%s)" % purpose.getRoleName())
    press(purpose, "Close")

    press(main, "Edit")
    name_box = wait_for(lambda: descendant(main, pyatspi.ROLE_TEXT, "Busnines Name:"), "the name box")
    name_box.queryEditableText().insertText(0, "The ", 4)
    city_box = descendant(main, pyatspi.ROLE_TEXT, "Business City:")
    city_box.queryEditableText().setTextContents("Hull")
    press(main, "Update")

    def stored():
        with sqlite3.connect(os.path.join(folder, "Tallowmere.db")) as connection:
            row = connection.execute("select BusninesName, BusinessCity from BusinessInformation").fetchone()
        return row if row == ("The Acme Bakery", "Hull") else None

    try:
        wait_for(stored, "the inserted text in the database", seconds=10)
        check(True, "text inserted through the accessibility interface is stored")
    except SystemExit:
        check(False, "text inserted through the accessibility interface is stored")

    press(main, "Exit")
    program.wait(timeout=20)
    check(program.returncode == 0, "Exit ends the program normally")
finally:
    if program.poll() is None:
        program.kill()
        program.wait()

sys.exit(1 if failures else 0)
