#!/usr/bin/env bash
# Installs what building and running need, builds the calculator and starts it. Without a
# display it stops after the build with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "sorba: built as build-release/sorba, but there is no display to show it on" >&2
    echo "(neither DISPLAY nor WAYLAND_DISPLAY is set). Start it from a desktop session." >&2
    exit 1
fi
exec build-release/sorba "$@"
