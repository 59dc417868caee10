#!/usr/bin/env bash
# Fails when a C++ file does not match the style in .clang-format (Debian's clang-format),
# naming each such file. Usage: check_format.sh [FILE...]; without files, every C++ file
# that git tracks under src, tests, tools and bench.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || {
    echo "clang-format is missing: scripts/setup.sh installs it"
    exit 2
}
if (($#)); then
    files=("$@")
else
    mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' \
        'bench/*.cpp' 'bench/*.h')
fi
unformatted=()
for file in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done
if ((${#unformatted[@]})); then
    printf '%s\n' "${unformatted[@]}"
    echo "${#unformatted[@]} file(s) differ from .clang-format: run clang-format -i on them"
    exit 1
fi
echo "${#files[@]} file(s) match .clang-format"
