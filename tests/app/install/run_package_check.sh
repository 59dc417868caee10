#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks it as a packager and a user
# would: its name, its control fields (the libraries it needs, found or named), its
# files, and, installed with dpkg into a throwaway root (never the machine's own), that
# an ordinary user can start it and that purging it leaves no file behind.
# Lintian, Debian's package checker, finds no error and no warning, and every program
# and plug-in ships stripped and hardened, its symbols in the -dbgsym package beside it.
# Usage: run_package_check.sh BUILD_FOLDER VERSION. Needs root, cpack, dpkg-deb,
# dpkg-shlibdeps, readelf and lintian; skips otherwise.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
version=${2:?version}
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "needs root to install into a throwaway root: skipped"
    exit 77
fi
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg file readelf lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "needs $tool (packages dpkg-dev, file, binutils, lintian): skipped"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
fail() {
    echo "FAIL $*"
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log"
    fail "cpack -G DEB failed"
}
deb="$work/out/tallowmere_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
echo "ok   cpack made $(basename "$deb")"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = tallowmere ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
depends=$(field Depends)
for package in libpq5 ca-certificates fonts-dejavu-core libqt6core6 libqt6gui6 libqt6widgets6 \
    libqt6printsupport6 libqt6webenginewidgets6 libqt6charts6 libcurl4 libsqlite3-0; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
[[ "$(field Maintainer)" =~ ^[^\<\>]+\ \<[^\<\>@\ ]+@[^\<\>@\ ]+\>$ ]] || fail "Maintainer without an address: $(field Maintainer)"
[ "$(field Section)" = misc ] || fail "Section: $(field Section)"
# Qt's own translations, for the standard buttons and dialogs in the user's language.
[[ ", $(field Recommends)," == *", qt6-translations-l10n"[\ ,]* ]] || fail "Recommends lacks qt6-translations-l10n: $(field Recommends)"
echo "ok   control fields, Depends: $depends"

# The plug-ins are private: nothing runs ldconfig for them, nor anything else on install.
dpkg-deb --ctrl-tarfile "$deb" | tar -t >"$work/control-files"
! grep -Eq '(preinst|postinst|prerm|postrm|triggers)$' "$work/control-files" ||
    fail "maintainer scripts: $(tr '\n' ' ' <"$work/control-files")"
echo "ok   no maintainer scripts"

# What the package holds: the commands linked from bin/, the programs and plug-ins in
# lib/tallowmere, data in share/, nothing of the build (tests, benchmarks, tools).
dpkg-deb -c "$deb" >"$work/contents"
files=$(awk '$1 !~ /^d/ {print $6}' "$work/contents" | sort)
expected=$(
    cat <<LIST
./usr/bin/tallowmere
./usr/bin/tallowmere-db
./usr/lib/tallowmere/libtallowmere_charts.so
./usr/lib/tallowmere/libtallowmere_transfer.so
./usr/lib/tallowmere/libtallowmere_webengine.so
./usr/lib/tallowmere/tallowmere
./usr/lib/tallowmere/tallowmere-db
./usr/share/applications/tallowmere.desktop
./usr/share/doc/tallowmere/changelog.gz
./usr/share/doc/tallowmere/copyright
./usr/share/icons/hicolor/scalable/apps/tallowmere.svg
./usr/share/man/man1/tallowmere-db.1.gz
./usr/share/man/man1/tallowmere.1.gz
./usr/share/metainfo/org.tallowmere.Tallowmere.metainfo.xml
./usr/share/tallowmere/BusineeResources.html
./usr/share/tallowmere/Rss.db
./usr/share/tallowmere/Tallowmere.db
./usr/share/tallowmere/docs/user-guide.html
./usr/share/tallowmere/translations/tallowmere_de.qm
./usr/share/tallowmere/translations/tallowmere_es.qm
./usr/share/tallowmere/translations/tallowmere_fr.qm
./usr/share/tallowmere/urlNames.txt
LIST
)
missing=$(comm -13 <(echo "$files") <(echo "$expected"))
[ -z "$missing" ] || fail "the package lacks: $missing"
unexpected=$(echo "$files" | grep -Ev '^\./usr/share/(icons/hicolor/[0-9]+x[0-9]+/apps/tallowmere\.png|tallowmere/docs/images/[^/]+\.png)$' |
    comm -23 - <(echo "$expected"))
[ -z "$unexpected" ] || fail "the package holds what it should not: $unexpected"
owners=$(awk '{print $2}' "$work/contents" | sort -u)
[ "$owners" = root/root ] || fail "files not owned by root: $owners"
! awk '$1 ~ /^-.{7}w/' "$work/contents" | grep -q . || fail "files writable by all"
echo "ok   the package's files"

# Each program and plug-in: stripped, linked against the C library, with a stack
# protector, checked (_chk) buffer functions, read-only relocations bound at start;
# its symbols in the -dbgsym package under its build ID.
dbgsym="$work/out/tallowmere-dbgsym_${version}_$(dpkg --print-architecture).ddeb"
[ -f "$dbgsym" ] || fail "no $(basename "$dbgsym") among: $(ls "$work/out")"
mkdir "$work/unpacked" "$work/dbgsym"
dpkg-deb -x "$deb" "$work/unpacked"
dpkg-deb -x "$dbgsym" "$work/dbgsym"
for binary in "$work"/unpacked/usr/lib/tallowmere/*; do
    name=${binary#"$work/unpacked"}
    [ -L "$binary" ] && continue
    file -b "$binary" | grep -q ', stripped' || fail "$name is not stripped: $(file -b "$binary")"
    readelf -d "$binary" >"$work/dynamic"
    grep -q 'NEEDED.*\[libc\.so\.6\]' "$work/dynamic" || fail "$name is not linked against libc"
    grep -Eq 'BIND_NOW|FLAGS.*\bNOW\b' "$work/dynamic" || fail "$name is not bound at start (-z now)"
    readelf -lW "$binary" | grep -q GNU_RELRO || fail "$name has no read-only relocations (-z relro)"
    readelf --dyn-syms -W "$binary" >"$work/symbols"
    grep -q '__stack_chk_fail' "$work/symbols" || fail "$name has no stack protector"
    # As lintian judges it: a binary that uses buffer functions the C library checks when
    # fortified uses some in their checked (_chk) form; one that uses none has no need.
    if grep -Eq ' (memcpy|memmove|memset|strcpy|strncpy|strcat|strncat|sprintf|snprintf|vsnprintf|fprintf|printf|read|fgets|realpath|getcwd)@' "$work/symbols" &&
        ! grep -Eq ' __[a-z0-9_]+_chk@' "$work/symbols"; then
        fail "$name calls buffer functions but none in its checked (_chk) form"
    fi
    id=$(readelf -n "$binary" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
    [ -n "$id" ] || fail "$name has no build ID"
    [ -f "$work/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] || fail "$name's symbols are not in the -dbgsym package"
done
echo "ok   stripped, hardened, symbols in $(basename "$dbgsym")"

# The manual page of tallowmere-db describes every command its --help lists, --csv,
# and each exit status.
page=$(zcat "$work/unpacked/usr/share/man/man1/tallowmere-db.1.gz")
commands=$("$work/unpacked/usr/lib/tallowmere/tallowmere-db" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]\+\) .*/\1/p')
[ -n "$commands" ] || fail "tallowmere-db --help lists no commands"
for command in $commands; do
    grep -q "^\.BI \"\?$command[\" ]" <<<"$page" || fail "tallowmere-db(1) does not describe $command"
done
grep -q 'sql \\-\\-csv' <<<"$page" || fail "tallowmere-db(1) does not describe sql --csv"
exit_status=$(sed -n '/^\.SH EXIT STATUS/,/^\.SH /p' <<<"$page")
for status in 0 1 2; do
    grep -q "^\.B $status$" <<<"$exit_status" || fail "tallowmere-db(1) does not describe exit status $status"
done
echo "ok   tallowmere-db(1) describes $(echo $commands) and the exit statuses"

# Lintian as Debian runs it on every upload; hardening shows as information only, so
# those tags are looked for too.
status=0
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$work/lintian.out" 2>&1 || status=$?
# The C library's checked functions need an optimised build: a Debug build (the one the
# sanitizers run) cannot have them, so there that one tag is no fault.
hardening='hardening-'
case "$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")" in
Release | RelWithDebInfo | MinSizeRel) ;;
*) hardening='hardening-(no-relro|no-bindnow|no-pie|no-stackprotector)' ;;
esac
if [ "$status" -ne 0 ] || grep -Eq "^(E|W): |$hardening" "$work/lintian.out"; then
    cat "$work/lintian.out"
    fail "lintian (exit status $status)"
fi
echo "ok   lintian: $(grep -c '^[IP]: ' "$work/lintian.out" || true) notes, no warning or error"

# A throwaway root with its own package database; the package's dependencies are the
# machine's own libraries, so dpkg is told not to look for them there. Maintainer scripts
# run outside a chroot, with a stand-in ldconfig so the machine's cache is never touched.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers" "$work/bin"
touch "$root/var/lib/dpkg/status"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/ldconfig"
chmod 755 "$work/bin/ldconfig"
run_dpkg() {
    PATH="$work/bin:$PATH" DPKG_ROOT="$root" dpkg --root="$root" --log="$work/dpkg.log" \
        --force-depends --force-script-chrootless "$@" >"$work/dpkg.out" 2>&1 || {
        cat "$work/dpkg.out"
        fail "dpkg $*"
    }
}
run_dpkg --install "$deb"
[ "$("$root/usr/bin/tallowmere" --version)" = "Tallowmere $version" ] || fail "tallowmere --version"
[ "$("$root/usr/bin/tallowmere-db" --version)" = "tallowmere-db $version" ] || fail "tallowmere-db --version"
echo "ok   installed with dpkg into a throwaway root"

"$here/run_install_check.sh" --installed "$root/usr" || fail "the installed package, started by a user"

run_dpkg --purge tallowmere
left=$(find "$root" -path "$root/var" -prune -o ! -type d -print)
[ -z "$left" ] || fail "purged, the package left: $left"
left=$(find "$root" -mindepth 1 -path "$root/var" -prune -o -print)
[ -z "$left" ] || fail "purged, the package left folders: $left"
echo "ok   purged, the package leaves nothing behind"
