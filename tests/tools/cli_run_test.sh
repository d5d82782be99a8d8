#!/usr/bin/env bash
# bramblex-cli run against bramblex-cli simulate: a finished run, a hang-up in the middle,
# Ctrl+C during a run and manual readings. Every case must leave a whole batch file
# holding every reading taken.
set -u
cli=$1
work=$(mktemp -d)
# Run journals go to a scratch state folder, never the user's own.
export XDG_STATE_HOME="$work/state"
sims=()
cleanup() {
    for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

start_sim() { # name, args...
    local link="$work/$1"; shift
    "$cli" simulate --model V2-L --spindle L1 --link "$link" --quiet "$@" > "$work/sim.log" 2>&1 &
    sims+=($!)
    for _ in $(seq 100); do [ -e "$link" ] && return 0; sleep 0.05; done
    fail "simulator did not start"; cat "$work/sim.log"
    return 1
}

batch() { # file, seconds, readings
    cat > "$1" <<XML
<?xml version="1.0"?>
<Batch>
  <ModelType>2</ModelType>
  <SpindleType>0</SpindleType>
  <Processes>
    <Process>
      <Identifier>Short</Identifier>
      <RPMStart>14</RPMStart>
      <RPMEnd>14</RPMEnd>
      <Time>$2</Time>
      <Measurements>$3</Measurements>
    </Process>
  </Processes>
  <Measurements></Measurements>
</Batch>
XML
}

readings() { grep -c '<Measurement>' "$1" 2>/dev/null || echo 0; }
whole() { tail -c 10 "$1" | grep -q '</Batch>'; }

# 1. A finished run saves every reading and exits 0.
start_sim sim1 && {
    batch "$work/a.epb" 3 3
    "$cli" run --port "$work/sim1" "$work/a.epb" > "$work/a.log" 2>&1
    rc=$?
    [ $rc -eq 0 ] || { fail "finished run exited $rc"; cat "$work/a.log"; }
    [ "$(readings "$work/a.epb")" -eq 3 ] || fail "finished run saved $(readings "$work/a.epb") readings, not 3"
    whole "$work/a.epb" || fail "finished run left a cut file"
}

# The audit trail of a run: mode, port and readings before and after, and the batch as saved.
actions() { "$cli" audit show --json "$1" | python3 -c 'import json,sys; print(" ".join(r["action"] for r in json.load(sys.stdin)["records"]))'; }
if [ -f "$work/a.epb" ]; then
    [ "$(actions "$work/a.epb")" = "started run" ] || fail "finished run recorded: $(actions "$work/a.epb")"
    "$cli" audit show --json "$work/a.epb" | grep -q "automatic on .*sim1; readings 0 → 3" ||
        fail "run record: $("$cli" audit show "$work/a.epb")"
    "$cli" audit verify "$work/a.epb" | grep -q ': intact$' || fail "finished run: $("$cli" audit verify "$work/a.epb")"
fi

# 2. The instrument hangs up after two readings: the run fails and keeps both.
start_sim sim2 --fault hangup --after 2 && {
    batch "$work/b.epb" 6 6
    "$cli" run --port "$work/sim2" "$work/b.epb" > "$work/b.log" 2>&1
    rc=$?
    [ $rc -ne 0 ] || fail "hung-up run reported success"
    [ "$(readings "$work/b.epb")" -eq 2 ] || { fail "hung-up run saved $(readings "$work/b.epb") readings, not 2"; cat "$work/b.log"; }
    whole "$work/b.epb" || fail "hung-up run left a cut file"
}

# 3. Ctrl+C stops the run like the Stop command, then saves what was taken.
start_sim sim3 && {
    batch "$work/c.epb" 20 20
    "$cli" run --port "$work/sim3" "$work/c.epb" > "$work/c.log" 2>&1 &
    run=$!
    for _ in $(seq 200); do grep -q 'Reading 2' "$work/c.log" && break; sleep 0.05; done
    kill -INT $run
    wait $run
    rc=$?
    [ $rc -ne 0 ] || fail "interrupted run reported a finished run"
    n=$(readings "$work/c.epb")
    { [ "$n" -ge 2 ] && [ "$n" -lt 20 ]; } || { fail "interrupted run saved $n readings"; cat "$work/c.log"; }
    whole "$work/c.epb" || fail "interrupted run left a cut file"
}

# 4. Manual readings: blocks printed by the instrument every half second.
start_sim sim4 --manual 0.5 && {
    batch "$work/d.epb" 1 1
    "$cli" run --port "$work/sim4" --manual --count 2 "$work/d.epb" > "$work/d.log" 2>&1
    rc=$?
    [ $rc -eq 0 ] || { fail "manual run exited $rc"; cat "$work/d.log"; }
    [ "$(readings "$work/d.epb")" -eq 2 ] || fail "manual run saved $(readings "$work/d.epb") readings, not 2"
}

# 6. kill -9 in the middle of a run: the batch is as before (no false alarm); recover
# takes the journal's readings in and records them.
start_sim sim6 && {
    batch "$work/f.epb" 20 20
    "$cli" run --port "$work/sim6" "$work/f.epb" > "$work/f.log" 2>&1 &
    run=$!
    for _ in $(seq 200); do grep -q 'Reading 2' "$work/f.log" && break; sleep 0.05; done
    kill -KILL $run
    wait $run 2>/dev/null
    "$cli" audit verify "$work/f.epb" > "$work/f.verify"
    [ $? -eq 0 ] || fail "killed run: $(cat "$work/f.verify")"
    "$cli" recover "$work/f.epb" > "$work/f.recover" 2>&1 || { fail "recover failed"; cat "$work/f.recover"; }
    [ "$(actions "$work/f.epb")" = "started recovered" ] || fail "recover recorded: $(actions "$work/f.epb")"
    "$cli" audit verify "$work/f.epb" | grep -q ': intact$' || fail "recovered: $("$cli" audit verify "$work/f.epb")"
    [ "$(readings "$work/f.epb")" -ge 2 ] || fail "recover took $(readings "$work/f.epb") readings"
}

# 5. A port that does not exist: the operator's message, nothing written.
batch "$work/e.epb" 1 1
cp "$work/e.epb" "$work/e.orig"
out=$("$cli" run --port "$work/no-such-port" "$work/e.epb" 2>&1)
[ $? -ne 0 ] || fail "missing port reported success"
echo "$out" | grep -q 'Invalid Communications Port' || fail "missing port message: $out"

if [ $failures -eq 0 ]; then echo "6 passed, 0 failed"; exit 0; fi
echo "$((6 - failures)) passed, $failures failed"
exit 1
