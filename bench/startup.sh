#!/usr/bin/env bash
# Start-up benchmark: process start -> main window painted with the tree filled and the start lesson
# selected, for 青禾书屋 and for a bare Qt Widgets window, alternating, under Xvfb with the software scene
# graph. Prints the medians, their ratio (budget 1.5) and the program's resident memory once its movies
# have loaded (budget 130 MiB); then the handwriting pad: launch to its window painted (budget 300 ms)
# and to the process' end, which includes waiting for the model load it started.
#   bench/startup.sh [build dir] [runs]      (default build/release, 7 runs)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build/release}"
runs="${2:-7}"
bin="$build/bin"
[ -x "$bin/qinghe" ] && [ -x "$bin/bench_bare_window" ] || { echo "build $build first" >&2; exit 1; }
[ -d "$bin/Data" ] || { echo "no edition in $bin/Data (run scripts/run once)" >&2; exit 1; }

if [ -z "${QH_IN_XVFB:-}" ]; then
    QH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@"
fi
export QT_QUICK_BACKEND=software SDL_AUDIODRIVER=dummy QINGHE_TRACE_STARTUP=1 QINGHE_QUIT_AFTER_START=1

# Milliseconds from launch to the "main-window-painted" trace line of one run.
paint_ms() {
    local log start painted
    log="$(mktemp)"
    start="$(date +%s%3N)"
    "$@" 2>"$log" >/dev/null
    painted="$(awk '$3 == "main-window-painted" { print $4; exit }' "$log")"
    rm -f "$log"
    echo $((painted - start))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

ours=()
bare=()
paint_ms "$bin/qinghe" >/dev/null # warm the file cache
paint_ms "$bin/bench_bare_window" >/dev/null
for _ in $(seq 1 "$runs"); do
    ours+=("$(paint_ms "$bin/qinghe")")
    bare+=("$(paint_ms "$bin/bench_bare_window")")
done
ours_median="$(printf '%s\n' "${ours[@]}" | median)"
bare_median="$(printf '%s\n' "${bare[@]}" | median)"
echo "qinghe runs (ms):      ${ours[*]}"
echo "bare window runs (ms): ${bare[*]}"
echo "median qinghe ${ours_median} ms, bare ${bare_median} ms, ratio $(awk -v a="$ours_median" -v b="$bare_median" 'BEGIN { printf "%.2f", a / b }') (budget 1.50)"

# Resident memory once the movies are up.
unset QINGHE_QUIT_AFTER_START
log="$(mktemp)"
"$bin/qinghe" 2>"$log" >/dev/null &
pid=$!
for _ in $(seq 1 100); do grep -q movies-started "$log" && break; sleep 0.1; done
sleep 2
rss_kb="$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")"
kill "$pid"; wait "$pid" 2>/dev/null || true
rm -f "$log"
echo "resident memory after start-up: $((rss_kb / 1024)) MiB (budget 130 MiB)"

# The pad: the same launch-to-paint time, read from its own trace, and the whole run.
if [ -x "$bin/Data/hand/HandWrite" ]; then
    export QINGHE_QUIT_AFTER_START=1
    pad=()
    whole=()
    for _ in $(seq 1 "$runs"); do
        log="$(mktemp)"
        start="$(date +%s%3N)"
        "$bin/Data/hand/HandWrite" 2>"$log" >/dev/null
        end="$(date +%s%3N)"
        pad+=("$(awk '$1 == "pad-window-painted" { print $2; exit }' "$log")")
        whole+=("$((end - start))")
        rm -f "$log"
    done
    echo "pad window painted (ms from main): ${pad[*]}; median $(printf '%s\n' "${pad[@]}" | median) (budget 300)"
    echo "pad whole runs (ms, launch to exit): ${whole[*]}; median $(printf '%s\n' "${whole[@]}" | median)"
fi
