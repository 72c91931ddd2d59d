#!/usr/bin/env bash
# Starts the calculator offscreen where fontconfig knows no face at all, then where it knows the
# machine's faces (Japanese ones among them, as the package's Depends bring): the first start must
# say once on standard error which package brings Japanese glyphs and still show the window, the
# second must not.
# Usage: check_font_warning.sh PROGRAM FONT_PACKAGE
set -euo pipefail
program=$1
font_package=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/no-fonts" "$work/unpacked"
# A copy alone in a folder keeps its settings beside itself, away from the build.
cp "$program" "$work/unpacked/"
program="$work/unpacked/$(basename "$program")"
cat >"$work/no-fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>$work/no-fonts</dir><cachedir>$work/cache</cachedir></fontconfig>
CONF

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# start [VARIABLE=VALUE...]: one start until the window shows, ended by SIGTERM.
start() {
    # What the last start printed must not be taken for this one's.
    rm -f "$work/out" "$work/err"
    env -u DISPLAY -u WAYLAND_DISPLAY SORBA_REPORT_SHOWN=1 HOME="$work/home" "$@" \
        "$program" -platform offscreen >"$work/out" 2>"$work/err" &
    local pid=$!
    for _ in $(seq 1200); do
        grep -q '^shown ' "$work/out" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    grep -q '^shown ' "$work/out" || fail "the window never showed: $(cat "$work/err")"
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" || fail "ended with status $? after SIGTERM: $(cat "$work/err")"
}

warning='no installed font has Japanese glyphs'

start FONTCONFIG_FILE="$work/no-fonts.conf"
count=$(grep -c "$warning" "$work/err" || true)
[ "$count" -eq 1 ] || fail "without fonts the warning came $count times: $(cat "$work/err")"
grep -q "apt-get install $font_package)" "$work/err" ||
    fail "the warning does not name $font_package: $(cat "$work/err")"

start
! grep -q "$warning" "$work/err" || fail "with the machine's fonts it still warned: $(cat "$work/err")"

[ "$failures" -eq 0 ] || exit 1
echo "the missing Japanese font is named once, and only when missing"
