#!/usr/bin/env bash
# Builds the calculator when the build folder (SORBA_BUILD_DIR, default build/) has none yet.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${SORBA_BUILD_DIR:-build}
[ -x "$build_dir/sorba" ] && exit 0
if [ "$build_dir" = build ]; then
    cmake --preset dev
    cmake --build --preset dev -j "$(nproc)"
else
    cmake --build "$build_dir" -j "$(nproc)"
fi
