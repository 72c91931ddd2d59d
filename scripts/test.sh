#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the CI build (the developer build with
# the format check, clang-tidy over src/, app/ and tools/, the installed program and the Debian
# package), then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)

scripts/build.sh ci
ctest --preset ci -j "$jobs"

scripts/build.sh asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j "$jobs"

scripts/fuzz.sh --ci # each fuzz target for 20 s over its seeds
