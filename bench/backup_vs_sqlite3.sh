#!/usr/bin/env bash
# Whole process against whole process: tallowmere-db backup of a program folder holding
# 30,000 businesses against sqlite3's .backup of the same two files.
# Usage: backup_vs_sqlite3.sh BUILD_BIN_DIR [RUNS]
set -euo pipefail
bin=${1:?build bin folder}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/tallowmere-db" init "$work/program" >/dev/null
"$bin/bench_seed" "$work/program/Tallowmere.db"

tool_backup() {
    rm -rf "$work/out"
    "$bin/tallowmere-db" backup "$work/program" "$work/out"
}
sqlite3_backup() {
    rm -rf "$work/out"
    mkdir "$work/out"
    sqlite3 "$work/program/Tallowmere.db" ".backup '$work/out/Tallowmere.db'"
    sqlite3 "$work/program/Rss.db" ".backup '$work/out/Rss.db'"
}

measure() { # prints the median seconds over $runs runs
    local times=() start end
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=("$(( (end - start) / 1000 ))")
    done
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')
    awk "BEGIN{printf \"%.4f\\n\", $median/1000000}"
}

size=$(du -k "$work/program/Tallowmere.db" | cut -f1)
tool_t=$(measure tool_backup)
lite_t=$(measure sqlite3_backup)
echo "business database: ${size} kB"
echo "tallowmere-db backup: ${tool_t}s"
echo "sqlite3 .backup:      ${lite_t}s"
awk "BEGIN{printf \"time ratio %.2f\n\", $tool_t/$lite_t}"
