#!/usr/bin/env bash
# scripts/demo.sh as ./dev.sh starts it (the build folder as its one argument): the
# window it starts at the end must get no file to open, only the files given after the
# build folder, and the demo tree's storage, settings and journal folders. The script
# runs on a build folder of its own shape: the real bramblex-cli seeds the demo tree,
# and a stand-in for the window writes down what it was given.
set -u
demo_sh=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

build="$work/build"
mkdir -p "$build/tools/cli" "$build/app"
ln -s "$cli" "$build/tools/cli/bramblex-cli"
cat > "$build/app/bramblex" <<'STUB'
#!/usr/bin/env bash
{
    echo "argc=$#"
    for a in "$@"; do echo "arg=$a"; done
    echo "storage=$BRAMBLEX_STORAGE_ROOT"
    echo "config=$BRAMBLEX_CONFIG_DIR"
    echo "state=$XDG_STATE_HOME"
} > "$DEMO_TEST_OUT"
STUB
chmod +x "$build/app/bramblex"

run_demo() { # out-file, demo.sh arguments...
    local out=$1; shift
    BRAMBLEX_DEMO_DIR="$work/demo" DEMO_TEST_OUT="$out" QT_QPA_PLATFORM=offscreen \
        bash "$demo_sh" "$@" > "$work/demo.log" 2>&1 ||
        { fail "demo.sh $* ended with an error"; cat "$work/demo.log"; }
}

# As ./dev.sh demo runs it; the first run also seeds the demo tree.
run_demo "$work/plain" "$build"
expected="argc=0
storage=$work/demo/storage
config=$work/demo/config
state=$work/demo/state"
[ "$(cat "$work/plain" 2>/dev/null)" = "$expected" ] ||
    fail "the window was started with: $(cat "$work/plain" 2>/dev/null)"
[ -d "$work/demo/storage/Local" ] || fail "the demo tree was not seeded"

# Files after the build folder reach the window unchanged, spaces and all.
file="$work/demo/storage/Local/Training/A batch.epb"
run_demo "$work/files" "$build" "$file" "-x"
expected="argc=2
arg=$file
arg=-x"
[ "$(head -3 "$work/files" 2>/dev/null)" = "$expected" ] ||
    fail "with two files the window was started with: $(cat "$work/files" 2>/dev/null)"

[ "$failures" -eq 0 ] && echo "demo.sh: all cases passed"
exit "$failures"
