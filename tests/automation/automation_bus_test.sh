#!/usr/bin/env bash
# The automation service on a private session bus: "REGSERVER" writes the activation
# file the bus starts the program from, a Python client with one Gio connection drives
# it, "UNREGSERVER" removes the file again. No display: the program runs offscreen.
set -u
bramblex=$1
cli=$2
fixtures=$3
client=$4
templates=$5
python=${6:-/usr/bin/python3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
export BRAMBLEX_STORAGE_ROOT="$work/storage" BRAMBLEX_CONFIG_DIR="$work/config" BRAMBLEX_TEMPLATE_DIR="$templates"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
service="$XDG_DATA_HOME/dbus-1/services/com.korvane.Bramblex.service"

"$fixtures" "$BRAMBLEX_STORAGE_ROOT" || fail "fixtures"

"$bramblex" /RegServer || fail "REGSERVER"
[ "$(cat "$service" 2>/dev/null)" = "[D-BUS Service]
Name=com.korvane.Bramblex
Exec=$bramblex -automation" ] || fail "activation file: $(cat "$service" 2>&1)"
"$bramblex" -UNREGSERVER || fail "UNREGSERVER"
[ ! -e "$service" ] || fail "UNREGSERVER left the file"
"$bramblex" -regserver || fail "REGSERVER again"

dbus-run-session -- "$python" "$client" "$BRAMBLEX_STORAGE_ROOT" "$cli" || fail "client cases"

# The clipboard of a desktop session: Xvfb, the bus started inside it.
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$python" "$client" "$BRAMBLEX_STORAGE_ROOT" "$cli" \
    --clipboard || fail "clipboard case"

"$bramblex" -unregserver || fail "UNREGSERVER at the end"
if [ "$failures" -eq 0 ]; then echo "all bus cases passed"; fi
exit "$failures"
