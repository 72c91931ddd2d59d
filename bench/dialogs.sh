#!/usr/bin/env bash
# Dialog benchmark (not a test): builds bench/qt/dialogs_bench.cpp and runs it on a virtual X
# display. It reports, side by side in one process, the font chooser from its menu item to its
# filled list against a bare QListWidget filled with the same family list, and the colour dialog
# from its menu item until shown against a bare QColorDialog.
# Usage: bench/dialogs.sh [RUNS]   (SORBA_BUILD_DIR picks another build folder than build/)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}
build_dir=${SORBA_BUILD_DIR:-build}

scripts/install-deps.sh
scripts/ensure-build.sh
cmake --build "$build_dir" --target sorba_dialogs_bench >/dev/null

xvfb-run -a -s "-screen 0 1280x1024x24" "$build_dir/bench/sorba_dialogs_bench" "$runs"
