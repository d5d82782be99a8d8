#!/usr/bin/env python3
"""bramblex-cli analyze and export-json on the analysis fixtures: the JSON against the
reference values (computed outside, stored beside the batches), the table, and the
errors an operator meets.

    cli_analyze_test.py BRAMBLEX_CLI DATA_DIR
"""
import json
import math
import os
import subprocess
import sys
import shutil
import tempfile

cli, data = sys.argv[1], os.path.join(sys.argv[2], "analysis")
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def same(actual, expected, path=""):
    """Differences between two JSON values; numbers to a relative 1e-6 (1e-12 absolute
    for a value that is 0 but for rounding)."""
    if isinstance(expected, bool) or expected is None or isinstance(expected, str):
        return [] if actual == expected else ["%s: %r, expected %r" % (path, actual, expected)]
    if isinstance(expected, (int, float)):
        if not isinstance(actual, (int, float)) or isinstance(actual, bool) or \
                abs(actual - expected) > 1e-6 * abs(expected) + 1e-12:
            return ["%s: %r, expected %r" % (path, actual, expected)]
        return []
    if isinstance(expected, dict):
        if not isinstance(actual, dict) or sorted(actual) != sorted(expected):
            return ["%s: keys %r, expected %r" % (path, actual if not isinstance(actual, dict) else sorted(actual),
                                                  sorted(expected))]
        return [d for k in expected for d in same(actual[k], expected[k], path + "." + k)]
    if not isinstance(actual, list) or len(actual) != len(expected):
        return ["%s: %r, expected a list of %d" % (path, actual, len(expected))]
    return [d for i, e in enumerate(expected) for d in same(actual[i], e, "%s[%d]" % (path, i))]


def run(*args):
    return subprocess.run([cli, *args], capture_output=True, text=True, timeout=60,
                          env=dict(os.environ, LC_ALL="C.UTF-8"))


with open(os.path.join(data, "expected.json")) as f:
    cases = json.load(f)
check(len(cases) == 16, "fixture cases: %d" % len(cases))

for case in cases:
    batch = os.path.join(data, case["file"])
    flags = ["--include-low-torque"] if case["include_low_torque"] else []
    expected = dict(case["analysis"], file=batch)
    if expected["used"] == 0:
        continue
    out = run("analyze", batch, "--json", *flags)
    check(out.returncode == 0, "analyze %s %s: %d %s" % (case["file"], flags, out.returncode, out.stderr))
    if out.returncode == 0:
        diffs = same(json.loads(out.stdout), expected)
        check(not diffs, "analyze --json %s %s: %s" % (case["file"], flags, diffs[:5]))

# The readable table: every model, the best one marked, and why the rest is missing.
out = run("analyze", os.path.join(data, "paste.epb"))
check(out.returncode == 0, "table: %r" % out.stderr)
lines = out.stdout.splitlines()
check(any(l.strip().startswith("* Herschel–Bulkley") for l in lines), "best model marked: %s" % out.stdout)
for name in ("Newtonian", "Power law", "Bingham", "Casson"):
    check(any(l.strip().startswith(name) for l in lines), "%s listed: %s" % (name, out.stdout))
check("needs at least 3 readings at one speed spanning 5 K" in out.stdout, "Arrhenius reason: %s" % out.stdout)
out = run("analyze", os.path.join(data, "no_shear.epb"))
check(out.returncode == 0 and "The spindle gives no shear data." in out.stdout, "no shear: %s" % out.stdout)

# A batch without a usable reading, or that cannot be read: the file and the reason, status 1.
none = os.path.join(data, "nothing_usable.epb")
out = run("analyze", none)
check(out.returncode == 1 and out.stdout == "" and none in out.stderr and
      "No usable reading: 2 over scale, 1 low torque." in out.stderr, "nothing usable: %r" % out.stderr)
missing = os.path.join(data, "none such.epb")
out = run("analyze", missing, "--json")
check(out.returncode == 1 and out.stdout == "" and missing in out.stderr and
      "No such file or directory" in out.stderr, "missing file: %r" % out.stderr)
out = run("analyze")
check(out.returncode == 2 and "usage" in out.stderr, "no file: %r" % out.stderr)

# export-json nests the same object, the batch's file name as "file".
with tempfile.TemporaryDirectory() as work:
    # A copy: the export is recorded in the batch's audit trail beside it.
    pasted = os.path.join(work, "paste.epb")
    shutil.copyfile(os.path.join(data, "paste.epb"), pasted)
    for include in (False, True):
        target = os.path.join(work, "paste.json")
        out = run("export-json", pasted, target, *(["--include-low-torque"] if include else []))
        check(out.returncode == 0, "export-json: %r" % out.stderr)
        if out.returncode == 0:
            with open(target, encoding="utf-8") as f:
                doc = json.load(f)
            case = [c for c in cases if c["file"] == "paste.epb" and c["include_low_torque"] == include][0]
            diffs = same(doc.get("analysis"), dict(case["analysis"], file="paste.epb"))
            check(not diffs, "export-json analysis (low torque %s): %s" % (include, diffs[:5]))
            check(len(doc["readings"]) == 47, "export-json keeps the readings")

# The demo tree's paste comes from the simulator's Herschel-Bulkley fluid (150 dyn/cm² +
# 30·γ̇^0.5, 2 % noise): the analysis finds that model and about its parameters.
with tempfile.TemporaryDirectory() as work:
    env = dict(os.environ, LC_ALL="C.UTF-8", BRAMBLEX_STORAGE_ROOT=os.path.join(work, "tree"),
               BRAMBLEX_CONFIG_DIR=os.path.join(work, "config"))
    out = subprocess.run([cli, "seed-demo"], capture_output=True, text=True, timeout=60, env=env)
    paste = os.path.join(work, "tree", "Local", "Pastes", "Filling paste flow curve.epb")
    check(out.returncode == 0 and paste in out.stdout.splitlines(), "seed-demo: %r %r" % (out.stdout, out.stderr))
    out = subprocess.run([cli, "analyze", paste, "--json"], capture_output=True, text=True, timeout=60, env=env)
    check(out.returncode == 0, "analyze the demo paste: %r" % out.stderr)
    if out.returncode == 0:
        doc = json.loads(out.stdout)
        hb = [m for m in doc["flow_models"] if m["model"] == "herschel-bulkley"]
        check(doc["best_model"] == "herschel-bulkley" and doc["used"] == 32 and len(hb) == 1,
              "demo paste: %r" % doc)
        if hb:
            p = hb[0]["parameters"]
            check(abs(p["yield_stress"] - 150) < 15 and abs(p["K"] - 30) < 5 and abs(p["n"] - 0.5) < 0.05,
                  "demo paste parameters: %r" % p)

if failures:
    print("%d failure(s)" % len(failures))
    sys.exit(1)
print("all analyze cases passed")
