#!/usr/bin/env bash
# Calculation-tape benchmark (not a test): in the real window under Xvfb with openbox, fills the
# tape with 100,000 rows through XTEST key presses, then measures the key-to-pixel latency of the
# main window (readout) with the tape window shown, then the same with it hidden (the rows are
# written either way), alternating 1 and keypad + (each + writes a row). Reports the median and
# 90th percentile of each, their ratio, and the resident memory before and after the fill.
# Usage: bench/tape.sh [SAMPLES]   (SORBA_BIN=path picks another build of the program, ROWS=n
# another number of rows)
set -euo pipefail
cd "$(dirname "$0")/.."

samples=${1:-200}
rows=${ROWS:-100000}

scripts/install-deps.sh xvfb screenshot latency
if [ -z "${SORBA_BIN:-}" ]; then
    scripts/build.sh release
    SORBA_BIN=$PWD/build-release/sorba
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
c++ -O2 -std=c++20 -o "$work/key_latency" bench/xtest/key_latency.cpp -lX11 -lXtst
mkdir "$work/program"
cp "$SORBA_BIN" "$work/program/sorba"
printf '[SORBA]\nTape=1\n' > "$work/program/SORBA.INI"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$work" "$samples" "$rows" <<'RUN'
set -euo pipefail
work=$1
samples=$2
rows=$3
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
openbox >/dev/null 2>&1 &
sleep 1
for tape in 1 0; do
    printf '[SORBA]\nTape=%s\n' "$tape" > "$work/program/SORBA.INI"
    "$work/program/sorba" 2>/dev/null &
    pid=$!
    main=$(xdotool search --sync --onlyvisible --pid "$pid" --name '^【計算丸】$' | head -n 1)
    xdotool windowactivate --sync "$main"
    sleep 1
    before=$(rss "$pid")
    "$work/key_latency" "$main" fill "$rows" KP_Add
    # One measured key waits until the window has caught up with the fill.
    "$work/key_latency" "$main" measure 2 >/dev/null || true
    sleep 2
    after=$(rss "$pid")
    read -r n median p90 <<< "$("$work/key_latency" "$main" measure "$samples")"
    kill "$pid"
    wait "$pid" || true
    state=$([ "$tape" = 1 ] && echo shown || echo hidden)
    echo "tape $state, $rows rows: median $median ms, p90 $p90 ms ($n samples);" \
        "resident memory $before kB before the fill, $after kB after" \
        "(+$(( (after - before) / 1024 )) MB)"
    eval "median_$state=$median"
done
awk -v a="$median_shown" -v b="$median_hidden" \
    'BEGIN { printf "median latency, tape shown / hidden: %.2f\n", a / b }'
RUN
