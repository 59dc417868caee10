#!/usr/bin/env bash
# Whole process against whole process: the program's start-up to its main form shown,
# over 30,000 businesses and 100 templates, against startup_same_form, which shows the
# same form's widgets without data layer, settings or logic (the yardstick); and the
# program over 1,000,000 businesses against itself over 30,000.
# Usage: startup_compare.sh BUILD_BIN_DIR [RUNS]
set -euo pipefail
bin=${1:?build bin folder}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}
# The program keeps its windows' places in the user's settings: these runs keep theirs here.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"

mkdir "$work/30k" "$work/1m"
"$bin/tallowmere-db" init "$work/30k" >/dev/null
"$bin/bench_seed" "$work/30k/Tallowmere.db"
"$bin/tallowmere-db" init "$work/1m" >/dev/null
"$bin/bench_seed" "$work/1m/Tallowmere.db" 1000000

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

# One run of each first, unmeasured: the day's first start makes the day's backup, and
# the files come into the page cache.
run_once "$bin/startup_tallowmere" "$work/30k" >/dev/null
run_once "$bin/startup_tallowmere" "$work/1m" >/dev/null
run_once "$bin/startup_same_form" >/dev/null
# Interleaved rounds, so a busy spell on the machine falls on all three alike.
: >"$work/app" ; : >"$work/same" ; : >"$work/million"
for _ in $(seq "$runs"); do
    run_once "$bin/startup_tallowmere" "$work/30k" >>"$work/app"
    run_once "$bin/startup_same_form" >>"$work/same"
    run_once "$bin/startup_tallowmere" "$work/1m" >>"$work/million"
done
summary() { # medians of one program's runs: wall, processor time, peak, first frame
    printf '%s %s %s %s\n' "$(cut -d' ' -f1 "$1" | median)" "$(cut -d' ' -f2 "$1" | median)" \
        "$(cut -d' ' -f3 "$1" | median)" "$(cut -d' ' -f4 "$1" | median)"
}
read -r app_w app_c app_m app_f < <(summary "$work/app")
read -r same_w same_c same_m same_f < <(summary "$work/same")
read -r mil_w mil_c mil_m mil_f < <(summary "$work/million")
line() {
    awk "BEGIN{printf \"%-58s first frame %.4fs, whole run %.4fs, processor %.4fs, peak %d kB\\n\", \"$1\", $5/1e6, $2/1e6, $3/1e6, $4}"
}
echo "medians of $runs runs each:"
line "tallowmere start-up (30,000 businesses, 100 templates):" "$app_w" "$app_c" "$app_m" "$app_f"
line "startup_same_form (the same form, no data, no settings):" "$same_w" "$same_c" "$same_m" "$same_f"
line "tallowmere start-up (1,000,000 businesses, 100 templates):" "$mil_w" "$mil_c" "$mil_m" "$mil_f"
ratios() { # what, then the measured and the yardstick's wall, processor, peak, first frame
    awk "BEGIN{printf \"%-44s whole run %.2f, memory %.2f (goal %s); first frame %.2f, processor %.2f\\n\", \"$1\", $3/$7, $5/$9, \"$2\", $6/${10}, $4/$8}"
}
# The same, round by round: each round's runs are seconds apart, so a busy spell on the
# machine weighs on both sides of each ratio alike.
paired() { # what, measured file, yardstick file
    paste -d' ' "$2" "$3" | awk '{print $1/$5, $3/$7}' >"$work/pairs"
    awk "BEGIN{printf \"%-44s whole run %.2f, memory %.2f (median of the rounds' own ratios)\\n\", \"$1\", $(cut -d' ' -f1 "$work/pairs" | median), $(cut -d' ' -f2 "$work/pairs" | median)}"
}
ratios "30,000 businesses against the same form:" "1.15" "$app_w" "$app_c" "$app_m" "$app_f" \
    "$same_w" "$same_c" "$same_m" "$same_f"
ratios "1,000,000 businesses against 30,000:" "1.2" "$mil_w" "$mil_c" "$mil_m" "$mil_f" \
    "$app_w" "$app_c" "$app_m" "$app_f"
paired "30,000 businesses against the same form:" "$work/app" "$work/same"
paired "1,000,000 businesses against 30,000:" "$work/million" "$work/app"
