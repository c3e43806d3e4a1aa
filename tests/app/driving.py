"""Drives the program through the accessibility tree, as a screen reader or a
user with a keyboard would: finds controls by their role and name, presses
them, reads them. Shared by the tests that run the real program on a virtual
display with a session bus of its own (scripts/with-display, dbus-run-session).
"""
import time

import pyatspi

TIMEOUT = 20.0


def wait_for(what, find, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes while it is read
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    raise AssertionError("not found: " + what)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name=None, description=None, description_start=None, showing=True):
    for node in descendants(root):
        if node.getRole() != role:
            continue
        if name is not None and node.name != name:
            continue
        if description is not None and node.description != description:
            continue
        if description_start is not None and not node.description.startswith(description_start):
            continue
        if not showing or node.getState().contains(pyatspi.STATE_SHOWING):
            return node
    return None


def program(pid=None):
    """The running program's application node; of the process pid, if given."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "vq-rudraksha-numerology":
            continue
        if pid is None or app.get_process_id() == pid:
            return app
    return None


def press(node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) in ("press", "Press", "click", "toggle", "Toggle"):
            actions.doAction(i)
            return
    raise AssertionError("no press action on " + node.name)


def click(node):
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, "b1c")


def menu_item(app, name):
    """A menu entry by its name, whether its menu is open or not."""
    return find(app, pyatspi.ROLE_MENU_ITEM, name, showing=False)


def menu_items(app):
    return [node.name for node in descendants(app) if node.getRole() == pyatspi.ROLE_MENU_ITEM]
