#!/usr/bin/env bash
# The readout as a screen reader meets it: the calculator on a virtual X display with its own
# session bus and accessibility bus, an AT-SPI listener that types 12+3= and checks what the
# focused object exposes, and Orca, when installed, logging what it would speak.
# Usage: run_check.sh PATH/TO/sorba
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# A copy alone in a folder keeps its settings beside itself, so it starts from nothing.
cp "$program" "$folder/sorba"

# Each run has its own display, session bus and accessibility bus: nothing of the desktop it
# may run on takes part, and a CI container without any session bus works the same. Xvfb picks
# a free display itself, so that runs beside other virtual displays never race for one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$folder"' EXIT
for _ in $(seq 100); do
    [ -s "$folder/display" ] && break
    sleep 0.1
done
if [ ! -s "$folder/display" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$folder/display")"
dbus-run-session -- /usr/bin/python3 "$here/listener.py" "$folder"
