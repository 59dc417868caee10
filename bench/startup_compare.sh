#!/usr/bin/env bash
# Whole process against whole process: the program's start-up to its main form shown,
# over 30,000 businesses and 100 templates, against a bare Qt program that shows an
# empty main window. Usage: startup_compare.sh BUILD_BIN_DIR [RUNS]
set -euo pipefail
bin=${1:?build bin folder}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

"$bin/tallowmere-db" init "$work" >/dev/null
"$bin/bench_seed" "$work/Tallowmere.db"

# One run: wall-clock and processor (user + system) microseconds and peak kB, read from
# the kernel's account of the finished process, and the microseconds from starting the
# process to its first frame (the program says when, on the same monotonic clock).
run_once() {
    /usr/bin/python3 -c '
import os, subprocess, sys, time
start = time.monotonic_ns()
child = subprocess.Popen(sys.argv[1:], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
said = child.stdout.read()
_, _, usage = os.wait4(child.pid, 0)
wall = (time.monotonic_ns() - start) // 1000
frame = [int(line.split()[1]) for line in said.splitlines() if line.startswith("first-frame ")]
print(wall, int((usage.ru_utime + usage.ru_stime) * 1e6), usage.ru_maxrss, (frame[0] - start) // 1000 if frame else 0)
' "$@"
}

median() { sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}'; }

# Interleaved rounds, so a busy spell on the machine falls on all three alike.
: >"$work/app" ; : >"$work/bare" ; : >"$work/text"
for _ in $(seq "$runs"); do
    run_once "$bin/startup_tallowmere" "$work" >>"$work/app"
    run_once "$bin/startup_bare_qt" >>"$work/bare"
    run_once "$bin/startup_bare_qt" text >>"$work/text"
done
summary() { # medians of one program's runs: wall, processor time, peak, first frame
    printf '%s %s %s %s\n' "$(cut -d' ' -f1 "$1" | median)" "$(cut -d' ' -f2 "$1" | median)" \
        "$(cut -d' ' -f3 "$1" | median)" "$(cut -d' ' -f4 "$1" | median)"
}
read -r app_w app_c app_m app_f < <(summary "$work/app")
read -r bare_w bare_c bare_m bare_f < <(summary "$work/bare")
read -r text_w text_c text_m text_f < <(summary "$work/text")
line() {
    awk "BEGIN{printf \"%-56s first frame %.4fs, whole run %.4fs, processor %.4fs, peak %d kB\\n\", \"$1\", $5/1e6, $2/1e6, $3/1e6, $4}"
}
line "tallowmere start-up (30,000 businesses, 100 templates):" "$app_w" "$app_c" "$app_m" "$app_f"
line "bare Qt program with an empty main window:" "$bare_w" "$bare_c" "$bare_m" "$bare_f"
line "the same with one line of text (fonts loaded):" "$text_w" "$text_c" "$text_m" "$text_f"
ratios() {
    awk "BEGIN{printf \"%-30s first frame %.2f, whole run %.2f, processor %.2f, memory %.2f\\n\", \"$1\", $app_f/$5, $app_w/$2, $app_c/$3, $app_m/$4}"
}
ratios "against the empty window:" "$bare_w" "$bare_c" "$bare_m" "$bare_f"
ratios "against the window with text:" "$text_w" "$text_c" "$text_m" "$text_f"
