#!/bin/sh
# check-package.sh BUILD-FOLDER: makes the Debian package there with
# `cpack -G DEB` and has lintian check it; any error fails.
set -eu
desktop_tests=$(cd "$(dirname "$0")/../desktop" && pwd)
. "$desktop_tests/common.sh"
build=$1
need lintian
(cd "$build" && rm -f vtutil_*.deb && cpack -G DEB >/dev/null 2>&1)
package=$(ls "$build"/vtutil_*.deb)
echo "lintian $package"
status=0
report=$(lintian --fail-on error --tag-display-limit 0 "$package" 2>&1) || status=$?
# CI runs it as root, which lintian mentions every time
printf '%s\n' "$report" | grep -v 'running with root privileges' || true
exit $status
