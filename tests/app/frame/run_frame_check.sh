#!/usr/bin/env bash
# Starts a copy of the real program on a small screen (800 x 600) under a real window
# manager, which puts a title bar and borders around the window only once it is shown,
# and checks that every window of the program stands whole on the screen, frame and
# title bar included. Usage: run_frame_check.sh BIN_FOLDER
set -euo pipefail
bin=$(cd "${1:?build bin folder}" && pwd)
for tool in xvfb-run openbox xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/setup.sh installs it"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the program works in its own folder; the user's settings stay out of it.
cp "$bin/tallowmere" "$work/"
"$bin/tallowmere-db" init "$work" >/dev/null
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -u
work=$1
openbox >"$work/openbox.log" 2>&1 &
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
"$work/tallowmere" >"$work/program.log" 2>&1 &
program=$!
# Where each client window stands once the window manager has framed it.
places() {
    local clients
    clients=$(xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*' || true)
    for id in $clients; do
        local info extents
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*' || true)
        [ -n "$extents" ] || continue
        echo "$id $(awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2} /Width:/{w=$2} /Height:/{h=$2}
            END{print x+0, y+0, w+0, h+0}' <<<"$info") ${extents//,/}"
    done
}
# Names each window that does not stand whole on the screen; fails when there is one.
whole() {
    local status=0
    while read -r id x y w h left right top bottom; do
        if ((x - left < 0 || y - top < 0 || x + w + right > 800 || y + h + bottom > 600)); then
            echo "window $id: inside $x,$y ${w}x$h; frame left $left right $right top $top bottom $bottom:"
            echo "  does not stand whole on the 800 x 600 screen (its title bar or a border is off it)"
            status=1
        fi
    done <<<"$1"
    return $status
}
# The program may need a moment to move its window once the frame is known, more on a
# busy machine: it passes when its windows stand whole twice in a row, half a second
# apart, and fails when they do not within thirty seconds.
previous="" status=1
for _ in $(seq 60); do
    sleep 0.5
    now=$(places)
    if [ -n "$now" ] && [ "$now" = "$previous" ] && whole "$now" >/dev/null; then
        echo "$now"
        status=0
        break
    fi
    previous=$now
done
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null
if ((status)); then
    if [ -z "$previous" ]; then
        echo "no framed window of the program appeared"
        cat "$work/program.log"
    else
        whole "$previous"
    fi
fi
exit $status
SESSION
chmod +x "$work/session.sh"
exec timeout 120 xvfb-run -a -s "-screen 0 800x600x24" "$work/session.sh" "$work"
