#!/usr/bin/env bash
# Starts a copy of the real program under Xvfb with a private D-Bus session and checks
# it through AT-SPI. Usage: run_check.sh BIN_FOLDER
set -euo pipefail
bin=$(cd "${1:?build bin folder}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the program works in its own folder, so the build's databases stay untouched.
cp "$bin/tallowmere" "$work/"
"$bin/tallowmere-db" init "$work" >/dev/null
"$bin/tallowmere-db" sql "$work/Tallowmere.db" \
    "INSERT INTO BusinessInformation (BusninesName, BusinessCity) VALUES ('Acme Bakery', 'Leeds')" >/dev/null
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
# Under a real X server Qt loads and unloads system plug-ins whose few bytes left at
# exit LeakSanitizer can only name "<unknown module>"; the offscreen window tests
# check the program's own leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
exec timeout 150 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    /usr/bin/python3 "$here/check_program.py" "$work"
