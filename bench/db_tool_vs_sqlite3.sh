#!/usr/bin/env bash
# Whole process against whole process: tallowmere-db sql against sqlite3 -tabs,
# printing every row of 30,000 businesses. Usage: db_tool_vs_sqlite3.sh BUILD_BIN_DIR [RUNS]
set -euo pipefail
bin=${1:?build bin folder}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/tallowmere-db" init "$work" >/dev/null
"$bin/bench_seed" "$work/Tallowmere.db"
query="select * from BusinessInformation"

measure() { # prints "median_seconds peak_kb" over $runs runs
    local times=() best_m=0 start end m
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=("$(( (end - start) / 1000 ))")
        m=$( { /usr/bin/time -f "%M" "$@" >/dev/null; } 2>&1 | tail -n 1)
        if [ "$m" -gt "$best_m" ]; then best_m=$m; fi
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')
    awk "BEGIN{printf \"%.4f %d\\n\", $median/1000000, $best_m}"
}

read -r tool_t tool_m < <(measure "$bin/tallowmere-db" sql "$work/Tallowmere.db" "$query")
read -r lite_t lite_m < <(measure sqlite3 -tabs "$work/Tallowmere.db" "$query")
echo "tallowmere-db sql: ${tool_t}s, peak ${tool_m} kB"
echo "sqlite3 -tabs:     ${lite_t}s, peak ${lite_m} kB"
awk "BEGIN{printf \"time ratio %.2f, memory ratio %.2f\n\", $tool_t/$lite_t, $tool_m/$lite_m}"
