#!/usr/bin/python3
"""check-accessibility.py SHOW VIEWER_FOLDER: with vtutil running on SHOW (a
show with missing files), checks what a screen reader finds in its
accessibility tree, then closes it with Esc."""
import sys

import pyatspi
from atspi import (application, fail, find, find_all, key_binding, press, send_key,
                   wait_for)

show_slides, viewer_folder = sys.argv[1], sys.argv[2]
app = application("vtutil")
R = pyatspi

# Value labels: known by their value, described by their caption.
for value, caption in ((show_slides, "Total Number of Slides:"),
                       (viewer_folder, "Program .EXE Files:"),
                       ("Version 3.0", "Destination .VTS File:"),
                       ("None", "Append .VTS File:")):
    find(app, R.ROLE_LABEL, value)
    described = [label.description for label in find_all(app, R.ROLE_LABEL, value)]
    if caption not in described:
        fail("the label %r is described as %r, not %r" % (value, described, caption))

# The access keys of the main window's buttons and tabs: each once.
window = find(app, R.ROLE_FRAME, "Vantora Utility Module")
keys = {}
for node in find_all(window, R.ROLE_PUSH_BUTTON) + find_all(window, R.ROLE_PAGE_TAB):
    binding = key_binding(node)
    if binding:
        keys.setdefault(binding, []).append(node.name)
shared = {key: names for key, names in keys.items() if len(names) > 1}
if shared or len(keys) < 8:
    fail("main window access keys: %r" % keys)

# The path editor: every access key once, and the rows with missing files
# say so in words.
press(find(window, R.ROLE_PUSH_BUTTON, "Edit File Path(s)"))
editor = find(app, R.ROLE_DIALOG, "Edit File Path(s)")
keys = [key_binding(node)
        for node in find_all(editor, R.ROLE_PUSH_BUTTON) if key_binding(node)]
if len(keys) != len(set(keys)) or "alt+i" not in keys:
    fail("path editor access keys: %r" % keys)
marked = wait_for("a row with missing files",
                  lambda: find_all(editor, R.ROLE_LIST_ITEM, contains=", Files: "))
if not any("Missing" in row.name or "Not mappable" in row.name for row in marked):
    fail("rows with missing files: %r" % [row.name for row in marked])
press(find(editor, R.ROLE_PUSH_BUTTON, "Cancel"))
wait_for("the path editor to close",
         lambda: not find_all(app, R.ROLE_DIALOG, "Edit File Path(s)"))

send_key("Vantora Utility Module", "Escape", closes=True)
print("accessibility tree: value labels, access keys and missing-file rows as expected")
