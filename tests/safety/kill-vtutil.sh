#!/bin/sh
# Starts vtutil, kills it with SIGKILL, and starts it again: the second copy
# must take over the lock the dead one left and run, not refuse as if a copy
# were still running.
#
# usage: kill-vtutil.sh VTUTIL
set -eu
vtutil=$1

work=$(mktemp -d)
first="" second=""
trap '[ -z "$second" ] || kill -KILL "$second" 2> /dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"
mkdir "$work/home"
export XDG_RUNTIME_DIR="$work/run" HOME="$work/home" QT_QPA_PLATFORM=offscreen
lock="$work/run/vtutil.lock"

# Waits up to ten seconds for the lock to name process $1.
owned_by() {
    for _ in $(seq 100); do
        [ -f "$lock" ] && [ "$(head -n 1 "$lock")" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

"$vtutil" > "$work/first.log" 2>&1 &
first=$!
owned_by "$first" || { echo "the first copy never took the lock" >&2; cat "$work/first.log" >&2; exit 1; }
kill -KILL "$first"
wait "$first" 2> /dev/null || true
[ -f "$lock" ] || { echo "the killed copy left no lock behind: nothing was tested" >&2; exit 1; }

"$vtutil" > "$work/second.log" 2>&1 &
second=$!
if ! owned_by "$second"; then
    echo "the copy started after a SIGKILL did not take over the lock:" >&2
    cat "$lock" "$work/second.log" >&2
    exit 1
fi
kill -0 "$second" || { echo "the second copy ended" >&2; exit 1; }
echo "a copy started after the first was killed took over its lock and runs"
