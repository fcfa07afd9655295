#!/bin/sh
# The core tests once more as an ordinary user: as root, a read-only show or
# a folder we may not write is no obstacle, so those cases only mean
# something here. Run as root, the tests run as vtuser (made when missing).
# Exit status 77 (a skip for ctest) when vtuser cannot reach the tests.
#
# usage: core-as-user.sh VTCORE_TESTS
set -eu
tests=$1
if [ "$(id -u)" -ne 0 ]; then
    exec "$tests" --gtest_brief=1
fi
id vtuser >/dev/null 2>&1 || useradd -m vtuser
if ! runuser -u vtuser -- test -x "$tests"; then
    echo "skipped: vtuser cannot reach $tests"
    exit 77
fi
cd /tmp
exec runuser -u vtuser -- env HOME="$(getent passwd vtuser | cut -d: -f6)" "$tests" --gtest_brief=1
