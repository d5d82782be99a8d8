#!/usr/bin/env bash
# Starts Bramblex on a demo storage tree whose default port is the simulated viscometer.
# Until the main window exists this walks through what the command-line tool does with
# that tree: seed it, run a measurement programme on the simulator, list, export, draw.
set -euo pipefail
build=${1:-$(dirname "$0")/../build}
build=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
demo=${BRAMBLEX_DEMO_DIR:-${TMPDIR:-/tmp}/bramblex-demo}
cli="$build/tools/cli/bramblex-cli"

mkdir -p "$demo"
export BRAMBLEX_STORAGE_ROOT="$demo/storage"
export BRAMBLEX_CONFIG_DIR="$demo/config"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
port="$demo/viscometer"

"$cli" simulate --model V2-L --spindle L2 --viscosity 800 --temperature 22 --link "$port" --quiet &
sim=$!
trap 'kill $sim 2>/dev/null || true; wait $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$port" ] && break; sleep 0.1; done

if [ -x "$build/app/bramblex" ]; then
    "$build/app/bramblex" --port "$port"
    exit $?
fi

step() { printf '\n== %s\n' "$*"; }

step "Storage tree (seeded from the template tree on first use)"
"$cli" storage

local_dir="$BRAMBLEX_STORAGE_ROOT/Local"
mkdir -p "$local_dir/Demo"
batch="$local_dir/Demo/Demo run.epb"
[ -e "$batch" ] && rm -f "$batch"
cp "$here/data/demo/Demo.epb" "$batch"

step "Running the batch's two processes on the simulated viscometer at $port"
"$cli" run --port "$port" "$batch"

step "The folder as the folder list shows it"
"$cli" ls "$local_dir/Demo"

step "Exports"
"$cli" export-csv "$batch" "$demo/Demo run.csv"
"$cli" export-xls "$batch" "$demo/Demo run.xls"
"$cli" export-json "$batch" "$demo/Demo run.json"
ls -l "$demo"/Demo\ run.*
head -n 20 "$demo/Demo run.csv"

template=$(find "$BRAMBLEX_STORAGE_ROOT" -name '*.epr' 2>/dev/null | head -n 1)
if [ -n "$template" ]; then
    step "First page of the report template $(basename "$template") for this batch"
    "$cli" render-page "$template" 0 "$demo/page.png" --batch "$batch" && ls -l "$demo/page.png"
fi

printf '\nDemo files are in %s\n' "$demo"
