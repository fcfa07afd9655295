#!/bin/sh
# Kills `vtshow merge` with SIGKILL at random moments while it reads and
# writes a 30,000-slide show over an older one, again and again for a few
# seconds. After every kill the target must be the old show or the whole new
# one: never a mixture, never cut short.
#
# usage: kill-during-merge.sh VTSHOW SECONDS EXAMPLE_SHOW
set -eu
vtshow=$1
seconds=$2
example=$3
[ -x "$vtshow" ] || { echo "there is no vtshow at $vtshow: build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The example's header, then its first slide 30,000 times.
awk 'NR <= 23 { print; next } NR <= 37 { slide = slide $0 "\n" }
     END { for (i = 0; i < 30000; i++) printf "%s", slide }' "$example" > big.vts
cp "$(dirname "$example")"/*.wav . 2>/dev/null || true

"$vtshow" merge --yes -o old.vts "$example" > /dev/null 2>&1 || true
"$vtshow" merge --yes -o new.vts big.vts > /dev/null 2>&1 || true
[ -s old.vts ] && [ -s new.vts ] || { echo "could not make the old and the new show" >&2; exit 1; }

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# How long one whole merge takes; kills land anywhere up to a little beyond.
start=$(now_ms)
cp old.vts target.vts
"$vtshow" merge --yes -o target.vts big.vts > /dev/null 2>&1 || true
cmp -s target.vts new.vts || { echo "an undisturbed merge did not write the new show" >&2; exit 1; }
span=$(( $(now_ms) - start + 5 ))

runs=0 old=0 new=0 bad=0
deadline=$(( $(now_ms) + seconds * 1000 ))
while [ "$(now_ms)" -lt "$deadline" ]; do
    cp old.vts target.vts
    delay=$(( $(od -An -N2 -tu2 /dev/urandom | tr -d ' ') % span ))
    "$vtshow" merge --yes -o target.vts big.vts > /dev/null 2>&1 &
    pid=$!
    sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
    kill -KILL "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
    runs=$((runs + 1))
    if cmp -s target.vts old.vts; then
        old=$((old + 1))
    elif cmp -s target.vts new.vts; then
        new=$((new + 1))
    else
        bad=$((bad + 1))
        cp target.vts "bad-$bad.vts"
        echo "after a kill $delay ms into the merge the target is neither show:" >&2
        ls -l target.vts old.vts new.vts >&2
    fi
done
# A kill between naming the finished file and renaming it over the target
# leaves that hidden file behind; it is only counted.
stray=$(find . -name '.target.vts.*' | wc -l)
echo "$runs merges killed within $span ms: $old left the old show, $new the new one," \
     "$bad neither; $stray hidden leftovers"
[ "$bad" -eq 0 ] && [ "$runs" -gt 0 ]
