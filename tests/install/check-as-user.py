#!/usr/bin/python3
"""check-as-user.py EDITOR_LOG: with an installed vtutil running on a show
given on its command line, has it write the file-name listing and hand it to
the editor (a stand-in that records its arguments in EDITOR_LOG), then
closes vtutil with Esc."""
import os
import sys

import pyatspi as R
from atspi import application, fail, find, find_all, press, send_key, wait_for

editor_log = sys.argv[1]
app = application("vtutil")
count = wait_for("the opened show's slide count", lambda: [
    label for label in find_all(app, R.ROLE_LABEL)
    if label.description == "Total Number of Slides:" and label.name.endswith("slides")])
print("as a user: the show on the command line is open: " + count[0].name)

press(find(app, R.ROLE_PUSH_BUTTON, "Slide Show Filenames"))
dialog = find(app, R.ROLE_DIALOG, "Slide Show Filenames")
press(find(dialog, R.ROLE_PUSH_BUTTON, "OK"))
wait_for("the editor to be started", lambda: os.path.exists(editor_log), 30)
wait_for("the listing dialog to close",
         lambda: not find_all(app, R.ROLE_DIALOG, "Slide Show Filenames"))
send_key("Vantora Utility Module", "Escape", closes=True)
