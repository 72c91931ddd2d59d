#!/usr/bin/env bash
# Builds the libFuzzer targets (preset `fuzz`, clang) and runs each over its seed corpus.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]          every target (or those named) SECONDS long,
#                                                  60 by default; what a run learns is kept in
#                                                  build-fuzz/corpus/TARGET for the next run
#   scripts/fuzz.sh --merge [SECONDS] [TARGET...]  the same, then adds the inputs that reach new
#                                                  code to the target's seeds in fuzz/corpus
#   scripts/fuzz.sh --ci                           20 s per target from the seeds alone, with a
#                                                  fixed seed so that a finding comes back on rerun
#
# The seeds in fuzz/corpus are only read, never written, unless --merge is given; which folder
# holds a target's seeds is written by fuzz/CMakeLists.txt into build-fuzz/fuzz/corpora.txt. An
# input that breaks a target is saved in build-fuzz/findings/TARGET/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=run
seconds=60
case "${1:-}" in
--ci)
    mode=ci
    seconds=20
    shift
    ;;
--merge)
    mode=merge
    shift
    ;;
esac
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi

scripts/build.sh fuzz >/dev/null

declare -A seeds_of=()
all_targets=()
while read -r name folder; do
    seeds_of[$name]=$folder
    all_targets+=("$name")
done <build-fuzz/fuzz/corpora.txt

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=("${all_targets[@]}")
fi

failed=()
for target in "${targets[@]}"; do
    binary=build-fuzz/fuzz/fuzz_$target
    seeds=${seeds_of[$target]:-}
    if [ ! -x "$binary" ] || [ -z "$seeds" ] || [ ! -d "$seeds" ]; then
        echo "fuzz.sh: no target $target (see fuzz/CMakeLists.txt)" >&2
        exit 2
    fi
    if [ "$mode" = ci ]; then
        work=$(mktemp -d)
    else
        work=build-fuzz/corpus/$target
        mkdir -p "$work"
    fi
    findings=build-fuzz/findings/$target
    mkdir -p "$findings"

    seed=()
    if [ "$mode" = ci ]; then
        seed=(-seed=1)
    fi
    echo "== $target: $seconds s"
    # New inputs go to the first folder only; the seeds are read from the second.
    if ! "$binary" "${seed[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$seeds" \
        >"$findings/last-run.log" 2>&1; then
        failed+=("$target")
        grep -E 'property failed|ERROR|SUMMARY|runtime error|Test unit written' \
            "$findings/last-run.log" >&2 || tail -20 "$findings/last-run.log" >&2
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$findings/last-run.log" || true

    if [ "$mode" = merge ]; then
        "$binary" -merge=1 "$seeds" "$work" >"$findings/merge.log" 2>&1
    fi
    if [ "$mode" = ci ]; then
        rm -rf "$work"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: findings in ${failed[*]} (inputs in build-fuzz/findings/)" >&2
    exit 1
fi
echo "fuzz.sh: no findings"
