#!/usr/bin/env bash
# Runs every benchmark built under BUILD/bench, prints its report, and ends with one
# table of every speed goal (bench/goals.tsv), its figure and whether it is met.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
found=0
for exe in $(find "$build/bench" -maxdepth 2 -type f -executable -name 'bench_*' | sort); do
    found=1
    name=$(basename "$exe")
    echo "== $name"
    QT_QPA_PLATFORM=offscreen "$exe" --benchmark_counters_tabular=true \
        --benchmark_out="$reports/$name.json" --benchmark_out_format=json || echo "$name failed"
done
[ $found -eq 1 ] || { echo "no benchmarks built"; exit 0; }
# Ends with status 1 when a goal is missed or has no figure.
python3 "$here/scripts/bench_table.py" "$here/bench/goals.tsv" "$reports"/*.json
