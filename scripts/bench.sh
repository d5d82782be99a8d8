#!/usr/bin/env bash
# Runs every benchmark built under BUILD/bench and prints its report.
set -euo pipefail
build=${1:-$(dirname "$0")/../build}
found=0
for exe in $(find "$build/bench" -maxdepth 2 -type f -executable -name 'bench_*' | sort); do
    found=1
    echo "== $(basename "$exe")"
    QT_QPA_PLATFORM=offscreen "$exe" --benchmark_counters_tabular=true
done
[ $found -eq 1 ] || echo "no benchmarks built"
