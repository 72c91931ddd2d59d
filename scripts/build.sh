#!/usr/bin/env bash
# Installs what a preset needs, then configures and builds it: the one place that does, for the
# run and test scripts, the screenshots, the benchmarks and CI.
# Usage: scripts/build.sh PRESET
#   release  the calculator alone (build-release/)
#   dev      developer build with tests and benchmarks (build/)
#   ci       dev plus clang-tidy, the Debian package check and the screen reader check (build/)
#   asan     AddressSanitizer + UndefinedBehaviorSanitizer (build-asan/)
#   fuzz     the libFuzzer targets, built with clang (build-fuzz/)
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-}
case "$preset" in
release) groups=(build) ;;
dev) groups=(build test bench) ;;
ci) groups=(build test bench speech) ;;
asan) groups=(build test) ;;
fuzz) groups=(fuzz) ;;
*)
    echo "usage: scripts/build.sh release|dev|ci|asan|fuzz" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh "${groups[@]}"
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
