"""Small helpers over pyatspi for the desktop tests: find vtutil in the
accessibility tree, look for controls, press them, send keys."""
import subprocess
import sys
import time

import pyatspi


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = find()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def application(name):
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        return None
    return wait_for("the application " + name, find)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find_all(root, role=None, name=None, contains=None):
    found = []
    for node in walk(root):
        if role is not None and node.getRole() != role:
            continue
        if name is not None and node.name != name:
            continue
        if contains is not None and contains not in node.name:
            continue
        found.append(node)
    return found


def find(root, role, name, seconds=30):
    return wait_for("%s %r" % (role, name),
                    lambda: next(iter(find_all(root, role, name)), None), seconds)


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def key_binding(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return ""
    binding = action.getKeyBinding(0) if action.nActions else ""
    return binding.lower().replace("<alt>", "alt+")  # "Alt+I" in whichever spelling


def send_key(window_title, keys, closes=False):
    """Gives the window of that title the keyboard focus and presses keys
    (X key names such as Escape or alt+f, blank between) there, as a user
    would. When the keys close the window, X may complain that the key's
    release found it gone."""
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                    "^%s$" % window_title, "windowfocus", "--sync", "key", "--delay", "200"]
                   + keys.split(), check=not closes, timeout=30,
                   stderr=subprocess.DEVNULL if closes else None)
