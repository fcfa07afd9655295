# Sourced by the desktop test scripts, after they set desktop_tests to the
# folder of this file.

# skip REASON: ctest's skip (exit 77), or a failure where VT_NO_SKIP is set,
# as CI sets it.
skip() {
    echo "skipped: $1"
    [ -z "${VT_NO_SKIP:-}" ] || exit 1
    exit 77
}

# need TOOL...: skips unless every tool is there; "pyatspi" is the Python
# module of that name.
need() {
    for tool; do
        if [ "$tool" = pyatspi ]; then
            /usr/bin/python3 -c "import pyatspi" 2>/dev/null || skip "python3-pyatspi is not installed"
        else
            command -v "$tool" >/dev/null || skip "$tool is not installed"
        fi
    done
}

# drive PROGRAM FILE SCRIPT [ARG]...: in a desktop session of its own, starts
# PROGRAM (with FILE, unless it is "") and runs the Python SCRIPT with the
# ARGs against it; SCRIPT ends PROGRAM. Fails when either fails.
drive() {
    PYTHONPATH="$desktop_tests" sh "$desktop_tests/run-in-session.sh" sh -c '
            if [ -n "$2" ]; then "$1" "$2" & else "$1" & fi
            pid=$!
            shift 2
            /usr/bin/python3 "$@"
            status=$?
            [ $status -eq 0 ] || kill "$pid"
            wait "$pid" || [ $status -ne 0 ] || status=1
            exit $status' - "$@"
}
