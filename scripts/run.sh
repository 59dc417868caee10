#!/usr/bin/env bash
# Installs what is missing, builds the program (Release), delivers the databases
# next to the executable when they are not there yet, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --program
cmake --preset release >/dev/null
cmake --build --preset release --target tallowmere tallowmere-db
exec build/release/bin/tallowmere "$@"
