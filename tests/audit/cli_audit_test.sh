#!/usr/bin/env bash
# bramblex-cli sign, audit show and audit verify end to end, with real PAM through
# pam_wrapper: usage CLI DATA_DIR PAM_WRAPPER_LIBRARY PAM_SERVICE_DIR
set -euo pipefail
cli=$1
data=$2
pam_library=$3
pam_services=$4
# Only the tool itself runs under pam_wrapper.
bx() { LD_PRELOAD=$pam_library PAM_WRAPPER=1 PAM_WRAPPER_SERVICE_DIR=$pam_services "$cli" "$@"; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

login=$(id -un)
export XDG_STATE_HOME=$work/state # the signing lock's file
printf '%s:s3cret word:bramblex\n' "$login" > "$work/passdb"
export PAM_MATRIX_PASSWD=$work/passdb

mkdir -p "$work/lab/sub"
cp "$data/documents/batch_utf8.epb" "$work/lab/Lot 1.epb"
cp "$data/documents/batch_cp1252.epb" "$work/lab/sub/Lot 2.epb"

# A wrong password: refused with the exact message, status 1, nothing recorded.
set +e
err=$(echo "wrong" | bx sign "$work/lab/Lot 1.epb" --meaning approved --password-stdin 2>&1 >/dev/null)
status=$?
set -e
[ "$status" -eq 1 ] || fail "wrong password exit $status"
[ "$err" = "Signature refused: the password is not correct." ] || fail "wrong password said: $err"
[ ! -e "$work/lab/.Lot 1.epb.audit" ] || fail "a refused signature left a trail"

# A meaning the command does not know is a usage error.
set +e
echo x | bx sign "$work/lab/Lot 1.epb" --meaning witnessed --password-stdin >/dev/null 2>&1
[ $? -eq 2 ] || fail "unknown meaning not a usage error"
set -e

echo "s3cret word" | bx sign "$work/lab/Lot 1.epb" --meaning approved --comment "released" --password-stdin \
    > "$work/sign.out" || fail "right password refused"
grep -q "Approved by" "$work/sign.out" || fail "sign output: $(cat "$work/sign.out")"

# Three wrong passwords in a row, each its own bramblex-cli: the fourth, right, is locked out.
for i in 1 2 3; do
    if echo "wrong" | bx sign "$work/lab/Lot 1.epb" --meaning reviewed --password-stdin 2>/dev/null; then
        fail "wrong password $i accepted"
    fi
done
set +e
err=$(echo "s3cret word" | bx sign "$work/lab/Lot 1.epb" --meaning reviewed --password-stdin 2>&1 >/dev/null)
status=$?
set -e
[ "$status" -eq 1 ] || fail "locked signing exit $status"
case "$err" in "Signing is locked after three wrong passwords; try again in "*" seconds.") ;;
    *) fail "locked signing said: $err" ;; esac

if bx audit show "$work/lab/Nothing.epb" 2>/dev/null; then fail "audit show of no batch succeeded"; fi

# The JSON has exactly the keys of its documented shape.
bx audit show "$work/lab/Lot 1.epb" --json > "$work/show.json"
python3 - "$work/show.json" "$work/lab/Lot 1.epb" "$login" "$(sha256sum "$work/lab/Lot 1.epb" | cut -c1-64)" <<'PY'
import json, sys
doc = json.load(open(sys.argv[1], encoding="utf-8"))
assert set(doc) == {"file", "status", "records"}, doc.keys()
assert doc["file"] == sys.argv[2], doc["file"]
assert doc["status"] == "intact", doc["status"]
keys = {"time", "user", "full_name", "host", "version", "action", "details", "reason", "sha256", "previous"}
for r in doc["records"]:
    assert set(r) == keys, r.keys()
assert [r["action"] for r in doc["records"]] == ["started", "signed"], doc["records"]
signed = doc["records"][-1]
assert signed["user"] == sys.argv[3], signed["user"]
assert signed["sha256"] == sys.argv[4], signed["sha256"]
assert signed["previous"] != "0" * 64
assert "released" in signed["details"], signed["details"]
PY

# Verify a folder tree: one intact, one untracked, all good.
bx audit verify "$work/lab" > "$work/verify.out" || fail "verify of good batches failed: $(cat "$work/verify.out")"
grep -qx "$work/lab/Lot 1.epb: intact" "$work/verify.out" || fail "verify said: $(cat "$work/verify.out")"
grep -qx "$work/lab/sub/Lot 2.epb: untracked" "$work/verify.out" || fail "verify said: $(cat "$work/verify.out")"
[ "$(wc -l < "$work/verify.out")" -eq 2 ] || fail "the trail was verified as a batch: $(cat "$work/verify.out")"

# The folder list never shows the trail.
bx ls "$work/lab" > "$work/ls.out"
if grep -q "audit" "$work/ls.out"; then fail "ls shows the trail: $(cat "$work/ls.out")"; fi
grep -q "^batch	Lot 1	" "$work/ls.out" || fail "ls lost the batch: $(cat "$work/ls.out")"
grep -q "^# 2 entries" "$work/ls.out" || fail "ls counts the trail: $(cat "$work/ls.out")"

# A change behind Bramblex's back.
printf ' ' >> "$work/lab/Lot 1.epb"
set +e
bx audit verify "$work/lab" > "$work/verify2.out"
status=$?
set -e
[ "$status" -eq 1 ] || fail "verify of a changed batch exit $status"
grep -q "^$work/lab/Lot 1.epb: changed-outside since [0-9-]* [0-9:]* [+-][0-9:]*$" "$work/verify2.out" \
    || fail "verify said: $(cat "$work/verify2.out")"

# A record removed by hand.
sed -i '1d' "$work/lab/.Lot 1.epb.audit"
set +e
bx audit verify "$work/lab/Lot 1.epb" > "$work/verify3.out"
status=$?
set -e
[ "$status" -eq 1 ] || fail "verify of a broken trail exit $status"
grep -qx "$work/lab/Lot 1.epb: broken at record 1" "$work/verify3.out" || fail "verify said: $(cat "$work/verify3.out")"
echo "cli audit: all checks passed"
