#!/usr/bin/env bash
# Start-up benchmark (not a test): starts build-release/sorba and a minimal Qt 6 Widgets program
# (window, menu bar, one label; built here in a temporary folder as the floor) under Xvfb,
# alternately, and reports the median time from exec until the window is first exposed and the
# resident memory one second later. Both programs print the moment of exposure when
# SORBA_REPORT_SHOWN=1.
# Usage: bench/startup.sh [RUNS]
# With SORBA_REFERENCE=PROGRAM, that build of the calculator (an earlier one, say) takes its turn
# in the same series, so a change is measured before and after under the same load.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-7}

scripts/install-deps.sh xvfb
scripts/build.sh release

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The floor, built with the same compiler and optimisation as the release preset.
mkdir -p "$work/floor"
cat > "$work/floor/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(floor LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(floor main.cpp)
target_link_libraries(floor PRIVATE Qt6::Widgets)
CMAKE
cat > "$work/floor/main.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QWindow>

#include <chrono>
#include <cstdio>

class ExposureReporter : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("shown %lld\n", static_cast<long long>(
                std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            std::fflush(stdout);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    auto *label = new QLabel(QStringLiteral("0."));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    window.setCentralWidget(label);
    window.resize(353, 90);
    window.show();
    ExposureReporter reporter;
    if (qEnvironmentVariableIntValue("SORBA_REPORT_SHOWN") == 1)
        window.windowHandle()->installEventFilter(&reporter);
    return app.exec();
}
CPP
cmake -S "$work/floor" -B "$work/floor/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$work/floor/build" >/dev/null

# The calculator runs from a folder of its own, so it starts without settings.
mkdir -p "$work/sorba"
cp build-release/sorba "$work/sorba/"
names=(sorba floor)
if [ -n "${SORBA_REFERENCE:-}" ]; then
    mkdir -p "$work/reference"
    cp "$SORBA_REFERENCE" "$work/reference/sorba"
    names+=(reference)
fi

cat > "$work/measure.sh" <<'MEASURE'
#!/usr/bin/env bash
# One start: prints "MILLISECONDS KILOBYTES".
set -euo pipefail
program=$1
out=$(mktemp)
start=$(date +%s%6N)
SORBA_REPORT_SHOWN=1 "$program" >"$out" 2>/dev/null &
pid=$!
for _ in $(seq 1000); do
    grep -q '^shown ' "$out" && break
    sleep 0.01
done
shown=$(sed -n 's/^shown //p' "$out")
sleep 1
rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true
rm -f "$out"
echo "$(( (shown - start) / 1000 )) $rss"
MEASURE
chmod +x "$work/measure.sh"

cat > "$work/series.sh" <<SERIES
#!/usr/bin/env bash
set -euo pipefail
# One start of each first, so both meet warm file caches.
"$work/measure.sh" "$work/sorba/sorba" >/dev/null
"$work/measure.sh" "$work/floor/build/floor" >/dev/null
for _ in \$(seq $runs); do
    echo "sorba \$("$work/measure.sh" "$work/sorba/sorba")"
    echo "floor \$("$work/measure.sh" "$work/floor/build/floor")"
    if [ -x "$work/reference/sorba" ]; then
        echo "reference \$("$work/measure.sh" "$work/reference/sorba")"
    fi
done
SERIES
chmod +x "$work/series.sh"

xvfb-run -a -s "-screen 0 1280x1024x24" "$work/series.sh" >"$work/results"

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
report() {
    local name=$1
    local time rss
    time=$(awk -v n="$name" '$1 == n { print $2 }' "$work/results" | median)
    rss=$(awk -v n="$name" '$1 == n { print $3 }' "$work/results" | median)
    printf '%-9s %8s ms %9.1f MB\n' "$name" "$time" "$(echo "$rss" | awk '{ print $1 / 1024 }')"
    echo "$time $rss" >"$work/$name.median"
}

echo "median of $runs starts: exec to first exposure, resident memory 1 s later"
for name in "${names[@]}"; do
    report "$name"
done
read -r sorba_time sorba_rss <"$work/sorba.median"
read -r floor_time floor_rss <"$work/floor.median"
awk -v st="$sorba_time" -v ft="$floor_time" -v sr="$sorba_rss" -v fr="$floor_rss" \
    'BEGIN { printf "sorba / floor: time %.2fx, memory %.2fx\n", st / ft, sr / fr }'
if [ -f "$work/reference.median" ]; then
    read -r reference_time reference_rss <"$work/reference.median"
    awk -v st="$sorba_time" -v rt="$reference_time" -v sr="$sorba_rss" -v rr="$reference_rss" \
        'BEGIN { printf "sorba / reference: time %.2fx, memory %.2fx\n", st / rt, sr / rr }'
fi
