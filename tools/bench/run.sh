#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every benchmark against one build and prints the figures of docs/performance.md.
# Usage: tools/bench/run.sh [BUILD_DIR]      (default: build; needs `--target bench` built there)
# Starts its own X server (Xvfb) unless DISPLAY is set; needs tools/deps.sh --bench.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-$here/../../build}")
if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$build"
fi
bench=$build/tools/bench
for program in "$build/quillmere" "$bench/quillmere_bench" "$bench/quillmere_memory" \
    "$bench/quillmere_reference"; do
    [[ -x "$program" ]] || { echo "missing $program: cmake --build $build --target bench"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
value() { grep "^$1=" | cut -d= -f2; } # value KEY < key=value lines
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mb() { awk -v kb="$1" 'BEGIN { printf "%.1f MB", kb / 1024 }'; }
medianOf() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "== in-process, offscreen (Google Benchmark: median of 5 repetitions)"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$bench/quillmere_bench" 2>/dev/null) | grep median
# The first play of a process loads the sound module and starts PortAudio: one figure a
# process, the median of 7.
first_play=$(for _ in $(seq 7); do
    (cd "$work" && QT_QPA_PLATFORM=offscreen "$bench/quillmere_bench" --benchmark_filter='^$' \
        2>/dev/null) | awk '/^first sound play/ { print $5 }'
done | medianOf)
echo "first sound play of a process adds $first_play ms beyond the sound's length"

echo "== start-up to the splash window mapped, under Xvfb"
"$here/startup.py" "$build/quillmere" "$bench/quillmere_reference" \
    "$bench/quillmere_reference --text"

echo "== memory, X11 platform under Xvfb (median of 5 runs)"
runs=5
program_peak=$(for _ in $(seq $runs); do "$bench/quillmere_memory" peak | value peak_kb; done | medianOf)
reference_peak=$(for _ in $(seq $runs); do "$bench/quillmere_reference" --peak; done | medianOf)
# The real program: the splash, a key, the main window; then its own peak from /proc.
real_peak=$(for _ in $(seq $runs); do
    (cd "$build" && exec ./quillmere 2>/dev/null) &
    pid=$!
    xdotool search --sync --onlyvisible --classname quillmere >/dev/null
    xdotool key a
    timeout 10 xdotool search --sync --onlyvisible --name "^Quillmere Version" >/dev/null
    sleep 0.5
    awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done | medianOf)
echo "peak, one main window (driver): $(mb "$program_peak"), $(ratio "$program_peak" "$reference_peak") x reference"
echo "peak, real program after splash: $(mb "$real_peak"), $(ratio "$real_peak" "$reference_peak") x reference"
echo "peak, reference (one empty window): $(mb "$reference_peak")"
windows=$("$bench/quillmere_memory" windows 11)
echo "each further main window (10 more): $(mb "$(value per_window_kb <<<"$windows")")"
for cache in "" --no-pixmap-cache; do
    resets=$("$bench/quillmere_memory" $cache resets 10 500)
    rss10=$(value rss_kb_10 <<<"$resets")
    rss500=$(value rss_kb_500 <<<"$resets")
    heap10=$(value heap_kb_10 <<<"$resets")
    heap500=$(value heap_kb_500 <<<"$resets")
    echo "Reset x500 vs x10 ${cache:-(as shipped)}: resident $(mb "$rss10") -> $(mb "$rss500")" \
        "(+$(mb $((rss500 - rss10)))), heap in use $(mb "$heap10") -> $(mb "$heap500")"
done
