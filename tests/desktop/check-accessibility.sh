#!/bin/sh
# check-accessibility.sh VTUTIL SOURCE_DIR: starts VTUTIL on a show whose
# files are missing, in a home of its own, and checks its accessibility tree
# as a screen reader sees it (check-accessibility.py). Exit status 77 (a
# skip for ctest) when Xvfb, D-Bus or the accessibility packages are missing.
set -eu
vtutil=$1
source_dir=$2
here=$(cd "$(dirname "$0")" && pwd)
desktop_tests=$here
. "$desktop_tests/common.sh"
need xvfb-run dbus-run-session xdotool pyatspi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/.config" "$work/run" "$work/viewer"
chmod 700 "$work/run"
cp -r "$source_dir/examples/moved" "$work/moved"
viewer_win="Z:$(printf '%s' "$work/viewer/" | tr / '\\\\')"
printf '[Settings]\r\nEXEPath=%s\r\n' "$viewer_win" > "$work/home/.config/VTViewer.ini"

unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME WINEPREFIX
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
drive "$vtutil" "$work/moved/moved.vts" "$here/check-accessibility.py" "2 slides" "$viewer_win"
# Esc closed it the ordinary way: the options were kept in the viewer's folder.
grep -q '^chkSlide=True' "$work/viewer/VANTORA.INI" ||
    { echo "FAIL: closing with Esc left no options in the viewer's VANTORA.INI"; exit 1; }
