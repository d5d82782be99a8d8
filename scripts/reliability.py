#!/usr/bin/env python3
"""Measures how Bramblex keeps data safe under faults and prints the figures.

    scripts/reliability.py [--quick] [--build BUILD] [--only NAME ...]

Runs on its own (not part of the tests), against build/tools/cli/bramblex-cli:
  saves     kill -9 of a save, 100 times: the file is the old or the new one, never a
            broken one, and no temporary file is left once the folder is listed again
  runs      kill -9 of the program during a simulated run, 20 times: the readings come
            back from the run's journal, at most one lost each time
  faults    every simulator fault during a run, and the simulator's line closed (a USB
            adapter pulled out): a message, every reading taken saved, no hang or spin
  hostile   20 hostile files of each kind through every loader: no crash, no hang,
            bounded memory
  hour      a one-hour simulated run at one reading a second: memory stays flat
--quick makes every count and the long run small (about five minutes in all).
"""

import argparse
import os
import random
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
FAULTS = ["silence", "half-reply", "garbage", "wrong-model", "hangup"]
# Hostile files may use this much memory at most (resident, in MB).
MEMORY_BOUND_MB = 1024
HOSTILE_TIMEOUT_S = 60


def batch_xml(seconds, readings, stored=0):
    rows = []
    for i in range(stored):
        rows.append(
            "    <Measurement>\n      <DateTime>%.10f</DateTime>\n      <Viscosity>%.3f</Viscosity>\n"
            "      <Temperature>%.2f</Temperature>\n      <RPMCode>14</RPMCode>\n"
            "      <SheerStress>0</SheerStress>\n      <SheerRate>0</SheerRate>\n    </Measurement>"
            % (45000.5 + i / 86400.0, 1000.0 + i * 0.125, 20.0 + (i % 100) / 10.0))
    return ("<?xml version=\"1.0\"?>\n<Batch>\n  <ModelType>2</ModelType>\n  <SpindleType>0</SpindleType>\n"
            "  <Processes>\n    <Process>\n      <Identifier>Run</Identifier>\n      <RPMStart>14</RPMStart>\n"
            "      <RPMEnd>14</RPMEnd>\n      <Time>%d</Time>\n      <Measurements>%d</Measurements>\n"
            "    </Process>\n  </Processes>\n  <Measurements>\n%s\n  </Measurements>\n</Batch>\n"
            % (seconds, readings, "\n".join(rows)))


def count_readings(path):
    try:
        with open(path, "rb") as f:
            return f.read().count(b"<Measurement>")
    except OSError:
        return 0


class Bench:
    def __init__(self, build, quick):
        self.cli = os.path.join(build, "tools", "cli", "bramblex-cli")
        if not os.access(self.cli, os.X_OK):
            sys.exit("no bramblex-cli in %s: build first" % build)
        self.quick = quick
        self.work = tempfile.mkdtemp(prefix="bramblex-reliability-")
        self.env = dict(os.environ)
        self.env.update({
            "HOME": os.path.join(self.work, "home"),
            "XDG_STATE_HOME": os.path.join(self.work, "state"),
            "XDG_CONFIG_HOME": os.path.join(self.work, "config"),
            "BRAMBLEX_STORAGE_ROOT": os.path.join(self.work, "storage"),
            "BRAMBLEX_CONFIG_DIR": os.path.join(self.work, "config"),
            "QT_QPA_PLATFORM": "offscreen",
            "LC_ALL": "C.UTF-8",
        })
        os.makedirs(self.env["HOME"], exist_ok=True)
        self.figures = []

    def path(self, *parts):
        p = os.path.join(self.work, *parts)
        os.makedirs(os.path.dirname(p), exist_ok=True)
        return p

    def run(self, args, timeout=120):
        return subprocess.run([self.cli] + args, env=self.env, capture_output=True, timeout=timeout)

    def start(self, args, **kw):
        kw.setdefault("stdout", subprocess.PIPE)
        kw.setdefault("stderr", subprocess.PIPE)
        return subprocess.Popen([self.cli] + args, env=self.env, **kw)

    def figure(self, name, value, goal, met):
        self.figures.append((name, value, goal, "met" if met else "NOT MET"))
        print("  %-46s %-40s %s" % (name, value, "met" if met else "NOT MET"), flush=True)

    # --------------------------------------------------------------------------------
    def saves(self):
        trials = 20 if self.quick else 100
        folder = self.path("saves", "x")[:-2]
        old_src = self.path("saves-src", "old.epb")
        new_src = self.path("saves-src", "new.epb")
        with open(old_src, "w") as f:
            f.write(batch_xml(10, 10, 2000))
        with open(new_src, "w") as f:
            f.write(batch_xml(10, 10, 60000 if not self.quick else 30000))
        # The files as the program writes them, to compare the killed saves with.
        ref_old, ref_new = self.path("saves-src", "ref_old.epb"), self.path("saves-src", "ref_new.epb")
        assert self.run(["resave", old_src, ref_old]).returncode == 0
        started = time.monotonic()
        assert self.run(["resave", new_src, ref_new]).returncode == 0
        full = time.monotonic() - started
        old_bytes, new_bytes = open(ref_old, "rb").read(), open(ref_new, "rb").read()
        target = os.path.join(folder, "batch.epb")
        outcome = {"old": 0, "new": 0, "broken": 0}
        temps_after_kill = 0
        temps_after_listing = 0
        for _ in range(trials):
            shutil.copyfile(ref_old, target)
            p = self.start(["resave", new_src, target])
            # Most of a save is reading its source; the kills fall mostly into the writing.
            time.sleep(random.uniform(full * 0.3, full * 1.05))
            p.send_signal(signal.SIGKILL)
            p.communicate()
            data = open(target, "rb").read()
            outcome["old" if data == old_bytes else "new" if data == new_bytes else "broken"] += 1
            housekeeping = ("batch.epb", "cache.epc", ".hidden")
            others = [n for n in os.listdir(folder) if n not in housekeeping]
            temps_after_kill += 1 if others else 0
            self.run(["ls", folder])
            others = [n for n in os.listdir(folder) if n not in housekeeping]
            temps_after_listing += len(others)
            for n in others:
                os.remove(os.path.join(folder, n))
        self.figure("kill -9 of a save (%d times, save takes %.2f s)" % (trials, full),
                    "old %d, new %d, broken %d" % (outcome["old"], outcome["new"], outcome["broken"]),
                    "never broken", outcome["broken"] == 0)
        self.figure("  temporary files after the next listing",
                    "%d (a leftover right after the kill in %d of %d)" % (temps_after_listing, temps_after_kill,
                                                                          trials),
                    "0", temps_after_listing == 0)

    # --------------------------------------------------------------------------------
    def runs(self):
        trials = 5 if self.quick else 20
        worst = 0
        failures = []
        total_printed = total_recovered = 0
        for i in range(trials):
            batch = self.path("runs", "run%d.epb" % i)
            with open(batch, "w") as f:
                f.write(batch_xml(120, 120))
            p = self.start(["run", "--port", "simulated", batch])
            wanted = random.randint(2, 6)
            printed = 0
            deadline = time.monotonic() + 60
            lines = []
            os.set_blocking(p.stdout.fileno(), False)
            buffer = b""
            while printed < wanted and time.monotonic() < deadline:
                chunk = p.stdout.read() or b""
                buffer += chunk
                printed = len(re.findall(rb"^Reading \d+:", buffer, re.M))
                time.sleep(0.02)
            time.sleep(random.uniform(0.0, 1.0))
            buffer += p.stdout.read() or b""
            p.send_signal(signal.SIGKILL)
            rest, _ = p.communicate()
            buffer += rest or b""
            printed = len(re.findall(rb"^Reading \d+:", buffer, re.M))
            result = self.run(["recover", batch])
            recovered = count_readings(batch)
            lost = max(0, printed - recovered)
            worst = max(worst, lost)
            total_printed += printed
            total_recovered += recovered
            if result.returncode != 0 or lost > 1:
                failures.append("run %d: printed %d, recovered %d (%s)" % (
                    i, printed, recovered, result.stderr.decode(errors="replace").strip()))
        self.figure("kill -9 during a simulated run (%d times)" % trials,
                    "%d readings shown, %d recovered, worst loss %d" % (total_printed, total_recovered, worst),
                    "at most 1 lost each time", not failures)
        for f in failures:
            print("    " + f)

    # --------------------------------------------------------------------------------
    def faults(self):
        for fault in FAULTS + ["line closed"]:
            link = self.path("faults", fault.replace(" ", "-"), "tty")
            batch = self.path("faults", fault.replace(" ", "-"), "batch.epb")
            with open(batch, "w") as f:
                f.write(batch_xml(20, 20))
            sim_args = ["simulate", "--model", "V2-L", "--spindle", "L1", "--link", link, "--quiet"]
            if fault != "line closed":
                # The model is asked only when a run starts.
                sim_args += ["--fault", fault, "--after", "0" if fault == "wrong-model" else "3"]
            sim = self.start(sim_args)
            for _ in range(200):
                if os.path.exists(link):
                    break
                time.sleep(0.05)
            started = time.monotonic()
            run = subprocess.Popen([self.cli, "run", "--port", link, batch], env=self.env,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            pulled_at = None
            buffer = b""
            if fault == "line closed":
                # Pull the adapter: the simulator's end of the line goes away at once.
                os.set_blocking(run.stdout.fileno(), False)
                while b"Reading 3:" not in buffer and time.monotonic() - started < 60:
                    buffer += run.stdout.read() or b""
                    time.sleep(0.02)
                sim.send_signal(signal.SIGKILL)
                pulled_at = time.monotonic()
            usage, hung = wait_bounded(run, 60)
            ended = time.monotonic()
            out = (buffer if fault == "line closed" else b"") + (run.stdout.read() or b"")
            err = (run.stderr.read() or b"").decode(errors="replace").strip()
            sim.kill()
            sim.communicate()
            printed = len(re.findall(rb"^Reading \d+:", out, re.M))
            if fault == "line closed":
                printed = max(printed, 3)
            saved = count_readings(batch)
            cpu = (usage.ru_utime + usage.ru_stime) if usage else -1
            took = ended - (pulled_at or started)
            message = " / ".join(err.splitlines()[:3]) if err else "(no message)"
            ok = bool(err) and saved >= printed and not hung
            self.figure("fault %-12s" % fault,
                        "%d saved, ends %.1f s after, CPU %.2f s" % (saved, took, cpu),
                        "message, 0 lost", ok)
            print("    message: %s" % message[:300])

    # --------------------------------------------------------------------------------
    def hostile_files(self):
        kinds = {
            "batch": ("epb", lambda p: ["resave", p, p + ".out.epb"]),
            "report": ("epr", lambda p: ["resave", p, p + ".out.epr"]),
            "settings": ("xml", lambda p: ["resave", p, p + ".out.xml"]),
            "folder cache": ("epc", None),
            "batch export": ("epb", lambda p: ["export-json", p, p + ".json"]),
            "report drawing": ("epr", lambda p: ["render-page", p, "0", p + ".png"]),
        }
        for kind, (ext, command) in kinds.items():
            crashes, hangs, worst_mb, slowest = 0, 0, 0.0, 0.0
            notes = []
            documents = hostile_documents(kind)
            count = len(documents)
            for i, data in enumerate(documents):
                folder = self.path("hostile", kind.replace(" ", "-"), "%02d" % i, "x")[:-2]
                name = "cache.epc" if kind == "folder cache" else "file%02d.%s" % (i, ext)
                path = os.path.join(folder, name)
                with open(path, "wb") as f:
                    f.write(data)
                args = ["ls", folder] if command is None else command(path)
                began = time.monotonic()
                p = subprocess.Popen([self.cli] + args, env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
                (usage, status), hung = wait_bounded(p, HOSTILE_TIMEOUT_S, with_status=True)
                slowest = max(slowest, time.monotonic() - began)
                if hung:
                    hangs += 1
                    notes.append("#%d hung" % i)
                elif os.WIFSIGNALED(status):
                    crashes += 1
                    notes.append("#%d signal %d" % (i, os.WTERMSIG(status)))
                worst_mb = max(worst_mb, usage.ru_maxrss / 1024.0)
            ok = crashes == 0 and hangs == 0 and worst_mb < MEMORY_BOUND_MB
            self.figure("hostile %-14s (%d files)" % (kind, count),
                        "crashes %d, hangs %d, peak %.0f MB, slowest %.1f s" % (crashes, hangs, worst_mb, slowest),
                        "none, none, < %d MB" % MEMORY_BOUND_MB, ok)
            for n in notes:
                print("    " + n)

    # --------------------------------------------------------------------------------
    def hour(self):
        seconds = 120 if self.quick else 3600
        batch = self.path("hour", "long.epb")
        with open(batch, "w") as f:
            f.write(batch_xml(seconds, seconds))
        p = self.start(["run", "--port", "simulated", batch], stdout=subprocess.DEVNULL)
        samples = []
        started = time.monotonic()
        while p.poll() is None:
            try:
                with open("/proc/%d/status" % p.pid) as f:
                    rss = int(re.search(r"VmRSS:\s+(\d+)", f.read()).group(1)) / 1024.0
                samples.append((time.monotonic() - started, rss))
            except (OSError, AttributeError):
                pass
            time.sleep(5 if self.quick else 30)
        _, err = p.communicate()
        readings = count_readings(batch)
        # Flat: the second half of the run grows by less than 5 MB (no growth per reading
        # beyond the readings themselves, about 100 bytes each).
        half = [rss for t, rss in samples if t >= seconds / 2]
        growth = (max(half) - min(half)) if half else float("nan")
        self.figure("%d-minute simulated run, 1 reading/s" % (seconds // 60),
                    "%d readings, RSS %.0f..%.0f MB, 2nd half +%.1f MB" % (
                        readings, min(r for _, r in samples) if samples else 0,
                        max(r for _, r in samples) if samples else 0, growth),
                    "flat (< 5 MB in 2nd half)", readings >= seconds * 0.95 and growth < 5)


def wait_bounded(process, seconds, with_status=False):
    """Waits for process at most seconds (then kills it); gives its resource usage and
    whether it had to be killed."""
    deadline = time.monotonic() + seconds
    hung = False
    while True:
        pid, status, usage = os.wait4(process.pid, os.WNOHANG)
        if pid:
            break
        if time.monotonic() > deadline:
            hung = True
            process.kill()
            _, status, usage = os.wait4(process.pid, 0)
            break
        time.sleep(0.02)
    process.returncode = os.waitstatus_to_exitcode(status)
    return ((usage, status) if with_status else usage), hung


@__import__("functools").lru_cache(maxsize=None)
def zlib_bomb(length):
    """Packed picture text whose stated length is true: it inflates to length zero bytes."""
    c = zlib.compressobj(9)
    out = c.compress(struct.pack("<I", length))
    zeros = b"\0" * (1024 * 1024)
    for _ in range(length // len(zeros)):
        out += c.compress(zeros)
    return __import__("base64").b64encode(out + c.flush())


def picture_text(length, payload):
    return __import__("base64").b64encode(zlib.compress(struct.pack("<I", length) + payload, 9))


def hostile_documents(kind):
    root = {"batch": "Batch", "batch export": "Batch", "report": "Report", "report drawing": "Report",
            "settings": "Settings", "folder cache": "FileList"}[kind]
    valid = {
        "Batch": batch_xml(10, 10, 50).encode(),
        "Report": open(os.path.join(ROOT, "data/Template/ENU/Reports/Standard Report.epr"), "rb").read(),
        "Settings": open(os.path.join(ROOT, "data/Template/ENU/Settings/settings.xml"), "rb").read(),
        "FileList": b"<?xml version=\"1.0\"?>\n<FileList><Data><File><FileName>a.epb</FileName><FileType>1"
                    b"</FileType><FileModifiedTime>45000.5</FileModifiedTime></File></Data></FileList>\n",
    }[root]
    rnd = random.Random(17)
    bomb = zlib_bomb(200 * 1024 * 1024)  # about 270 KB of text that inflate to 200 MB
    graphic = lambda text: (b"<PageItem><PageItemType>TPageItemGraphic</PageItemType><PageItemDetails>"
                            b"<Name>G</Name><Left>0</Left><Top>0</Top><Width>10</Width><Height>10</Height>"
                            b"<Graphic>" + text + b"</Graphic></PageItemDetails></PageItem>")
    in_root = lambda inner: b"<?xml version=\"1.0\"?>\n<" + root.encode() + b">" + inner + b"</" + \
        root.encode() + b">\n"
    docs = [
        b"",
        bytes(rnd.getrandbits(8) for _ in range(65536)),
        valid[: len(valid) // 2],
        valid[: len(valid) - 7],
        in_root(b"<a>" * 200000 + b"</a>" * 200000),
        b"<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;"
        b"&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
        b"<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]>\n<"
        + root.encode() + b">&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;</" + root.encode() + b">\n",
        b"<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n<" + root.encode()
        + b"><Note>&x;</Note></" + root.encode() + b">\n",
        in_root(b"<Note>" + b"x" * (20 * 1024 * 1024) + b"</Note>"),
        in_root(b"<Note " + b" ".join(b"a%d=\"1\"" % i for i in range(100000)) + b"/>"),
        valid.replace(b"<", b"<\xff\xfe", 40),
        b"\xff\xfe" + valid,
        re.sub(rb">(-?\d+(\.\d+)?)<", b">1e999999<", valid),
        re.sub(rb">(\d+)<", b">-2147483649<", valid),
        valid.replace(b">", b">\0", 30),
        in_root(b"<![CDATA[" + b"z" * 100000),
        in_root(b"<" + b"n" * (1024 * 1024) + b"/>"),
        valid + valid,
        in_root(b"<Pages><Page><PageItems>" + graphic(picture_text(0xFFFFFFFF, b"x")) +
                b"</PageItems></Page></Pages>"),
        in_root(b"<Pages><Page><PageItems>" + graphic(bomb) + b"</PageItems></Page></Pages>"),
        in_root(b"<Pages>" + b"".join(b"<Page><PageItems>" + graphic(picture_text(250 * 1024 * 1024, b"\0" * 1024))
                                      + b"</PageItems></Page>" for _ in range(8)) + b"</Pages>"),
        in_root(b"<Measurements>" + b"<Measurement><DateTime>nan</DateTime><Viscosity>-inf</Viscosity>"
                b"<RPMCode>99999</RPMCode></Measurement>" * 50000 + b"</Measurements>"
                b"<ModelType>255</ModelType><SpindleType>-7</SpindleType><SelectedYAxis>9,,x,-1</SelectedYAxis>"),
    ]
    return docs


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--quick", action="store_true")
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--only", nargs="*", default=["saves", "runs", "faults", "hostile", "hour"])
    options = parser.parse_args()
    bench = Bench(options.build, options.quick)
    print("Bramblex reliability figures%s (work folder %s)" % (" (quick)" if options.quick else "", bench.work))
    steps = {"saves": bench.saves, "runs": bench.runs, "faults": bench.faults, "hostile": bench.hostile_files,
             "hour": bench.hour}
    try:
        for name in options.only:
            print("== " + name, flush=True)
            steps[name]()
    finally:
        shutil.rmtree(bench.work, ignore_errors=True)
    print()
    print("%-48s %-40s %s" % ("figure", "measured", "goal"))
    for name, value, goal, met in bench.figures:
        print("%-48s %-40s %s: %s" % (name.strip(), value, goal, met))
    return 0 if all(f[3] == "met" for f in bench.figures) else 1


if __name__ == "__main__":
    sys.exit(main())
