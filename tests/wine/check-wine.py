#!/usr/bin/python3
"""check-wine.py VIEWER_FOLDER CALLS START_FOLDER DESKTOP: with vtutil running
in a Wine prefix whose registry names VIEWER_FOLDER, and the stand-in
VTViewer.EXE there recording its calls in CALLS, checks that vtutil shows the
folder and that "&Vantora", "Slide Show &Editor" and a launcher it writes
start the stand-in with the documented command lines, in the documented
working folders; then closes vtutil with Esc."""
import os
import shlex
import subprocess
import sys
import time

import pyatspi as R
from atspi import application, fail, find, find_all, press, send_key, wait_for

viewer, calls_file, start_folder, desktop = sys.argv[1:5]
program = viewer + "VTViewer.EXE"
TITLE = "Vantora Utility Module"


def calls():
    """The stand-in's calls so far: (command line, working folder) pairs."""
    try:
        with open(calls_file, encoding="utf-8") as f:
            lines = f.read().splitlines()
    except FileNotFoundError:
        return []
    return list(zip(lines[0::2], lines[1::2]))


def expect_call(number, command_line, folder, what):
    got = wait_for(what + " to start the viewer", lambda: calls()[number:number + 1], 60)[0]
    # Windows quotes the program's path it was given; the rest is ours.
    line = got[0].replace('"%s"' % program, program, 1)
    if (line, got[1].rstrip("\\")) != (command_line, folder.rstrip("\\")):
        fail("%s started %r in %r, not %r in %r" % (what, got[0], got[1], command_line, folder))


def launch(entry):
    """Starts a launcher as a desktop would: its Exec in its Path."""
    values = {}
    with open(entry, encoding="utf-8") as f:
        for line in f:
            key, _, value = line.rstrip("\n").partition("=")
            values.setdefault(key, value.replace("\\\\", "\\"))
    subprocess.Popen(shlex.split(values["Exec"]), cwd=values.get("Path") or None)


app = application("vtutil")
find(app, R.ROLE_LABEL, viewer)  # "Program .EXE Files:" names the viewer's folder

send_key(TITLE, "alt+f v")
expect_call(0, program, start_folder, '"&Vantora"')
send_key(TITLE, "alt+f e")
expect_call(1, program + " /SHOW", start_folder, '"Slide Show &Editor"')

create = wait_for("the Create... button of the viewer's launcher", lambda: [
    b for b in find_all(app, R.ROLE_PUSH_BUTTON, "Create...")
    if '"Vantora" on your' in b.description])[0]
press(create)
press(find(app, R.ROLE_PUSH_BUTTON, "Yes"))
entry = os.path.join(desktop, "Vantora.desktop")
wait_for("the launcher " + entry, lambda: os.path.exists(entry))
time.sleep(0.5)
launch(entry)
expect_call(2, program, viewer, "the launcher")

send_key(TITLE, "Escape", closes=True)
for line, folder in calls():
    print("wine: the stand-in viewer ran as %s in %s" % (line, folder))
print("wine: the viewer was found, and its menus and launcher start it as documented")
