#!/bin/sh
# tallowmere --bogus, with a display and without one: the option is named on standard
# error, the exit status is 2, and no window opens (the program would wait for it).
program=$1
out=$(mktemp -d) || exit 1
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
check() {
    what=$1
    shift
    timeout 30 "$@" "$program" --bogus >"$out/stdout" 2>"$out/stderr"
    status=$?
    [ "$status" -eq 2 ] || fail "$what: exit status $status, not 2"
    grep -q "unknown option '--bogus'" "$out/stderr" || fail "$what: standard error does not name the option: $(cat "$out/stderr")"
    [ ! -s "$out/stdout" ] || fail "$what: wrote to standard output"
}
check "without a display" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
check "with a display" env QT_QPA_PLATFORM=offscreen
echo "ok"
