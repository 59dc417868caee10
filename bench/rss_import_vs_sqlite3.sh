#!/usr/bin/env bash
# Whole process against whole process: importing 100,000 items from Upload.txt into
# Rss.db, against sqlite3 importing the same rows (.import of a CSV file into a
# staging table, then into Tbl_Rss_Feed_Items, in one process).
# Usage: rss_import_vs_sqlite3.sh BUILD_BIN_DIR [ITEMS] [RUNS]
set -euo pipefail
bin=${1:?build bin folder}
items=${2:-100000}
runs=${3:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/tallowmere-db" init "$work/fresh" >/dev/null
mkdir -p "$work/run"
/usr/bin/python3 - "$work" "$items" <<'PY'
import sys
work, items = sys.argv[1], int(sys.argv[2])
with open(f"{work}/run/Upload.txt", "w", newline="") as upload, open(f"{work}/items.csv", "w", newline="") as csv:
    for i in range(1, items + 1):
        title, link = f"Item {i}: spring news", f"http://example.com/news/{i}"
        description = f"Description of item {i}, with a few words about what changed this week"
        upload.write(f"{title}\r\n{link}\r\n{description}\r\n\r\n")
        csv.write(f'"{title}","{link}","{description}"\r\n')
PY
cat > "$work/import.sql" <<SQL
CREATE TEMP TABLE staging (title TEXT, link TEXT, description TEXT);
.import --csv $work/items.csv staging
INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, RssFeedDescription) SELECT * FROM staging;
SQL

median() { sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}'; }
time_run() { # prints the microseconds of one run on a fresh Rss.db, after checking its rows
    local start end count
    cp "$work/fresh/Rss.db" "$work/run/Rss.db"
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    count=$(sqlite3 "$work/run/Rss.db" "select count(*) from Tbl_Rss_Feed_Items")
    [ "$count" -eq "$items" ] || { echo "expected $items rows, found $count" >&2; exit 1; }
    echo $(( (end - start) / 1000 ))
}
seconds() { median | awk '{printf "%.4f\n", $1/1000000}'; }

# The two take turns, so that a busy spell of the machine weighs on both alike.
ours_runs=() lite_runs=()
for _ in $(seq "$runs"); do
    ours_runs+=("$(time_run "$bin/rss_import_process" "$work/run")")
    lite_runs+=("$(time_run sqlite3 "$work/run/Rss.db" ".read $work/import.sql")")
done
ours=$(printf '%s\n' "${ours_runs[@]}" | seconds)
lite=$(printf '%s\n' "${lite_runs[@]}" | seconds)
echo "Upload File import of $items items: ${ours}s"
echo "sqlite3 .import of the same rows:    ${lite}s"
awk "BEGIN{printf \"time ratio %.2f\n\", $ours/$lite}"
