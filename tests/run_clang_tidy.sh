#!/usr/bin/env bash
# Runs clang-tidy over every source of the folders with the build's compile commands, in parallel;
# fails on the first finding of any check named in .clang-tidy.
# Usage: run_clang_tidy.sh CLANG_TIDY BUILD_DIR SOURCE_DIR...
set -euo pipefail
clang_tidy=$1
build_dir=$2
shift 2

# The compile commands are GCC's; clang knows a few of its warning options by other names.
find "$@" -name '*.cpp' -print0 | sort -z |
    xargs -0 -n 4 -P "$(nproc)" "$clang_tidy" -p "$build_dir" --quiet --warnings-as-errors='*' \
        --extra-arg=-Wno-unknown-warning-option
