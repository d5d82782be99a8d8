#!/usr/bin/env bash
# Installs the build tree into a scratch prefix, checks the layout with the desktop's
# validators, moves the prefix elsewhere and starts both programs from there.
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix="$work/first"
if ! cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

id=com.korvane.Bramblex
share="$prefix/share"
for f in bin/bramblex bin/bramblex-cli \
         share/bramblex/Template/ENU/Settings/settings.xml \
         "share/bramblex/Template/ENU/Reports/Standard Report.epr" \
         share/bramblex/help/Bramblex.html \
         share/bramblex/udev/60-bramblex-serial.rules \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/man/man1/bramblex.1.gz share/man/man1/bramblex-cli.1.gz \
         share/doc/bramblex/copyright etc/pam.d/bramblex; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 24 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    if [ -f "$png" ]; then
        # The file's own header says its size: a theme folder with the wrong picture is
        # scaled badly by every desktop.
        dims=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$png")
        [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
    else
        fail "no ${size}px icon"
    fi
done
[ -z "$(find "$prefix" -name .keep)" ] || fail ".keep files installed"
# The session bus starts the program for automation clients, when the build has them.
if [ -d "$build/automation" ]; then
    service="$share/dbus-1/services/$id.service"
    grep -qx "Name=$id" "$service" || fail "no D-Bus activation file for $id"
    # It names the program of this prefix, and a staged install (as a package is built)
    # the program's final place, not the staging folder.
    grep -qxF "Exec=$prefix/bin/bramblex -automation" "$service" ||
        fail "the activation file names $(grep '^Exec=' "$service") instead of $prefix/bin/bramblex"
    DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/bramblex > "$work/stage.log" 2>&1 ||
        { cat "$work/stage.log"; fail "cmake --install with DESTDIR"; }
    staged="$work/stage/opt/bramblex/share/dbus-1/services/$id.service"
    grep -qxF "Exec=/opt/bramblex/bin/bramblex -automation" "$staged" ||
        fail "the staged activation file names $(grep '^Exec=' "$staged" 2>&1)"
    rm -rf "$work/stage"
fi

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" > "$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "appstreamcli validate"; }
for page in bramblex bramblex-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done

# The file types as a desktop sees them: the database built from the installed
# package names both extensions, and a batch is known by its content too.
cp -r "$share/mime" "$work/mime"
update-mime-database "$work/mime" > "$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
grep -q 'application/x-bramblex-batch:\*\.epb' "$work/mime/globs2" || fail "no .epb glob"
grep -q 'application/x-bramblex-report:\*\.epr' "$work/mime/globs2" || fail "no .epr glob"
grep -q 'application/x-bramblex-batch' "$work/mime/XMLnamespaces" || fail "no batch root element"

# Move the whole installation: the programs must find their tree beside themselves.
moved="$work/elsewhere/opt"
mkdir -p "$work/elsewhere"
mv "$prefix" "$moved"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_STATE_HOME="$work/home/state"
export XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$work/none" BRAMBLEX_TEMPLATE_DIR= BRAMBLEX_CONFIG_DIR=
mkdir -p "$HOME"

"$moved/bin/bramblex-cli" --help > "$work/help.txt" 2>&1
grep -q 'report' "$work/help.txt" || { cat "$work/help.txt"; fail "bramblex-cli --help"; }
BRAMBLEX_STORAGE_ROOT="$work/cli-root" "$moved/bin/bramblex-cli" storage > "$work/storage.txt" 2>&1 ||
    fail "bramblex-cli storage"
grep -q "$moved/share/bramblex/Template/ENU" "$work/storage.txt" ||
    { cat "$work/storage.txt"; fail "bramblex-cli did not use the template tree beside it"; }
[ -f "$work/cli-root/Settings/settings.xml" ] || fail "bramblex-cli did not seed the storage tree"

# The window starts, seeds its tree from the moved installation and keeps running until
# it is told to end.
BRAMBLEX_STORAGE_ROOT="$work/window-root" "$moved/bin/bramblex" > "$work/window.log" 2>&1 &
window=$!
for _ in $(seq 300); do
    [ -f "$work/window-root/Reports/Standard Report.epr" ] && break
    kill -0 $window 2>/dev/null || break
    sleep 0.1
done
sleep 1
if kill -0 $window 2>/dev/null; then
    kill -TERM $window
    wait $window 2>/dev/null
else
    wait $window
    status=$?
    cat "$work/window.log"
    fail "bramblex ended by itself with status $status"
fi
[ -f "$work/window-root/Settings/settings.xml" ] || fail "bramblex did not seed the storage tree"
[ -f "$work/window-root/Reports/Standard Report.epr" ] || fail "bramblex did not seed the reports"

[ $failures -eq 0 ] && echo "install tree complete, valid and movable"
exit $((failures > 0))
