#!/usr/bin/env bash
# The files a desktop and a software centre read, checked by the validators
# distributions run: the desktop entry, the AppStream description (whose newest release
# must be this version) and both manual pages.
# Usage: run_desktop_files_check.sh SOURCE_FOLDER VERSION. Skips without the validators
# (packages desktop-file-utils, appstream, man-db).
set -euo pipefail
source=$(cd "${1:?source folder}" && pwd)
version=${2:?version}
for tool in desktop-file-validate appstreamcli man; do
    if ! command -v "$tool" >/dev/null; then
        echo "needs $tool: skipped"
        exit 77
    fi
done
fail() {
    echo "FAIL $*"
    exit 1
}

desktop="$source/resources/tallowmere.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -q '^Keywords=.' "$desktop" || fail "$desktop has no Keywords"
echo "ok   desktop entry"

metainfo="$source/resources/org.tallowmere.Tallowmere.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the newest release in $metainfo is $newest, the program is $version"
grep -q '<developer_name>[^<]' "$metainfo" || fail "$metainfo names no developer"
# Software centres show the screenshots; each is one of the guide's pictures.
shots=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|<image>\(.*\)</image>|\1|')
[ -n "$shots" ] || fail "$metainfo has no screenshots"
for shot in $shots; do
    [[ "$shot" == https://* ]] || fail "$metainfo: screenshot $shot is not an https address"
    [ -f "$source/docs/images/${shot##*/}" ] || fail "$metainfo: screenshot $shot is none of docs/images"
done
echo "ok   AppStream metainfo, release $newest, $(echo "$shots" | wc -l) screenshots"

for page in "$source"/docs/man/*.1; do
    # man's --warnings reports what groff cannot lay out; any warning fails.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
    grep -q "^\.TH .*\"Tallowmere $version\"" "$page" || fail "$page does not name version $version"
done
echo "ok   manual pages"
