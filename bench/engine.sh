#!/usr/bin/env bash
# Engine benchmarks (not a test): builds the developer preset and runs Google Benchmark on the
# engine. Arguments go to the benchmark program (for example --benchmark_filter=Format).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh dev
exec build/bench/sorba_bench "$@"
