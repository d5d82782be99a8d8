#!/usr/bin/env bash
# bramblex-cli qc define, assign and check end to end on a private storage tree:
# usage CLI DATA_DIR. The expected values are worked out by hand in QcTests.cpp from
# the fixture two_speeds.epb: 205 mPas and 25 °C at 20 RPM, flow index 1 − log10 2,
# thixotropic index 400/205.
set -euo pipefail
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export BRAMBLEX_STORAGE_ROOT=$work/root/
export BRAMBLEX_TEMPLATE_DIR=$work/no-templates
export XDG_CONFIG_HOME=$work/config
bx() { "$cli" "$@"; }
# Runs the command, keeping its standard output in $out and its exit status in $status.
run() {
    set +e
    out=$(bx "$@" 2>"$work/err")
    status=$?
    set -e
}

settings=$(bx storage | awk -F'\t' '$1 == "settings" { print $2 }')
local=$(bx storage | awk -F'\t' '$1 == "local" { print $2 }')
[ -n "$settings" ] && [ -n "$local" ] || fail "storage did not name the folders"

# Definitions; "-" is an open limit.
bx qc define Paint --viscosity-at 20 205 205 --temperature-at 20 - 25 --flow-index 0.6989 0.699 \
    --thixotropic-index 1.95 1.96 >/dev/null
[ -f "$settings/Paint.epq" ] || fail "no Paint.epq in $settings"
bx qc define Tight --viscosity-at 20 - 204.99 >/dev/null
bx qc define Later --viscosity-at 50 1 - --viscosity-at 20 - 1000 >/dev/null

# Usage errors: no criterion, a limit that is no number, too few values, min above max.
for args in "Empty" "Bad --flow-index abc 1" "Short --viscosity-at 20 5" "Upside --flow-index 2 1"; do
    run qc define $args
    [ "$status" -eq 2 ] || fail "qc define $args exit $status"
done
[ ! -e "$settings/Bad.epq" ] || fail "a refused definition was written"

mkdir -p "$local/A/B" "$local/C" "$local/D" "$local/E"
for f in A/ok A/B/ok C/bad D/wait E/none; do cp "$data/qc/two_speeds.epb" "$local/$f.epb"; done
bx qc assign "$local/A" Paint
bx qc assign "$local/C" Tight
bx qc assign "$local/D" Later
run qc assign "$local/E" Nothing
[ "$status" -eq 1 ] || fail "assigning an unknown limit set exit $status"
grep -qF 'The QC limit set "Nothing" does not exist.' "$work/err" || fail "unknown: $(cat "$work/err")"
[ ! -e "$local/E/.qc-limits" ] || fail "an unknown limit set was assigned"

# The assignment is never listed as a file of the folder.
bx ls "$local/A" > "$work/ls"
grep -q qc-limits "$work/ls" && fail "ls shows the assignment: $(cat "$work/ls")"

# All pass (the subfolder uses its parent's): 0.
run qc check "$local/A"
[ "$status" -eq 0 ] || fail "pass exit $status: $out"
[ "$out" = "${local}A/B/ok.epb: pass
${local}A/ok.epb: pass" ] || fail "pass lines: $out"

# Any fails: 1, whatever else there is.
run qc check "$local/A" "$local/C/bad.epb" "$local/D" "$local/E"
[ "$status" -eq 1 ] || fail "fail exit $status"
grep -qxF "${local}C/bad.epb: fail: viscosity-at 20 RPM = 205 (max 204.99)" <<<"$out" || fail "fail line: $out"

# None fails, some incomplete or without limit set: 2.
run qc check "$local/A" "$local/D"
[ "$status" -eq 2 ] || fail "incomplete exit $status"
grep -qxF "${local}D/wait.epb: incomplete: viscosity-at 50 RPM (No usable reading at 50 RPM.)" <<<"$out" ||
    fail "incomplete line: $out"
run qc check "$local/E/none.epb"
[ "$status" -eq 2 ] || fail "exit of a batch without a limit set: $status"
[ "$out" = "${local}E/none.epb: no specification" ] || fail "line of a batch without a limit set: $out"

# The JSON, exactly.
run qc check "$local/A/ok.epb" "$local/C" "$local/D" "$local/E" --json
[ "$status" -eq 1 ] || fail "json exit $status"
python3 - "$local" "$out" <<'PY'
import json, math, sys
local, text = sys.argv[1], sys.argv[2]
got = json.loads(text)
n = 1 - math.log10(2)
expected = [
    {"file": local + "A/ok.epb", "specification": "Paint", "result": "pass", "criteria": [
        {"criterion": "viscosity-at", "rpm": 20.0, "measured": 205.0, "min": 205.0, "max": 205.0, "result": "pass"},
        {"criterion": "temperature-at", "rpm": 20.0, "measured": 25.0, "min": None, "max": 25.0, "result": "pass"},
        {"criterion": "flow-index", "measured": n, "min": 0.6989, "max": 0.699, "result": "pass"},
        {"criterion": "thixotropic-index", "measured": 400 / 205, "min": 1.95, "max": 1.96, "result": "pass"}]},
    {"file": local + "C/bad.epb", "specification": "Tight", "result": "fail", "criteria": [
        {"criterion": "viscosity-at", "rpm": 20.0, "measured": 205.0, "min": None, "max": 204.99, "result": "fail"}]},
    {"file": local + "D/wait.epb", "specification": "Later", "result": "incomplete", "criteria": [
        {"criterion": "viscosity-at", "rpm": 50.0, "measured": None, "min": 1.0, "max": None, "result": "incomplete"},
        {"criterion": "viscosity-at", "rpm": 20.0, "measured": 205.0, "min": None, "max": 1000.0, "result": "pass"}]},
    {"file": local + "E/none.epb", "specification": None, "result": "none", "criteria": []},
]
def same(a, b):
    if isinstance(b, float) and isinstance(a, (int, float)):
        return abs(a - b) <= 1e-9 * max(1.0, abs(b))
    if isinstance(b, dict):
        return isinstance(a, dict) and a.keys() == b.keys() and all(same(a[k], b[k]) for k in b)
    if isinstance(b, list):
        return isinstance(a, list) and len(a) == len(b) and all(same(x, y) for x, y in zip(a, b))
    return a == b
if not same(got, expected):
    sys.exit("json differs:\n" + json.dumps(got, indent=1))
PY

# export-json carries the same verdict under "qc", the file named as its "analysis"
# names it; a batch no limit set applies to has no "qc" at all.
bx export-json "$local/C/bad.epb" "$work/bad.json"
bx export-json "$local/E/none.epb" "$work/none.json"
run qc check "$local/C/bad.epb" --json
python3 - "$out" "$work/bad.json" "$work/none.json" <<'PY'
import json, sys
entry = json.loads(sys.argv[1])[0]
entry["file"] = "bad.epb"
bad = json.load(open(sys.argv[2]))
if bad.get("qc") != entry:
    sys.exit("export-json qc: %r\nqc check: %r" % (bad.get("qc"), entry))
if "qc" in json.load(open(sys.argv[3])):
    sys.exit("export-json of a batch without limit set has qc")
PY

# A damaged limit set says so and checks nothing; so does a missing one.
head -c 60 "$settings/Tight.epq" > "$work/cut" && cp "$work/cut" "$settings/Tight.epq"
run qc check "$local/C"
[ "$status" -eq 2 ] || fail "damaged exit $status"
grep -qF "${local}C/bad.epb: no specification: The QC limit set \"Tight\" is damaged:" <<<"$out" ||
    fail "damaged line: $out"
rm "$settings/Later.epq"
run qc check "$local/D" --json
[ "$status" -eq 2 ] || fail "missing exit $status"
grep -qF 'The QC limit set "Later" does not exist.' "$work/err" || fail "missing: $(cat "$work/err")"
python3 -c 'import json,sys; r = json.loads(sys.argv[1]); assert r[0]["result"] == "none" and r[0]["specification"] == "Later" and r[0]["criteria"] == [], r' "$out"

# --none removes the folder's own assignment: the subfolder then has none either.
bx qc assign "$local/A" --none
[ ! -e "$local/A/.qc-limits" ] || fail "--none left the assignment"
run qc check "$local/A/B"
[ "$status" -eq 2 ] && [ "$out" = "${local}A/B/ok.epb: no specification" ] || fail "after --none: $status $out"

# Usage errors.
run qc check
[ "$status" -eq 2 ] || fail "check without paths exit $status"
run qc assign "$local/A"
[ "$status" -eq 2 ] || fail "assign without name exit $status"
echo "ok"
