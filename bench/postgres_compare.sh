#!/usr/bin/env bash
# Whole process against whole process on a PostgreSQL server this script starts on a
# free port of 127.0.0.1 (as the postgres user when run as root) and removes at the end:
#  - tallowmere-db sql URI against psql -At, printing every row of 30,000 businesses;
#  - the program's start-up to its main form over the server against over the files.
# Usage: postgres_compare.sh BUILD_BIN_DIR [RUNS]
set -euo pipefail
bin=$(cd "${1:?build bin folder}" && pwd)
runs=${2:-9}
pgbin=${TALLOWMERE_PG_BIN:-/usr/lib/postgresql/15/bin}
work=$(mktemp -d)
as_server() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }
cleanup() {
    as_server "$pgbin/pg_ctl" -D "$work/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
[ "$(id -u)" -eq 0 ] && chown postgres: "$work"
as_server "$pgbin/initdb" -D "$work/data" -U tallowmere -A trust -E UTF8 --locale=C.UTF-8 --no-sync >/dev/null
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
as_server "$pgbin/pg_ctl" -D "$work/data" -l "$work/server.log" -w \
    -o "-p $port -c listen_addresses=127.0.0.1 -c unix_socket_directories=$work -c fsync=off" start >/dev/null
uri="postgresql://tallowmere@127.0.0.1:$port/office"
as_server "$pgbin/psql" -q -h 127.0.0.1 -p "$port" -U tallowmere -d postgres -c "CREATE DATABASE office"

fill() { # 30,000 businesses and 100 templates
    cat <<'SQL'
INSERT INTO "BusinessInformation" ("BusninesName", "BusinessAddressOne", "BusinessCity", "BusinessState",
  "BusinessZip", "BusinessCounty", "BusinessPhoneNumber", "BusinessFaxNumber", "BusinessWebSiteURL",
  "BusinessEMailAddress")
SELECT 'Business ' || i, i || ' Main Street', 'Springfield', 'IL', '62701', 'Sangamon', '555 0100', '555 0101',
  'http://example.com/' || i, 'owner' || i || '@example.com' FROM generate_series(1, 30000) AS i;
DELETE FROM "ARTICLESOFINCORPORATION";
INSERT INTO "ARTICLESOFINCORPORATION" ("ReportName", "Info")
SELECT 'template ' || i, 'Text of template ' || i FROM generate_series(1, 100) AS i;
SQL
}
"$bin/tallowmere-db" init "$uri"
fill | psql -q "$uri" >/dev/null

measure() { # prints the median seconds over $runs runs
    local times=() start end
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=("$(( (end - start) / 1000 ))")
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END{printf "%.4f\n", a[int((NR+1)/2)]/1000000}'
}

query="select * from BusinessInformation"
tool_t=$(measure "$bin/tallowmere-db" sql "$uri" "$query")
psql_t=$(measure psql -At -F "$(printf '\t')" "$uri" -c "select * from \"BusinessInformation\"")
echo "tallowmere-db sql URI: ${tool_t}s"
echo "psql -At:              ${psql_t}s"
awk "BEGIN{printf \"time ratio %.2f\n\", $tool_t/$psql_t}"

if [ -x "$bin/bench_records" ]; then
    as_server "$pgbin/psql" -q -h 127.0.0.1 -p "$port" -U tallowmere -d postgres -c "CREATE DATABASE navigation"
    TALLOWMERE_BENCH_SERVER="postgresql://tallowmere@127.0.0.1:$port/navigation" QT_QPA_PLATFORM=offscreen \
        "$bin/bench_records" --benchmark_filter='NextBusiness' 2>/dev/null | grep -E '^Next'
fi

if [ -x "$bin/startup_tallowmere" ]; then
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    mkdir "$work/files" "$work/server"
    "$bin/tallowmere-db" init "$work/files" >/dev/null
    "$bin/bench_seed" "$work/files/Tallowmere.db"
    echo "$uri" >"$work/server/Tallowmere.url"
    server_t=$(measure "$bin/startup_tallowmere" "$work/server")
    files_t=$(measure "$bin/startup_tallowmere" "$work/files")
    echo "start-up over the server: ${server_t}s"
    echo "start-up over the files:  ${files_t}s"
    awk "BEGIN{printf \"time ratio %.2f\n\", $server_t/$files_t}"
fi
