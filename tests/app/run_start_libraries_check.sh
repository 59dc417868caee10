#!/bin/sh
# What start-up loads: none of the libraries that the run-time modules exist to hold is
# among those the program needs (directly or through another library), so start-up
# does not pay for them. Each module itself must need its library, or the check would
# look for a name that no longer fits.
# Usage: run_start_libraries_check.sh PROGRAM LIBRARY MODULE [LIBRARY MODULE]...
program=$1
shift
fail() { echo "FAIL: $*"; exit 1; }
loaded=$(ldd "$program") || fail "ldd cannot read $program"
while [ $# -ge 2 ]; do
    library=$1
    module=$2
    shift 2
    ldd "$module" | grep -q "^[[:space:]]*$library" || fail "$module does not need $library"
    if echo "$loaded" | grep -q "^[[:space:]]*$library"; then
        fail "$program loads $library at start (it belongs in $(basename "$module")): $(echo "$loaded" | grep "$library")"
    fi
    echo "ok   $library only with $(basename "$module")"
done
