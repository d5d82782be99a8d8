#!/usr/bin/env python3
"""Prints one table of every speed goal (bench/goals.tsv) with the figure the
benchmarks' JSON reports give and whether it is met.

    scripts/bench_table.py GOALS.tsv REPORT.json...
"""
import json
import re
import sys

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def figure_of(run, figure):
    if figure in ("real_time", "cpu_time"):
        return run[figure] * TO_MS.get(run.get("time_unit", "ns"), 1.0)
    value = run.get(figure)
    return float(value) if isinstance(value, (int, float)) else None


def main(argv):
    runs = []
    for path in argv[2:]:
        try:
            with open(path) as f:
                runs += [r for r in json.load(f).get("benchmarks", []) if r.get("run_type") != "aggregate"]
        except (OSError, ValueError):
            pass
    rows = []
    unmet = 0
    for line in open(argv[1]):
        if not line.strip() or line.startswith("#"):
            continue
        pattern, figure, goal, unit, what = line.rstrip("\n").split("\t")
        values = [v for v in (figure_of(r, figure) for r in runs if re.search(pattern, r["name"]))
                  if v is not None]
        if goal == "-":
            op, limit = None, None
        else:
            op, limit = goal[0], float(goal[1:])
        if not values:
            rows.append((what, "not measured", goal, "no benchmark"))
            continue
        # The worst case counts: the slowest variant against an upper bound, the slowest
        # rate against a lower one.
        value = max(values) if op != ">" else min(values)
        shown = "%.1f %s" % (value, unit)
        if op is None:
            verdict = "-"
        else:
            met = value < limit if op == "<" else value > limit
            unmet += 0 if met else 1
            verdict = "met" if met else "NOT MET"
        rows.append((what, shown, "%s %s" % (goal, unit) if op else "-", verdict))
    width = max(len(r[0]) for r in rows)
    print()
    print("%-*s  %-16s  %-12s  %s" % (width, "speed goal", "figure", "goal", "met"))
    print("-" * (width + 42))
    for what, shown, goal, verdict in rows:
        print("%-*s  %-16s  %-12s  %s" % (width, what, shown, goal, verdict))
    return 1 if unmet else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
