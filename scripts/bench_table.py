#!/usr/bin/env python3
"""Prints one table of every speed goal (bench/goals.tsv) with the figure the
benchmarks' JSON reports give and whether it is met. A goal that no benchmark gave
a figure for (a benchmark renamed, a counter dropped, a run that failed) is shown
as "no figure" and counts as missed, so a wrong line cannot pass unseen. Exits 1
when any goal is missed.

    scripts/bench_table.py GOALS.tsv REPORT.json...
"""
import json
import re
import sys

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def figure_of(run, figure):
    if figure in ("real_time", "cpu_time"):
        if figure not in run:
            return None
        return run[figure] * TO_MS.get(run.get("time_unit", "ns"), 1.0)
    value = run.get(figure)
    return float(value) if isinstance(value, (int, float)) else None


def figures(runs, pattern, figure):
    """The figures of the runs matching pattern (none when nothing gives one)."""
    matching = [r for r in runs if re.search(pattern, r["name"])]
    if figure.startswith("ratio:"):
        _, inner, above, below = figure.split(":", 3)
        tops = [v for v in (figure_of(r, inner) for r in matching if re.search(above, r["name"])) if v is not None]
        bottoms = [v for v in (figure_of(r, inner) for r in matching if re.search(below, r["name"])) if v is not None]
        if len(tops) != 1 or len(bottoms) != 1 or bottoms[0] == 0:
            return []
        return [tops[0] / bottoms[0]]
    return [v for v in (figure_of(r, figure) for r in matching) if v is not None]


def read_goals(path):
    goals = []
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.rstrip("\n").split("\t")
        if len(fields) != 5:
            sys.exit("%s:%d: expected 5 tab-separated fields, found %d" % (path, number, len(fields)))
        goals.append(fields)
    return goals


def table(goals, runs):
    """The rows (what, figure, goal, verdict) and the number of goals missed."""
    rows = []
    missed = 0
    for pattern, figure, goal, unit, what in goals:
        if goal == "-":
            op, limit = None, None
        else:
            op = goal[:2] if goal[:2] in ("<=", ">=") else goal[0]
            limit = float(goal[len(op):])
        shown_goal = "%s %s" % (goal, unit) if op else "-"
        values = figures(runs, pattern, figure)
        if not values:
            missed += 1
            rows.append((what, "no figure", shown_goal, "NOT MET" if op else "missing"))
            continue
        # The worst case counts: the slowest variant against an upper bound, the slowest
        # rate against a lower one.
        value = min(values) if op in (">", ">=") else max(values)
        shown = "%.2f %s" % (value, unit) if abs(value) < 10 else "%.1f %s" % (value, unit)
        if op is None:
            verdict = "-"
        else:
            met = {"<": value < limit, "<=": value <= limit, ">": value > limit, ">=": value >= limit}[op]
            missed += 0 if met else 1
            verdict = "met" if met else "NOT MET"
        rows.append((what, shown, shown_goal, verdict))
    return rows, missed


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    runs = []
    for path in argv[2:]:
        try:
            with open(path) as f:
                runs += [r for r in json.load(f).get("benchmarks", []) if r.get("run_type") != "aggregate"]
        except (OSError, ValueError) as e:
            print("%s: %s" % (path, e), file=sys.stderr)
    rows, missed = table(read_goals(argv[1]), runs)
    width = max(len(r[0]) for r in rows)
    print()
    print("%-*s  %-16s  %-14s  %s" % (width, "speed goal", "figure", "goal", "met"))
    print("-" * (width + 44))
    for what, shown, goal, verdict in rows:
        print("%-*s  %-16s  %-14s  %s" % (width, what, shown, goal, verdict))
    if missed:
        print("\n%d of %d goals not met or without a figure" % (missed, len(rows)))
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
