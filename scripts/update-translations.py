#!/usr/bin/env python3
"""Updates translations/bramblex_*.ts from the sources with lupdate.

Usage: update-translations.py LUPDATE [TS...]

Tr("...") (core/Error.h) is QCoreApplication::translate("Bramblex", ...), which lupdate
does not know under its short name. The sources are copied into a scratch tree with
each Tr( spelled out, and lupdate runs there on copies of the .ts files, so that the
locations it writes (relative to the .ts file) are the repository's own paths.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
# Every folder whose code shows texts to a user; tests, benchmarks and fuzzers do not.
SOURCE_DIRS = ["core", "platform", "xml", "catalogue", "properties", "documents", "audit",
               "instrument", "simulator", "analysis", "reports", "storage", "qc", "export",
               "charts", "services", "automation", "ui", "app", "tools"]
TR_CALL = re.compile(r"(?<![\w:.>])Tr\(")


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: update-translations.py LUPDATE [TS...]")
    lupdate = sys.argv[1]
    ts_files = sys.argv[2:] or sorted(
        os.path.join(ROOT, "translations", name)
        for name in os.listdir(os.path.join(ROOT, "translations"))
        if name.startswith("bramblex_") and name.endswith(".ts"))
    with tempfile.TemporaryDirectory(prefix="bramblex-lupdate-") as scratch:
        for folder in SOURCE_DIRS:
            for dirpath, _, names in os.walk(os.path.join(ROOT, folder)):
                for name in names:
                    if not name.endswith((".cpp", ".h")):
                        continue
                    source = os.path.join(dirpath, name)
                    target = os.path.join(scratch, os.path.relpath(source, ROOT))
                    os.makedirs(os.path.dirname(target), exist_ok=True)
                    with open(source, encoding="utf-8") as f:
                        text = f.read()
                    if os.path.relpath(source, ROOT) != os.path.join("core", "Error.h"):
                        text = TR_CALL.sub('QCoreApplication::translate("Bramblex", ', text)
                    with open(target, "w", encoding="utf-8") as f:
                        f.write(text)
        os.makedirs(os.path.join(scratch, "translations"))
        scratch_ts = []
        for ts in ts_files:
            copy = os.path.join(scratch, "translations", os.path.basename(ts))
            if os.path.exists(ts):
                shutil.copyfile(ts, copy)
            scratch_ts.append(copy)
        sources = [os.path.join(scratch, folder) for folder in SOURCE_DIRS
                   if os.path.isdir(os.path.join(scratch, folder))]
        subprocess.run([lupdate, "-no-obsolete", "-locations", "absolute", "-extensions", "cpp,h", "-I", scratch,
                        *sources, "-ts", *scratch_ts], check=True)
        for ts, copy in zip(ts_files, scratch_ts):
            shutil.copyfile(copy, ts)


if __name__ == "__main__":
    main()
