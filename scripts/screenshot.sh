#!/usr/bin/env bash
# Writes docs/screenshot.png: the window on a virtual X display (the real xcb platform) after a
# drag into the middle size band and a few keys. `scripts/screenshot.sh panel` writes
# docs/screenshot-panel.png instead: the unit panel opened through the menus, with a number typed.
# The program runs from a fresh temporary folder, so no settings file of this machine shows.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-keypad}
case "$mode" in
keypad) output="$PWD/docs/screenshot.png" ;;
panel) output="$PWD/docs/screenshot-panel.png" ;;
*)
    echo "usage: $0 [panel]" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh xvfb screenshot
scripts/build.sh release

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# A copy alone in a folder keeps its settings beside itself, so it starts from nothing.
cp build-release/sorba "$folder/"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$folder" "$output" "$mode" <<'SHOT'
set -euo pipefail
folder=$1
output=$2
mode=$3
"$folder/sorba" &
pid=$!
window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
xdotool windowfocus --sync "$window"
if [ "$mode" = panel ]; then
    # There is no window manager, so the menu bar starts at the window's top left: a click opens
    # the first menu, then the keys walk to オプション → 単位変換画面 → 表示する.
    xdotool mousemove --window "$window" 12 10 click 1
    sleep 0.5
    xdotool key --delay 100 Right Down Down Down Down Right Down Return
    sleep 0.5
    xdotool type --delay 80 '1000'
else
    # A drag to 100 pixels lands in the middle band (1620 twips, readout font 30).
    xdotool windowsize --sync "$window" 400 100 || true
    xdotool type --delay 80 '1234567*'
fi
# Let the last key and the resize be drawn before the picture is taken.
sleep 1
import -window "$window" "$output"
kill "$pid"
wait "$pid" || true
SHOT
echo "wrote $output"
