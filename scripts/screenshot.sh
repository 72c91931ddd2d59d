#!/usr/bin/env bash
# Writes docs/screenshot.png: the window on a virtual X display (the real xcb platform) after a
# drag into the middle size band and a few keys. The program runs from a fresh temporary folder,
# so no settings file of this machine shows. SORBA_BUILD_DIR picks another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh xdotool imagemagick

build_dir=${SORBA_BUILD_DIR:-build}
if [ ! -x "$build_dir/sorba" ]; then
    if [ "$build_dir" = build ]; then
        cmake --preset dev
        cmake --build --preset dev -j "$(nproc)"
    else
        cmake --build "$build_dir" -j "$(nproc)"
    fi
fi

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# The settings file lives beside the program, so a copy of the program starts from nothing.
cp "$build_dir/sorba" "$folder/"
output="$PWD/docs/screenshot.png"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$folder" "$output" <<'SHOT'
set -euo pipefail
folder=$1
output=$2
"$folder/sorba" &
pid=$!
window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
xdotool windowfocus --sync "$window"
# A drag to 100 pixels lands in the middle band (1620 twips, readout font 30).
xdotool windowsize --sync "$window" 400 100 || true
xdotool type --delay 80 '1234567*'
# Let the last key and the resize be drawn before the picture is taken.
sleep 1
import -window "$window" "$output"
kill "$pid"
wait "$pid" || true
SHOT
echo "wrote $output"
