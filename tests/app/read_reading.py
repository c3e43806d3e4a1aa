#!/usr/bin/env python3
"""Reads a reading back through the accessibility tree, as a screen reader would.

Starts the program with its accessibility bridge on, types a name and picks a
birth date through the tree, presses the reading button and reads both result
pages back. Run under a display and a session bus:

    run.sh PROGRAM   (starts a display and a session bus, then this script)
"""
import os
import subprocess
import sys
import tempfile

import pyatspi

from driving import click, find, press, program, wait_for

PROGRAM = sys.argv[1]


TAB = 0xFF09


def choose_next(app, combo_name, entry):
    """Moves on with Tab to the next drop-down list and types the entry, as a keyboard user does."""
    combo = wait_for(combo_name, lambda: find(app, pyatspi.ROLE_COMBO_BOX, description=combo_name))
    pyatspi.Registry.generateKeyboardEvent(TAB, None, pyatspi.KEY_SYM)
    wait_for(combo_name + " focused", lambda: combo.getState().contains(pyatspi.STATE_FOCUSED) or None)
    pyatspi.Registry.generateKeyboardEvent(0, entry, pyatspi.KEY_STRING)
    wait_for(f"{combo_name} = {entry}", lambda: combo.name == entry or None)


def value(app, description):
    label = wait_for(description, lambda: find(app, pyatspi.ROLE_LABEL, description=description))
    return label.name


def expect_values(app, expected_values):
    """Each value label, found by what it holds, reads as expected."""
    for description, expected in expected_values.items():
        actual = value(app, description)
        assert actual == expected, f"{description}: {actual!r}, expected {expected!r}"


def expect_number(app, page, expected, working):
    """The page's number label holds the number and says how it was reached after what it is."""
    start = page + " number: "
    label = wait_for(start, lambda: find(app, pyatspi.ROLE_LABEL, description_start=start))
    assert label.name == expected, f"{page} number: {label.name!r}, expected {expected!r}"
    assert label.description == start + working, f"{page} number: {label.description!r}"


def text_of(app, name):
    box = wait_for(name, lambda: find(app, pyatspi.ROLE_TEXT, name))
    return box.queryText().getText(0, -1)


def main():
    home = tempfile.mkdtemp()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", HOME=home,
               XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_RUNTIME_DIR=tempfile.mkdtemp())
    process = subprocess.Popen([PROGRAM], env=env)
    try:
        app = wait_for("the program", program)
        name = wait_for("Name", lambda: find(app, pyatspi.ROLE_TEXT, "Name"))
        # A click into the name box activates the window (there is no window manager).
        click(name)
        wait_for("Name focused", lambda: name.getState().contains(pyatspi.STATE_FOCUSED) or None)
        name.queryEditableText().setTextContents("John Smith")
        choose_next(app, "Birth day", "15")
        choose_next(app, "Birth month", "August")
        choose_next(app, "Birth year", "1985")
        press(wait_for("reading button",
                       lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Get My Rudraksha Numerology Reading")))

        expect_number(app, "Life path", "1", "15 + 8 + 1985 = 2008 \u2192 2 + 0 + 0 + 8 = 10 \u2192 1 + 0 = 1")
        expect_values(app, {
            "Life path rudraksh name": "ONE MUKHI RUDRAKSHA",
            "Life path ruling planet": "Sun",
            "Life path symbol": "Lord Shiva",
        })
        assert text_of(app, "Life path personality text").startswith("Your main purpose should be attaining")
        assert find(app, pyatspi.ROLE_LABEL, "Symbol of the Sun") or \
            find(app, pyatspi.ROLE_IMAGE, "Symbol of the Sun"), "the Sun's picture has no description"

        press(wait_for("destiny tab", lambda: find(app, pyatspi.ROLE_PAGE_TAB, "Rudraksh Based On Destiny Number")))
        expect_number(app, "Destiny", "8", "J 1 + O 6 + H 8 + N 5 + S 1 + M 4 + I 9 + T 2 + H 8 = 44 \u2192 4 + 4 = 8")
        expect_values(app, {
            "Destiny rudraksh name": "EIGHT MUKHI RUDRAKSHA",
            "Destiny ruling planet": "Rahu",
            "Destiny symbol": "Lord Ganesh",
            "Destiny day to wear": "Monday",
        })
        assert text_of(app, "Destiny planet text") == "NA"
        print("read both pages through the accessibility tree: OK")
    finally:
        process.kill()
        process.wait()


if __name__ == "__main__":
    main()
