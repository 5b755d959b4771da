#!/usr/bin/env bash
# Installs Zorbly into a temporary prefix and checks it as a desktop would use it:
#   tests/install/check-install.sh <build-dir>
# The desktop entry and metainfo validate; the installed launcher makes the user's game folder,
# starts the program in it, refreshes the data a newer install brings, and never touches the
# user's players or sound setting, nor writes into the installed tree. Paths hold spaces on
# purpose.
set -euo pipefail

build_dir=$(cd "$1" && pwd -P)
source_dir=$(cd "$(dirname "$0")/../.." && pwd -P)
app_id=io.github.zorbly.Zorbly

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zorbly install.XXXXXX")
tmp=$(cd "$tmp" && pwd -P)
game_pid=
# `cmake --install` rewrites the build folder's install_manifest.txt, which lists the files of a
# real install to remove them again: it is put aside and brought back.
manifest="$build_dir/install_manifest.txt"
manifest_aside="$manifest.install-check"
[ ! -e "$manifest" ] || mv -f "$manifest" "$manifest_aside"
cleanup() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    chmod -R u+w "$tmp" 2>/dev/null || true
    rm -rf "$tmp"
    rm -f "$manifest"
    [ ! -e "$manifest_aside" ] || mv -f "$manifest_aside" "$manifest"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP

failures=0
fail() {
    printf 'FAIL: %s\n' "$*" >&2
    failures=$((failures + 1))
}

prefix="$tmp/install prefix"
home="$tmp/home folder"
game_dir="$home/.local/share/zorbly"
runtime_dir="$tmp/runtime"
mkdir -p "$home" "$runtime_dir"
chmod 700 "$runtime_dir"

cmake --install "$build_dir" --prefix "$prefix" >"$tmp/install.log" ||
    { cat "$tmp/install.log" >&2; exit 1; }

launcher="$prefix/bin/zorbly"
program="$prefix/libexec/zorbly/zorbly"
desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
installed_data="$prefix/share/zorbly/data"

# Width x height from a PNG header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

# --- What is installed where -----------------------------------------------------------------
[ -x "$launcher" ] || fail "no launcher at bin/zorbly"
[ -x "$program" ] || fail "no program at libexec/zorbly/zorbly"
diff -r -x Sound.dat "$source_dir/data" "$installed_data" >/dev/null ||
    fail "share/zorbly/data differs from the source data folder"
[ ! -e "$installed_data/Sound.dat" ] || fail "a Sound.dat was installed"
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png"
    if [ ! -f "$icon" ]; then
        fail "no ${size}x$size icon"
    elif [ "$(png_size "$icon")" != "${size}x$size" ]; then
        fail "the ${size}x$size icon is $(png_size "$icon")"
    fi
done

# --- The desktop files -----------------------------------------------------------------------
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refused $metainfo"
# The tree as a software centre reads it: metainfo, desktop entry and icon found together.
appstreamcli validate-tree --no-net "$prefix" >"$tmp/tree.log" 2>&1 ||
    { cat "$tmp/tree.log" >&2; fail "appstreamcli refused the installed tree"; }
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
grep -qx "Exec=\"$launcher\"" "$desktop" || fail "the desktop entry does not start $launcher"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not name $app_id.desktop"

# --- The launcher ----------------------------------------------------------------------------
# A listing of the installed tree with checksums, to show the launcher writes nothing there.
snapshot() {
    (cd "$prefix" && find . -exec ls -ld --time-style=+%s.%N {} + | sort &&
        find . -type f -exec cksum {} + | sort)
}

# Starts the launcher without arguments (an argument makes the program show a message), waits
# until it has become the installed program, and checks where that program runs. The game window
# is modal and waits for the player, so the test ends the program itself.
start_game() {
    local what=$1
    shift
    (cd "$tmp" && exec env -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$runtime_dir" \
        QT_QPA_PLATFORM=offscreen "$@" "$launcher" </dev/null >"$tmp/game.log" 2>&1) &
    game_pid=$!
    # Started means: the installed program, with Qt's offscreen platform loaded.
    local exe="" tries=0
    while kill -0 "$game_pid" 2>/dev/null && ((tries < 600)); do
        exe=$(readlink "/proc/$game_pid/exe" 2>/dev/null || true)
        [ "$exe" = "$program" ] && grep -q libqoffscreen "/proc/$game_pid/maps" 2>/dev/null &&
            break
        sleep 0.1
        tries=$((tries + 1))
    done
    if [ "$exe" != "$program" ]; then
        fail "$what: the launcher did not start the installed program"
    else
        [ "$(readlink "/proc/$game_pid/cwd")" = "$game_dir" ] ||
            fail "$what: the program does not run in $game_dir"
        [ "$(tr '\0' '\n' <"/proc/$game_pid/cmdline" | wc -l)" = 1 ] ||
            fail "$what: the program was given arguments"
        sleep 1  # let it reach its game window
    fi
    if ! kill -0 "$game_pid" 2>/dev/null; then
        wait "$game_pid" || true
        fail "$what: the program ended by itself"
        cat "$tmp/game.log" >&2
    else
        kill "$game_pid"
        wait "$game_pid" || true
    fi
    game_pid=
}

# The installed tree as a user sees a system install: not writable. Root could write anyway, so
# the snapshot shows the launcher did not.
chmod -R a-w "$prefix"
before=$(snapshot)

# First start, XDG_DATA_HOME unset: the folder ~/.local/share/zorbly with players/ and the data.
start_game "first start"
[ -d "$game_dir/players" ] || fail "first start: no players folder"
diff -r "$installed_data" "$game_dir/data" >/dev/null ||
    fail "first start: the game folder's data differs from the installed data"
[ "$(snapshot)" = "$before" ] || fail "the launcher changed the installed tree"

# Between starts: the user's players and sound setting, a damaged data file, and a newer install
# that changes a data file, adds one in a new subfolder and (say, from a packager) a Sound.dat.
printf 'Test0\r\n' >"$game_dir/players/data"
printf 'a record\r\n' >"$game_dir/players/Test0.ply"
printf 'TRUE\r\n' >"$game_dir/data/Sound.dat"
keep_user_files() {
    rm -rf "$tmp/kept"
    mkdir -p "$tmp/kept"
    cp "$game_dir/players/data" "$game_dir/players/Test0.ply" "$game_dir/data/Sound.dat" "$tmp/kept/"
}
user_files_kept() {
    local kept
    for kept in players/data players/Test0.ply data/Sound.dat; do
        cmp -s "$tmp/kept/${kept##*/}" "$game_dir/$kept" || fail "$1: $kept was changed"
    done
}
keep_user_files
printf 'damaged' >"$game_dir/data/zorb.bmp"
chmod -R u+w "$prefix"
printf 'newer\r\n' >>"$installed_data/zorb.dat"
mkdir -p "$installed_data/new folder"
printf 'added\r\n' >"$installed_data/new folder/added file.txt"
printf 'FALSE\r\n' >"$installed_data/Sound.dat"
chmod -R a-w "$prefix"

# Second start, XDG_DATA_HOME given: the same folder, refreshed, the user's files kept.
start_game "second start" XDG_DATA_HOME="$home/.local/share"
user_files_kept "second start"
diff -r -x Sound.dat "$installed_data" "$game_dir/data" >/dev/null ||
    fail "second start: the newer install's data was not copied in"

# A missing program gives a message, not a start.
chmod -R u+w "$prefix"
mv "$program" "$program.away"
if (export HOME="$home" && unset XDG_DATA_HOME && "$launcher") >"$tmp/refused.log" 2>&1; then
    fail "the launcher started without its program"
fi
grep -q "the game program is missing" "$tmp/refused.log" ||
    fail "no message for a missing program: $(cat "$tmp/refused.log")"
mv "$program.away" "$program"

# One user's install under ~/.local: the installed data is the game folder's own data. A start
# and a reinstall keep the user's files (a Sound.dat in the source data is not installed).
prefix="$home/.local"
launcher="$prefix/bin/zorbly"
program="$prefix/libexec/zorbly/zorbly"
for round in 1 2; do
    cmake --install "$build_dir" --prefix "$prefix" >"$tmp/install.log" ||
        { cat "$tmp/install.log" >&2; exit 1; }
    user_files_kept "install under ~/.local ($round)"
    start_game "start under ~/.local ($round)"
    user_files_kept "start under ~/.local ($round)"
done
lacking=$(diff -r -x Sound.dat "$source_dir/data" "$game_dir/data" |
    grep -vF "Only in $game_dir/data" || true)
[ -z "$lacking" ] || fail "under ~/.local the game folder lacks the installed data: $lacking"

if ((failures)); then
    printf '%d check(s) failed\n' "$failures" >&2
    exit 1
fi
echo "install check passed"
