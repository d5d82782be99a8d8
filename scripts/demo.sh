#!/usr/bin/env bash
# Starts the Bramblex window on a demo storage tree whose settings choose the simulated
# viscometer: folders of batches with readings of a shear-thinning paint and a gear
# oil, and batches ready for an Auto and a Manual run. Nothing of the user's own
# storage tree, settings or run journals is touched: everything lives in the demo folder.
#
#   scripts/demo.sh [BUILD [FILE...]]   BUILD: the build folder (default: ../build);
#                                       FILEs are handed to the window to open
#   BRAMBLEX_DEMO_DIR    the demo folder (default: /tmp/bramblex-demo)
#   BRAMBLEX_DEMO_FRESH  set to 1 to seed the demo tree again from scratch
set -euo pipefail
build=${1:-$(dirname "$0")/../build}
# The build folder is the script's own argument: the window gets only what follows it,
# or it would be asked to open the build folder.
if [ $# -gt 0 ]; then shift; fi
build=$(cd "$build" && pwd)
demo=${BRAMBLEX_DEMO_DIR:-${TMPDIR:-/tmp}/bramblex-demo}
cli="$build/tools/cli/bramblex-cli"
app="$build/app/bramblex"

export BRAMBLEX_STORAGE_ROOT="$demo/storage"
export BRAMBLEX_CONFIG_DIR="$demo/config"
export XDG_STATE_HOME="$demo/state"

if [ "${BRAMBLEX_DEMO_FRESH:-0}" = 1 ]; then
    rm -rf "$demo"
fi
if [ ! -d "$BRAMBLEX_STORAGE_ROOT/Local" ]; then
    echo "Seeding the demo storage tree in $BRAMBLEX_STORAGE_ROOT"
    mkdir -p "$demo"
    QT_QPA_PLATFORM=offscreen "$cli" seed-demo
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<EOF

There is no display to show the Bramblex window on (neither DISPLAY nor WAYLAND_DISPLAY
is set). The demo tree is ready in $demo.

Run the demo from a desktop session, or on a virtual display:
    xvfb-run -a -s "-screen 0 1600x1000x24" ./dev.sh demo
(and look at it with a VNC viewer or take screenshots with "import -window root shot.png"),
or start the window yourself later with the same tree:
    BRAMBLEX_STORAGE_ROOT="$BRAMBLEX_STORAGE_ROOT" BRAMBLEX_CONFIG_DIR="$BRAMBLEX_CONFIG_DIR" \\
    XDG_STATE_HOME="$XDG_STATE_HOME" "$app"
EOF
    exit 1
fi

echo "Starting Bramblex on $BRAMBLEX_STORAGE_ROOT (port: Simulated ViscoMeter)"
echo "Try: Local > Training > \"Paint flow curve (Auto)\", then Auto."
exec "$app" "$@"
