#!/bin/sh
# An installed vtutil run by an ordinary user, on an invisible display: it
# opens a show given on its command line, writes the file-name listing and
# hands it to the editor, and closes with Esc keeping the options, writing
# nothing into the program folder or the folder it was started from.
#
# usage: check-as-user.sh SOURCE_DIR VTUTIL          an installed vtutil (/usr/bin/vtutil)
#        check-as-user.sh SOURCE_DIR --install BUILD  BUILD installed into a scratch prefix
#                                                     whose program folder is read-only
# Run as root, it runs the check as the user vtuser (made when missing).
# Exit status 77 (a skip for ctest) when the desktop test tools are missing.
set -eu
source_dir=$(cd "$1" && pwd)
here=$source_dir/tests/install
desktop_tests=$source_dir/tests/desktop
. "$desktop_tests/common.sh"
need xvfb-run dbus-run-session xdotool pyatspi

if [ "$2" = --install ]; then
    prefix=$(mktemp -d)
    trap 'chmod -R u+w "$prefix"; rm -rf "$prefix"' EXIT
    chmod 755 "$prefix"
    cmake --install "$3" --prefix "$prefix" >/dev/null
    chmod -R a-w "$prefix/lib/vantora" # as a package leaves it for its users
    set -- "$1" "$prefix/bin/vtutil"
    sh "$0" "$@"
    exit $?
fi
vtutil=$2
if [ "$(id -u)" -eq 0 ]; then
    id vtuser >/dev/null 2>&1 || useradd -m vtuser
    exec runuser -u vtuser -- sh "$0" "$@"
fi

program_folder=$(dirname "$(readlink -f "$vtutil")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/run" "$work/start" "$work/bin" "$work/Café"
chmod 700 "$work/run"
cp -r "$source_dir/examples/beach/." "$work/Café/"
# Stand-ins for the desktop's editors: they record what they were given.
for editor in lowriter gnome-text-editor; do
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/editor.log"\n' "$work" > "$work/bin/$editor"
    chmod +x "$work/bin/$editor"
done

cd "$work/start"
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME WINEPREFIX
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PATH="$work/bin:$PATH"
drive "$vtutil" "$work/Café/beach.vts" "$here/check-as-user.py" "$work/editor.log"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
listing=$work/home/.cache/vtutil/VTUtil.tmp
[ -w "$program_folder" ] && fail "the program folder $program_folder can be written: no test"
[ "$(cat "$work/editor.log")" = "$listing" ] || fail "the editor got $(cat "$work/editor.log")"
grep -q 'pics' "$listing" || fail "the listing names no picture"
[ ! -e "$program_folder/VTUtil.tmp" ] || fail "a listing was written in the program folder"
grep -q '^chkSlide=True' "$work/home/.config/vtutil/VANTORA.INI" ||
    fail "the options were not kept in ~/.config/vtutil/VANTORA.INI"
[ -z "$(ls -A "$work/start")" ] || fail "vtutil wrote into its start folder: $(ls -A "$work/start")"
echo "as $(id -un): listing in ~/.cache/vtutil, options in ~/.config/vtutil; $failures failed"
[ "$failures" -eq 0 ]
