#!/bin/sh
# check-wine.sh VTUTIL SOURCE_DIR: vtutil with the viewer installed in a real
# Wine prefix. Makes a prefix (wineboot), sets the viewer's folder with
# `wine reg add` as the viewer's installer would, builds a stand-in
# VTViewer.EXE with mingw-w64 that records how it was started, and checks
# (check-wine.py) that vtutil finds the viewer, starts it from its menus and
# from a launcher it writes as documented, and keeps its options in the
# viewer's VANTORA.INI. Exit status 77 (a skip for ctest) when Wine, mingw-w64
# or the desktop test tools are missing.
set -eu
vtutil=$(readlink -f "$1")
source_dir=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
desktop_tests=$source_dir/tests/desktop
. "$desktop_tests/common.sh"
need wine wineboot wineserver x86_64-w64-mingw32-gcc xvfb-run dbus-run-session xdotool pyatspi

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home/Desktop" "$work/run" "$work/start"
chmod 700 "$work/run"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME

started=$(date +%s)
wineboot -i >/dev/null 2>&1
wineserver -w
echo "wineboot: $(($(date +%s) - started)) s"

viewer_host="$WINEPREFIX/drive_c/Program Files/Vantora"
viewer='C:\Program Files\Vantora\'
mkdir -p "$viewer_host"
x86_64-w64-mingw32-gcc -O2 -o "$viewer_host/VTViewer.EXE" "$here/vtviewer-standin.c"
wine reg add 'HKCU\Software\VB and VBA Program Settings\VTViewer\Settings' \
    /v EXEPath /t REG_SZ /d "$viewer" /f >/dev/null 2>&1
wineserver -w # user.reg is written when the server ends
grep -q 'VTViewer' "$WINEPREFIX/user.reg" || { echo "FAIL: wine reg add wrote nothing"; exit 1; }

# vtutil runs in a start folder of its own, which must stay empty.
start_win="Z:$(printf '%s' "$work/start" | tr / '\\\\')"
cd "$work/start"
drive "$vtutil" "" "$here/check-wine.py" "$viewer" "$viewer_host/calls.txt" "$start_win" \
    "$HOME/Desktop"

grep -q '^chkSlide=True' "$viewer_host/VANTORA.INI" ||
    { echo "FAIL: the options were not kept in the viewer's VANTORA.INI"; exit 1; }
[ -z "$(ls -A "$work/start")" ] ||
    { echo "FAIL: vtutil wrote into the folder it was started from: $(ls -A "$work/start")"; exit 1; }
echo "wine: the options are in the viewer's VANTORA.INI; nothing was written in the start folder"
