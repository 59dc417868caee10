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

measure() { # prints "median_seconds peak_kb" over $runs runs, runs interleaved with the other program
    local times=() peaks=() start end
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=("$(( (end - start) / 1000 ))")
        /usr/bin/time -f "%M" -o "$work/peak" "$@" >/dev/null 2>&1
        peaks+=("$(tail -n 1 "$work/peak")")
    done
    local median peak
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')
    peak=$(printf '%s\n' "${peaks[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')
    awk "BEGIN{printf \"%.4f %d\\n\", $median/1000000, $peak}"
}

read -r app_t app_m < <(measure "$bin/startup_tallowmere" "$work")
read -r bare_t bare_m < <(measure "$bin/startup_bare_qt")
read -r text_t text_m < <(measure "$bin/startup_bare_qt" text)
echo "tallowmere start-up (30,000 businesses, 100 templates): ${app_t}s, peak ${app_m} kB"
echo "bare Qt program with an empty main window:              ${bare_t}s, peak ${bare_m} kB"
echo "the same with one line of text (fonts loaded):          ${text_t}s, peak ${text_m} kB"
awk "BEGIN{printf \"time ratio %.2f, memory ratio %.2f against the empty window\n\", $app_t/$bare_t, $app_m/$bare_m}"
awk "BEGIN{printf \"time ratio %.2f, memory ratio %.2f against the window with text\n\", $app_t/$text_t, $app_m/$text_m}"
