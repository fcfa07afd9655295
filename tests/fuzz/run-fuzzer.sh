#!/usr/bin/env bash
# Runs the show fuzzer for SECONDS, starting from the seed inputs in
# tests/fuzz/corpus/ and the example shows. Both are copied to a scratch
# folder first: what the fuzzer learns goes there, never into the tree.
# Exits with libFuzzer's status: non-zero on a crash, a leak, a hang or
# running out of memory, after saying where the input that did it is.
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build=$1
seconds=$2
source=$(cd "$(dirname "$0")/../.." && pwd)
fuzzer=$build/tests/vtshow_fuzzer
if [ ! -x "$fuzzer" ]; then
    echo "$0: no $fuzzer; build it with -DVT_FUZZ=ON --target vtshow_fuzzer" >&2
    exit 2
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vtshow-fuzz-XXXXXX") || exit 2
mkdir "$scratch/corpus" "$scratch/examples" "$scratch/found" "$scratch/tmp"
cp "$source"/tests/fuzz/corpus/* "$scratch/corpus/"
for show in "$source"/examples/*/*.vts; do
    cp "$show" "$scratch/examples/$(basename "$(dirname "$show")")-$(basename "$show")"
done
echo "== fuzzing for $seconds s in $scratch"

# New inputs go into the first corpus folder; a failing input into found/.
# The fuzzer's own show folder goes into tmp/, so a crash leaves nothing behind
# outside the scratch folder.
TMPDIR=$scratch/tmp UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} \
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$scratch/found/" \
    "$scratch/corpus" "$scratch/examples" 2>&1 | tee "$scratch/fuzz.log"
status=${PIPESTATUS[0]}

if [ "$status" -ne 0 ]; then
    echo "== the fuzzer failed (exit status $status); its log is $scratch/fuzz.log" >&2
    for input in "$scratch"/found/*; do
        case $(basename "$input") in
        slow-unit-* | '*') ;; # slow is not failed
        *) echo "== failing input: $input (rerun: $fuzzer $input)" >&2 ;;
        esac
    done
    exit "$status"
fi
rm -rf "$scratch"
echo "== no crash, leak or hang in $seconds s"
