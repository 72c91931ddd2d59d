#!/usr/bin/env bash
# Renders the man page as man does for a terminal in the C locale (ascii) and in a UTF-8 locale
# (utf8): groff must warn about nothing, and both renderings must name the window's titles.
# Usage: check_man_page.sh PAGE
set -euo pipefail
page=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# render DEVICE TEXT...: the page rendered for DEVICE without a warning, holding every TEXT.
render() {
    local device=$1
    shift
    if ! groff -k -man -T"$device" -ww "$page" >"$work/$device.txt" 2>"$work/$device.err" ||
        [ -s "$work/$device.err" ]; then
        echo "FAIL: groff -T$device: $(cat "$work/$device.err")"
        failures=$((failures + 1))
    fi
    for text in "$@"; do
        grep -qF -- "$text" "$work/$device.txt" || {
            echo "FAIL: the page rendered for $device lacks \"$text\""
            failures=$((failures + 1))
        }
    done
}

render ascii 'titled Keisanmaru' '"SorbaPal"'
render utf8 '“【計算丸】”' '“【SorbaPal】”'

[ "$failures" -eq 0 ] || exit 1
echo "the man page renders without warnings for ascii and utf8"
