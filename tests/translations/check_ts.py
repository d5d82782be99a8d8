#!/usr/bin/env python3
"""Checks the translation files.

Usage: check_ts.py CHECK LUPDATE TS...
  unfinished    every entry is translated
  consistent    no obsolete or vanished entry, and every translation holds the same
                placeholders (%1, %n, %s, %d) as its source
  current       the files hold exactly the texts of the sources (lupdate adds or
                retires nothing)
"""
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
PLACEHOLDER = re.compile(r"%(?:\d+|n|s|d|L\d+)")


def messages(ts):
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def texts(translation):
    forms = translation.findall("numerusform")
    return [form.text or "" for form in forms] if forms else [translation.text or ""]


def check_unfinished(ts_files):
    problems = []
    for ts in ts_files:
        count = sum(1 for _, m in messages(ts) if m.find("translation").get("type") == "unfinished")
        if count:
            problems.append(f"{os.path.basename(ts)}: {count} unfinished")
    return problems


def check_consistent(ts_files):
    problems = []
    for ts in ts_files:
        for context, message in messages(ts):
            translation = message.find("translation")
            source = message.findtext("source") or ""
            kind = translation.get("type")
            if kind in ("obsolete", "vanished"):
                problems.append(f"{os.path.basename(ts)}: {kind} in {context}: {source!r}")
                continue
            if kind == "unfinished":
                continue
            wanted = collections.Counter(PLACEHOLDER.findall(source))
            for text in texts(translation):
                found = collections.Counter(PLACEHOLDER.findall(text))
                # %n of a plural form may be left out of a form that spells the number.
                if message.get("numerus") == "yes":
                    found["%n"] = wanted["%n"]
                if found != wanted:
                    problems.append(f"{os.path.basename(ts)}: placeholders of {context}: {source!r} -> {text!r}")
    return problems


def check_current(lupdate, ts_files):
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for ts in ts_files:
            copy = os.path.join(scratch, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        subprocess.run([sys.executable, os.path.join(ROOT, "scripts", "update-translations.py"), lupdate, *copies],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for ts, copy in zip(ts_files, copies):
            before = {(c, m.findtext("source")) for c, m in messages(ts)}
            after = {(c, m.findtext("source")) for c, m in messages(copy)}
            for context, source in sorted(after - before):
                problems.append(f"{os.path.basename(ts)}: new text in {context}: {source!r}")
            for context, source in sorted(before - after):
                problems.append(f"{os.path.basename(ts)}: text no longer in the sources, {context}: {source!r}")
    if problems:
        problems.append("run: cmake --build build --target update_translations")
    return problems


def main():
    check, lupdate, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    if not ts_files:
        sys.exit("no translation files given")
    if check == "unfinished":
        problems = check_unfinished(ts_files)
    elif check == "consistent":
        problems = check_consistent(ts_files)
    elif check == "current":
        problems = check_current(lupdate, ts_files)
    else:
        sys.exit(f"unknown check {check}")
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
