#!/usr/bin/env bash
# Fails when a file includes a subsystem it must not reach: each subsystem builds only
# on the ones below it (base, db, ui at the bottom; app on everything), and a logic
# folder (src/<subsystem>/ without ui/) includes no window code at all: neither a ui/
# folder nor a QtWidgets header. Usage: check_includes.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

# What each subsystem may include besides itself.
declare -A allowed=(
    [base]=""
    [db]="base"
    [ui]="base"
    [records]="base db ui"
    [documents]="base db ui"
    [browser]="base db ui"
    [rss]="base db ui"
    [app]="base db ui records documents browser rss"
    [tools]="base db"
    [screenshots]="base db ui records documents browser rss app"
)
# Single headers a sibling may use: the publishing window shows pages in the browser's
# web view and prints its list with the documents' list printer.
exceptions=" rss:browser/ui/WebView.h rss:documents/ui/LVPrint.h "

declare -A widgets_headers=()
for header in /usr/include/x86_64-linux-gnu/qt6/QtWidgets/Q*; do
    [ -e "$header" ] && widgets_headers[$(basename "$header")]=1
done
is_widgets_header() {
    [[ "$1" == QtWidgets/* ]] || [ -n "${widgets_headers[$1]+set}" ]
}

faults=0
fault() {
    echo "$1: $2"
    faults=$((faults + 1))
}

while IFS= read -r file; do
    if [[ "$file" == tools/screenshots/* ]]; then
        # The screenshot tool opens every window, as the program does.
        sub=screenshots
        logic=no
    elif [[ "$file" == tools/* ]]; then
        sub=tools
        logic=yes
    else
        rest=${file#src/}
        sub=${rest%%/*}
        # Only files directly in src/<subsystem>/ are logic; ui/ and other subfolders
        # (the web engine module) hold window code, and main.cpp starts the windows.
        [[ "$sub" == ui || "${rest#*/}" == */* || "$(basename "$file")" == main.cpp ]] && logic=no || logic=yes
    fi
    [ -n "${allowed[$sub]+set}" ] || {
        fault "$file" "subsystem '$sub' is not in this check's table"
        continue
    }
    while IFS= read -r line; do
        if [[ "$line" =~ ^#include\ \"([a-z]+)/(.*)\" ]]; then
            target=${BASH_REMATCH[1]}
            header="${BASH_REMATCH[1]}/${BASH_REMATCH[2]}"
            if [ "$target" != "$sub" ] && [[ " ${allowed[$sub]} " != *" $target "* ]] &&
                [[ "$exceptions" != *" $sub:$header "* ]]; then
                fault "$file" "includes $header, but $sub must not reach $target"
            fi
            if [ "$logic" = yes ] && [[ "${BASH_REMATCH[2]}" == ui/* || "$target" == ui ]]; then
                fault "$file" "logic includes window code $header"
            fi
        elif [ "$logic" = yes ] && [[ "$line" =~ ^#include\ \<([A-Za-z/]+)\> ]] && is_widgets_header "${BASH_REMATCH[1]}"; then
            fault "$file" "logic includes the widgets header <${BASH_REMATCH[1]}>"
        fi
    done < <(grep -E '^#include ' "$file")
done < <(find src tools -name '*.cpp' -o -name '*.h' | sort)

if ((faults)); then
    echo "$faults include(s) cross the layout"
    exit 1
fi
echo "includes follow the layout"
