#!/usr/bin/env bash
# Installs the program into a fresh prefix and starts it, headless, first as root and
# then as a new ordinary user: neither works in the installation; the user's databases
# must be made in the user's data folder, for that user alone, and be usable; a second
# start copies nothing again and keeps the user's changes.
# With --installed PREFIX it checks an installation already there (a package unpacked
# into a throwaway root) instead; otherwise it also checks the install manifest: it lists
# every file installed, and removing them leaves nothing but empty folders.
# Usage: run_install_check.sh BUILD_FOLDER | --installed PREFIX. Needs root (it adds a
# user); skips otherwise.
set -euo pipefail
build=""
installed=""
if [ "${1:-}" = --installed ]; then
    installed=$(cd "${2:?installation prefix}" && pwd)
else
    build=$(cd "${1:?build folder}" && pwd)
fi
if [ "$(id -u)" -ne 0 ] || ! command -v useradd >/dev/null; then
    echo "needs root and useradd to make a test user: skipped"
    exit 77
fi

work=$(mktemp -d)
user="tmcheck$$"
program=""
cleanup() {
    [ -z "$program" ] || end_program
    [ -z "${planted:-}" ] || rm -f "$planted"
    userdel "$user" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
home="$work/home"
mode() {
    stat -c %a "$1"
}
fail() {
    echo "FAIL $*"
    exit 1
}
if [ -n "$installed" ]; then
    prefix=$installed
else
    prefix="$work/prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null
    # Another install from the same build folder rewrites the manifest.
    cp "$build/install_manifest.txt" "$work/manifest"
fi
touch "$work/installed"

# The commands in bin/ lead to the program folder, where the executables and plug-ins
# live; what each user is given sits apart, in share/tallowmere.
for command in tallowmere tallowmere-db; do
    [ -L "$prefix/bin/$command" ] || fail "bin/$command is not a link"
    [ "$(readlink -f "$prefix/bin/$command")" = "$prefix/lib/tallowmere/$command" ] \
        || fail "bin/$command leads to $(readlink -f "$prefix/bin/$command")"
done
for name in libtallowmere_webengine.so libtallowmere_transfer.so libtallowmere_charts.so; do
    [ -f "$prefix/lib/tallowmere/$name" ] || fail "lib/tallowmere/$name is missing"
done
for name in Tallowmere.db Rss.db BusineeResources.html urlNames.txt docs/user-guide.html \
    translations/tallowmere_de.qm translations/tallowmere_es.qm translations/tallowmere_fr.qm; do
    [ -f "$prefix/share/tallowmere/$name" ] || fail "share/tallowmere/$name is missing"
    [ "$(mode "$prefix/share/tallowmere/$name")" = 644 ] || fail "share/tallowmere/$name is not readable by all"
done
for name in applications/tallowmere.desktop metainfo/org.tallowmere.Tallowmere.metainfo.xml \
    icons/hicolor/scalable/apps/tallowmere.svg icons/hicolor/256x256/apps/tallowmere.png \
    man/man1/tallowmere.1.gz man/man1/tallowmere-db.1.gz doc/tallowmere/copyright doc/tallowmere/changelog.gz; do
    [ -f "$prefix/share/$name" ] || fail "share/$name is missing"
done
echo "ok   the layout: commands linked from bin/, programs in lib/tallowmere, data in share/"
useradd --no-create-home --home-dir "$home" --shell /usr/sbin/nologin --user-group "$user"
mkdir -m 700 "$home" "$home/runtime"
chown -R "$user:$user" "$home"

as_user() {
    (exec_as_user "$@")
}
# Replaces the calling shell, so a background start's $! is the program itself.
exec_as_user() {
    exec timeout 60 setpriv --reuid="$user" --regid="$user" --init-groups \
        env -i HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen "$@"
}
exec_as_root() {
    exec timeout 60 env -i HOME="$roothome" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$roothome/runtime" \
        QT_QPA_PLATFORM=offscreen "$@"
}

# Starts the program (as the user, or with "root" as root), waits until it has opened
# the business database in folder $data with its write-ahead log (so it could write),
# then ends it.
start_and_end() {
    if [ "${1:-}" = root ]; then
        exec_as_root "$prefix/bin/tallowmere" &
    else
        exec_as_user "$prefix/bin/tallowmere" &
    fi
    program=$!
    for _ in $(seq 300); do
        [ -e "$data/Tallowmere.db-shm" ] && break
        kill -0 "$program" 2>/dev/null || fail "the program ended at start"
        sleep 0.1
    done
    [ -e "$data/Tallowmere.db-shm" ] || fail "the program never opened $data/Tallowmere.db"
    end_program
}
end_program() {
    kill "$program" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=""
}

# Root can write into the installation, and must still not work there: what root
# changed would reach every user.
roothome="$work/root"
mkdir -m 700 "$roothome" "$roothome/runtime"
data=$( (exec_as_root "$prefix/bin/tallowmere" --program-folder) )
[ "$data" = "$roothome/.local/share/Tallowmere" ] || fail "root's program folder is $data"
start_and_end root
[ -z "$(find "$prefix" -newer "$work/installed")" ] || fail "the program run by root wrote into $prefix"
echo "ok   run by root, the installed program works in root's own data folder"
# What an earlier version run by root left in the installation: settings no user can
# read, which must not be copied (nor stop anyone's start).
program_folder=$(dirname "$(readlink -f "$prefix/bin/tallowmere")")
install -m 600 /dev/null "$program_folder/config.ini"
planted="$program_folder/config.ini"
touch "$work/installed"

data=$(as_user "$prefix/bin/tallowmere" --program-folder)
[ "$data" = "$home/.local/share/Tallowmere" ] || fail "program folder is $data"
[ ! -e "$data" ] || fail "--program-folder made $data"
echo "ok   the installed program works in $data"

start_and_end
for name in Tallowmere.db Rss.db BusineeResources.html urlNames.txt; do
    [ -f "$data/$name" ] || fail "$name was not copied"
    [ "$(stat -c %U "$data/$name")" = "$user" ] || fail "$name does not belong to the user"
done
[ "$(mode "$data")" = 700 ] || fail "$data is open to others: $(mode "$data")"
for file in "$data"/*; do
    case "$(basename "$file")" in
        # A database's -wal and -shm files belong to it while the program has it open (the
        # day's backup reads Rss.db too, and the program is ended without warning here).
        Tallowmere.db | Tallowmere.db-wal | Tallowmere.db-shm | Rss.db | Rss.db-wal | Rss.db-shm) ;;
        BusineeResources.html | urlNames.txt) ;;
        backups) # the day's own backup, made by the program
            # (ended at once, the program may leave it half made: the next start redoes it)
            open=$(find "$file" \( -type d ! -perm 700 \) -o \( -type f ! -perm 600 \))
            [ -z "$open" ] || fail "open to others: $open"
            continue ;;
        *) fail "$(basename "$file") was copied to the user" ;;
    esac
    [ "$(mode "$file")" = 600 ] || fail "$(basename "$file") is open to others: $(mode "$file")"
done
[ "$(as_user "$prefix/bin/tallowmere-db" check "$data/Tallowmere.db")" = "ok" ] || fail "copied database is unsound"
as_user "$prefix/bin/tallowmere-db" sql "$data/Tallowmere.db" \
    "INSERT INTO BusinessInformation (BusninesName) VALUES ('Kept Ltd')" >/dev/null || fail "the user cannot write"
echo "ok   first start: only delivered files copied, the user's alone, sound and writable by the user"

before=$(stat -c '%i %Y' "$data/Tallowmere.db" "$data/Rss.db" "$data/BusineeResources.html")
start_and_end
after=$(stat -c '%i %Y' "$data/Tallowmere.db" "$data/Rss.db" "$data/BusineeResources.html")
[ "$before" = "$after" ] || fail "a second start replaced delivered files"
kept=$(as_user "$prefix/bin/tallowmere-db" sql "$data/Tallowmere.db" \
    "SELECT count(*) FROM BusinessInformation WHERE BusninesName = 'Kept Ltd'")
[[ "$kept" == *1* ]] || fail "the user's business is gone: $kept"
[ -z "$(find "$prefix" -newer "$work/installed")" ] || fail "the program wrote into $prefix"
echo "ok   second start: nothing copied again, the user's change kept"

[ -z "$build" ] && exit 0
rm -f "$planted"
planted=""
while IFS= read -r file || [ -n "$file" ]; do
    case "$file" in
        "$prefix"/*) rm -f "$file" ;;
        *) fail "the manifest lists $file, outside $prefix" ;;
    esac
done <"$work/manifest"
left=$(find "$prefix" ! -type d)
[ -z "$left" ] || fail "the install manifest leaves out: $left"
echo "ok   removing what the install manifest lists leaves only empty folders"
