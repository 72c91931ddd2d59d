#!/usr/bin/env bash
# Starts the calculator offscreen, waits for its window, ends it with SIGTERM as a logout does,
# and checks where it kept its settings (the readout, written at every exit): an installed copy
# in the user's configuration folder even though it could write beside itself, a copy alone in
# a folder of its own beside itself.
# Usage: check_settings_place.sh INSTALLED_PROGRAM BUILT_PROGRAM
set -euo pipefail
installed=$1
built=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run PROGRAM HOME [XDG_CONFIG_HOME]: one start and one SIGTERM; fails when the window never
# shows or the program does not end with status 0.
run() {
    local program=$1 home=$2
    local environment=(-u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME QT_QPA_PLATFORM=offscreen
                       SORBA_REPORT_SHOWN=1 HOME="$home")
    if [ $# -ge 3 ]; then
        environment+=(XDG_CONFIG_HOME="$3")
    fi
    mkdir -p "$home"
    env "${environment[@]}" "$program" >"$work/out" 2>"$work/err" &
    local pid=$!
    for _ in $(seq 1200); do
        grep -q '^shown ' "$work/out" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if ! grep -q '^shown ' "$work/out"; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        fail "$program never showed its window: $(cat "$work/err")"
        return
    fi
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then
        fail "$program ended with status $status after SIGTERM: $(cat "$work/err")"
    fi
}

# expect_settings FILE: the file holds the readout the program was closed with.
expect_settings() {
    if [ ! -f "$1" ]; then
        fail "no settings file $1"
    elif ! grep -qx 'Dumy=0\.' "$1"; then
        fail "$1 does not hold the readout: $(cat "$1")"
    fi
}

# expect_no_settings FOLDER: nothing named SORBA.INI (in any case) anywhere below it.
expect_no_settings() {
    local found
    found=$(find "$1" -iname 'sorba.ini' 2>/dev/null || true)
    [ -z "$found" ] || fail "settings written where they do not belong: $found"
}

# The installed copy, with XDG_CONFIG_HOME and then without it (~/.config).
run "$installed" "$work/home1" "$work/config"
expect_settings "$work/config/sorba/SORBA.INI"
expect_no_settings "$(dirname "$installed")"
expect_no_settings "$work/home1"

run "$installed" "$work/home2"
expect_settings "$work/home2/.config/sorba/SORBA.INI"
expect_no_settings "$(dirname "$installed")"

# A copy alone in a folder, as unpacked: the settings stay beside it.
mkdir -p "$work/unpacked"
cp "$built" "$work/unpacked/"
run "$work/unpacked/$(basename "$built")" "$work/home3" "$work/config3"
expect_settings "$work/unpacked/SORBA.INI"
expect_no_settings "$work/config3"
expect_no_settings "$work/home3"

[ "$failures" -eq 0 ] || exit 1
echo "settings kept where they belong"
