#!/bin/sh
# check-accessibility.sh VTUTIL SOURCE_DIR: starts VTUTIL on a show whose
# files are missing, in a home of its own, and checks its accessibility tree
# as a screen reader sees it (check-accessibility.py). Exit status 77 (a
# skip for ctest) when Xvfb, D-Bus or the accessibility packages are missing.
set -eu
# A missing tool skips the test, unless VT_NO_SKIP is set (as CI does).
skip() {
    echo "skipped: $1"
    [ -z "${VT_NO_SKIP:-}" ] || exit 1
    exit 77
}
vtutil=$1
source_dir=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in xvfb-run dbus-run-session xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
    skip "python3-pyatspi is not installed"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/.config" "$work/run" "$work/viewer"
chmod 700 "$work/run"
cp -r "$source_dir/examples/moved" "$work/moved"
viewer_win="Z:$(printf '%s' "$work/viewer/" | tr / '\\\\')"
printf '[Settings]\r\nEXEPath=%s\r\n' "$viewer_win" > "$work/home/.config/VTViewer.ini"

env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u WINEPREFIX \
    HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PYTHONPATH="$here" \
    sh "$here/run-in-session.sh" sh -c '
        "$1" "$2" &
        pid=$!
        /usr/bin/python3 "$3" "2 slides" "$4"
        status=$?
        [ $status -eq 0 ] || kill "$pid"
        wait "$pid" || [ $status -ne 0 ] || status=1
        exit $status' - "$vtutil" "$work/moved/moved.vts" "$here/check-accessibility.py" "$viewer_win"
# Esc closed it the ordinary way: the options were kept in the viewer's folder.
grep -q '^chkSlide=True' "$work/viewer/VANTORA.INI" ||
    { echo "FAIL: closing with Esc left no options in the viewer's VANTORA.INI"; exit 1; }
