#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop and a
# Debian system take from it: every file in place, the menu entry valid, the
# slide show type known to the prefix's MIME database, the AppStream file
# valid and both manual pages rendering cleanly.
# usage: check-install.sh BUILD-FOLDER SOURCE-FOLDER
set -u
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || {
    cat "$prefix.log"
    fail "cmake --install"
}
rm -f "$prefix.log"

share=$prefix/share
for file in bin/vtutil bin/vtshow lib/vantora/vtutil lib/vantora/VTUtil.HLP \
    share/applications/vtutil.desktop share/mime/packages/vantora-slideshow.xml \
    share/metainfo/io.github.vantora.vtutil.metainfo.xml \
    share/icons/hicolor/scalable/apps/vtutil.svg \
    share/icons/hicolor/48x48/apps/vtutil.png \
    share/icons/hicolor/scalable/mimetypes/application-x-vantora-slideshow.svg \
    share/icons/hicolor/48x48/mimetypes/application-x-vantora-slideshow.png \
    share/man/man1/vtshow.1.gz share/man/man1/vtutil.1.gz \
    share/doc/vtutil/copyright share/doc/vtutil/changelog.gz \
    share/bash-completion/completions/vtshow; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
[ "$(readlink -f "$prefix/bin/vtutil")" = "$(readlink -f "$prefix/lib/vantora/vtutil")" ] ||
    fail "bin/vtutil does not lead to the program folder"

entry=$share/applications/vtutil.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
grep -qx "Exec=$prefix/bin/vtutil %f" "$entry" || fail "the entry does not pass the file to vtutil"
grep -qx "MimeType=application/x-vantora-slideshow;" "$entry" || fail "the entry names no type"

# The type must come from the prefix's database alone: no user database, and
# the system's folders out of the search path. xdg-mime without a desktop
# session asks File::MimeInfo, which reads the same database as the desktops.
XDG_DATA_DIRS="$share" update-mime-database "$share/mime" || fail "update-mime-database"
samples=$(mktemp -d)
trap 'rm -rf "$prefix" "$samples"' EXIT
cp "$source/examples/beach/beach.vts" "$samples/BEACH.VTS"
cp "$source/examples/garden/garden.vts" "$samples/garden-show" # found by its first line
printf 'Just notes\r\n' >"$samples/notes.vts.txt"
for sample in BEACH.VTS garden-show; do
    type=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$samples/none" \
        XDG_DATA_DIRS="$share" xdg-mime query filetype "$samples/$sample")
    [ "$type" = application/x-vantora-slideshow ] || fail "xdg-mime calls $sample $type"
done

if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$share/metainfo/io.github.vantora.vtutil.metainfo.xml" ||
        fail "appstreamcli validate"
fi

for page in vtshow vtutil; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
    LC_ALL=C.UTF-8 man -l "$share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^NAME" ||
        fail "man $page shows no page"
done

version=$(sed -n 's/^project(vtutil VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
[ "$("$prefix/bin/vtshow" --version)" = "vtshow $version" ] || fail "vtshow --version"

# The completion as bash-completion loads it: commands, then per-command options.
completions=$(bash -c '
    shopt -s extglob
    . "$1/share/bash-completion/completions/vtshow"
    COMP_WORDS=(vtshow re); COMP_CWORD=1; _vtshow; echo "${COMPREPLY[*]}"
    COMP_WORDS=(vtshow pack --); COMP_CWORD=2; _vtshow; echo "${COMPREPLY[*]}"
    cd "$2"; COMP_WORDS=(vtshow info ""); COMP_CWORD=2; _vtshow; echo "${COMPREPLY[*]}"
' sh "$prefix" "$samples")
expected=$(printf 'relink\n--append --yes --help --\nBEACH.VTS')
[ "$completions" = "$expected" ] || fail "bash completion gave: $completions"

echo "install check: $failures failed"
[ "$failures" -eq 0 ]
