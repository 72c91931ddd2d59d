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
# may run on takes part, and a CI container without any session bus works the same.
exec xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- /usr/bin/python3 "$here/listener.py" "$folder"
