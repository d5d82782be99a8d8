#!/usr/bin/env bash
# Starts Bramblex on a demo storage tree. Until the main window exists this shows what
# the command-line tool can do with the demo files.
set -euo pipefail
build=${1:-$(dirname "$0")/../build}
here=$(cd "$(dirname "$0")/.." && pwd)
demo=${BRAMBLEX_DEMO_DIR:-${TMPDIR:-/tmp}/bramblex-demo}
mkdir -p "$demo"
cli="$build/tools/cli/bramblex-cli"

if [ -x "$build/app/bramblex" ]; then
    exec "$build/app/bramblex" --demo "$demo"
fi

echo "Bramblex demo tree: $demo"
"$cli" --help || true
for f in "$here"/tests/data/documents/*.epb; do
    [ -e "$f" ] || continue
    out="$demo/$(basename "$f")"
    "$cli" resave "$f" "$out"
    if cmp -s "$f" "$out"; then echo "resave $(basename "$f"): identical bytes"; fi
done
