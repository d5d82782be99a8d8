#!/usr/bin/env python3
"""The speed-goal table.

    bench_goals_test.py table SOURCE_DIR        the table script on made-up reports
    bench_goals_test.py goals SOURCE_DIR BENCH  every goal line against the built benchmarks
"""
import json
import os
import re
import subprocess
import sys
import tempfile


def run_table(source, goals, reports):
    with tempfile.TemporaryDirectory() as work:
        goals_path = os.path.join(work, "goals.tsv")
        with open(goals_path, "w") as f:
            f.write(goals)
        paths = []
        for i, report in enumerate(reports):
            paths.append(os.path.join(work, "r%d.json" % i))
            with open(paths[-1], "w") as f:
                json.dump({"benchmarks": report}, f)
        done = subprocess.run([sys.executable, os.path.join(source, "scripts", "bench_table.py"), goals_path] + paths,
                              capture_output=True, text=True)
    return done.returncode, done.stdout.splitlines()


def check_table(source):
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    runs = [
        {"name": "BM_Open/iterations:3", "run_type": "iteration", "real_time": 200.0, "time_unit": "ms"},
        {"name": "BM_Open/iterations:3", "run_type": "iteration", "real_time": 0.9, "time_unit": "s"},
        {"name": "BM_Pdf/100/iterations:1", "run_type": "iteration", "real_time": 1, "time_unit": "s",
         "ms_per_page": 10.0, "pages_per_s": 100.0},
        {"name": "BM_Pdf/1000/iterations:1", "run_type": "iteration", "real_time": 9, "time_unit": "s",
         "ms_per_page": 14.0, "pages_per_s": 71.4},
    ]
    goals = "\n".join([
        "# comment",
        "^BM_Open/\treal_time\t< 1000\tms\topen",                      # worst of 200 and 900 ms: met
        "^BM_Pdf/\tpages_per_s\t> 80\tpages/s\trate",                  # slowest 71.4: not met
        "^BM_Pdf/\tratio:ms_per_page:/1000/:/100/\t< 1.3\tx\tratio",   # 1.4: not met
        "^BM_Pdf/\tratio:ms_per_page:/1000/:/100/\t<= 1.4\tx\tbound",  # 1.4 at the bound: met
        "^BM_Pdf/\tpages_per_s\t>= 72\tpages/s\tlow rate",            # slowest 71.4: not met
        "^BM_Renamed/\treal_time\t< 10\tms\tgone",                     # no such benchmark
        "^BM_Open/\tpeak_MB\t< 300\tMB\tno counter",                   # no such counter
        "^BM_Open/\treal_time\t-\tms\tplain",
        "^BM_Gone\treal_time\t-\tms\tplain gone",
    ]) + "\n"
    status, rows = run_table(source, goals, [runs[:2], runs[2:]])
    expect(status == 1, "exit status %d, expected 1" % status)
    # Each row: what, its figure, its goal and the verdict, in columns.
    expected = {
        "open": ("900.0 ms", "met"),
        "rate": ("71.4 pages/s", "NOT MET"),
        "ratio": ("1.40 x", "NOT MET"),
        "bound": ("1.40 x", "met"),
        "low rate": ("71.4 pages/s", "NOT MET"),
        "gone": ("no figure", "NOT MET"),
        "no counter": ("no figure", "NOT MET"),
        "plain": ("900.0 ms", "-"),
        "plain gone": ("no figure", "missing"),
    }
    for what, (figure, verdict) in expected.items():
        row = [re.split(r"\s{2,}", line.strip()) for line in rows if re.match(re.escape(what) + r"\s{2,}", line)]
        expect(len(row) == 1, "no row for %r in %s" % (what, rows))
        if len(row) == 1:
            expect(row[0][1] == figure and row[0][-1] == verdict,
                   "row %r is %s, expected %s ... %s" % (what, row[0], figure, verdict))
    # Everything met: status 0.
    status, _ = run_table(source, "^BM_Open/\treal_time\t< 1000\tms\topen\n", [runs[:2]])
    expect(status == 0, "all met gives status %d" % status)
    return failures


def check_goals(source, bench):
    names = []
    listed = 0
    for folder, _, files in os.walk(bench):
        for name in files:
            path = os.path.join(folder, name)
            if name.startswith("bench_") and os.access(path, os.X_OK) and os.path.isfile(path):
                done = subprocess.run([path, "--benchmark_list_tests=true"], capture_output=True, text=True, timeout=60)
                if done.returncode != 0:
                    return ["%s --benchmark_list_tests failed: %s" % (path, done.stderr[-500:])]
                names += [line for line in done.stdout.splitlines() if line.startswith("BM_")]
                listed += 1
    if listed == 0:
        return ["no benchmark programs under %s" % bench]
    failures = []
    for line in open(os.path.join(source, "bench", "goals.tsv"), encoding="utf-8"):
        if not line.strip() or line.startswith("#"):
            continue
        pattern, figure = line.split("\t")[:2]
        matching = [n for n in names if re.search(pattern, n)]
        if not matching:
            failures.append("no benchmark matches %r" % pattern)
        elif figure.startswith("ratio:"):
            _, _, above, below = figure.split(":", 3)
            for part in (above, below):
                count = sum(1 for n in matching if re.search(part, n))
                if count != 1:
                    failures.append("%r with %r matches %d benchmarks, not one" % (pattern, part, count))
    return failures


def main(argv):
    failures = check_table(argv[2]) if argv[1] == "table" else check_goals(argv[2], argv[3])
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
