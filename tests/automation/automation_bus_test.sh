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

# Printing on the default queue of a private CUPS scheduler, whose device hands each
# job's document back; and a CUPS without printers.
cups="$work/cups"
mkdir -p "$cups"/etc/ppd "$cups"/spool/tmp "$cups"/cache "$cups"/state "$cups"/log "$cups"/out "$cups"/bin/backend
chmod 755 "$work" "$cups"
chmod 777 "$cups/out" # the device may run as the scheduler's user
for sub in daemon filter cgi-bin monitor notifier; do ln -s "/usr/lib/cups/$sub" "$cups/bin/$sub"; done
cat > "$cups/bin/backend/capture" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct capture "Unknown" "Capture"'; exit 0; }
out=${DEVICE_URI#capture:}
echo "title=$3" > "$out.options"
if [ -n "$6" ]; then cat "$6" > "$out.tmp"; else cat > "$out.tmp"; fi && mv "$out.tmp" "$out"
BACKEND
chmod 755 "$cups/bin/backend/capture"
cat > "$cups/etc/cups-files.conf" <<CONF
ServerRoot $cups/etc
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
DataDir /usr/share/cups
ServerBin $cups/bin
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
FileDevice Yes
CONF
cat > "$cups/etc/cupsd.conf" <<CONF
Listen $cups/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
printf '<DefaultPrinter Lab>\nDeviceURI capture:%s/out/Lab.pdf\nState Idle\nAccepting Yes\nShared No\n</DefaultPrinter>\n' \
    "$cups" > "$cups/etc/printers.conf"
/usr/sbin/cupsd -f -c "$cups/etc/cupsd.conf" -s "$cups/etc/cups-files.conf" &
cupsd=$!
for _ in $(seq 100); do [ -S "$cups/cups.sock" ] && break; sleep 0.05; done
CUPS_SERVER="$cups/cups.sock" dbus-run-session -- "$python" "$client" "$BRAMBLEX_STORAGE_ROOT" "$cli" \
    --print "$cups/out" || fail "printing"
kill "$cupsd"
wait "$cupsd" 2> /dev/null
CUPS_SERVER="$work/no-cups.sock" dbus-run-session -- "$python" "$client" "$BRAMBLEX_STORAGE_ROOT" "$cli" \
    --no-printer || fail "printing without a printer"

"$bramblex" -unregserver || fail "UNREGSERVER at the end"
if [ "$failures" -eq 0 ]; then echo "all bus cases passed"; fi
exit "$failures"
