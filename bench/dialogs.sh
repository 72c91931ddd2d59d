#!/usr/bin/env bash
# Dialog benchmark (not a test): builds bench/qt/dialogs_bench.cpp and runs it on a virtual X
# display. It reports, side by side in one process, the font chooser from its menu item to its
# filled list against a bare QListWidget filled with the same family list, and the colour dialog
# from its menu item until shown against a bare QColorDialog.
# Usage: bench/dialogs.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-15}

scripts/install-deps.sh xvfb
# The developer build holds the benchmarks, this one included.
scripts/build.sh dev

xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/sorba_dialogs_bench "$runs"
