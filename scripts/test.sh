#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite headless through ctest:
# first every test of the normal build, then the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer (all but the web engine's tests).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)
# Both runs' test servers copy one fresh PostgreSQL cluster rather than each making its own.
export TALLOWMERE_TEST_POSTGRES_TEMPLATE="$PWD/build/postgres-template"

# Warnings are errors where the tests build, not in the preset that packagers use.
cmake --preset release -DTALLOWMERE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
# ctest starts the longest tests first when it knows their times: on a first sanitizer
# run it knows them from the normal run (the same tests, each slower by about as much).
costs=Testing/Temporary/CTestCostData.txt
if [ -f "build/release/$costs" ] && [ ! -f "build/sanitize/$costs" ]; then
    mkdir -p "build/sanitize/$(dirname "$costs")"
    cp "build/release/$costs" "build/sanitize/$costs"
fi
# The sanitizer options, leak suppressions and the web engine's exclusion are in the preset.
ctest --preset sanitize -j "$jobs"
