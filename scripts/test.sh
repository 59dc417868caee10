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

# Warnings are errors where the tests build, not in the preset that packagers use.
cmake --preset release -DTALLOWMERE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
# The sanitizer options, leak suppressions and the web engine's exclusion are in the preset.
ctest --preset sanitize -j "$jobs"
