#!/usr/bin/env bash
# Installs what is missing, builds and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "sorba: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it from a desktop session, or try it headless: xvfb-run build/sorba" >&2
    exit 1
fi
exec build/sorba
