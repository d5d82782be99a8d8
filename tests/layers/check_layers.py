#!/usr/bin/env python3
"""Holds every quoted #include of the program's own sources to the layer table.

usage: check_layers.py SOURCE_DIR [TABLE]

The table (layers.txt beside this script) lists the parts of the program lowest
first, each with the parts its files may include besides its own. A part is a
folder, or one library of platform/ with its files named. An include of a part
the table does not allow, of a part listed later (a cycle), or of a file the
table cannot place fails the test with the file and line.
"""

import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def read_table(path):
    """Returns (order, allowed, members): parts in table order, the parts each may
    include, and for a part with named files (platform/...) their base names."""
    order, allowed, members, errors = [], {}, {}, []
    # An indented line goes on with the entry above it.
    entries = []
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        text = raw.split("#", 1)[0]
        if not text.strip():
            continue
        if text[0].isspace() and entries:
            entries[-1][1] += " " + text.strip()
        else:
            entries.append([number, text.strip()])
    for number, line in entries:
        if "=" in line:
            part, names = (s.strip() for s in line.split("=", 1))
            members[part] = set(names.split())
            continue
        if ":" not in line:
            errors.append(f"{path.name}:{number}: neither 'part: parts' nor 'part = files'")
            continue
        part, below = (s.strip() for s in line.split(":", 1))
        if part in allowed:
            errors.append(f"{path.name}:{number}: {part} listed twice")
        for other in below.split():
            if other not in allowed:
                errors.append(f"{path.name}:{number}: {part} may include {other}, "
                              "which is not listed before it")
        order.append(part)
        allowed[part] = set(below.split())
    return order, allowed, members, errors


def part_of(relative, order, members):
    """The table's part of a path relative to the source folder (a/b/File.h), or
    None. A part with named files owns the files of its folder by base name."""
    folder = str(relative.parent)
    stem = relative.stem
    for part, names in members.items():
        if part.rsplit("/", 1)[0] == folder and stem in names:
            return part
    for part in order:
        if part == folder and part not in members:
            return part
    return None


def cmake_sources(source_dir, members):
    """Checks the named files against platform/CMakeLists.txt: a part's library
    (bramblex_platform_<name>) builds exactly the .cpp files the table gives it."""
    errors = []
    folders = {part.rsplit("/", 1)[0] for part in members}
    for folder in folders:
        text = (source_dir / folder / "CMakeLists.txt").read_text(encoding="utf-8")
        for part, names in members.items():
            if part.rsplit("/", 1)[0] != folder:
                continue
            target = "bramblex_" + part.replace("/", "_")
            m = re.search(r"add_library\(\s*" + re.escape(target) + r"\s+STATIC([^)]*)\)", text)
            if not m:
                errors.append(f"{folder}/CMakeLists.txt builds no {target} for {part}")
                continue
            built = {pathlib.Path(s).stem for s in m.group(1).split() if s.endswith(".cpp")}
            listed = {n for n in names if (source_dir / folder / (n + ".cpp")).exists()}
            if built != listed:
                errors.append(f"{target} builds {sorted(built)}, layers.txt gives {part} {sorted(listed)}")
    return errors


def main():
    source_dir = pathlib.Path(sys.argv[1]).resolve()
    table = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else pathlib.Path(__file__).with_name("layers.txt")
    order, allowed, members, errors = read_table(table)
    errors += cmake_sources(source_dir, members)

    top_folders = sorted({part.split("/", 1)[0] for part in order})
    checked = 0
    for top in top_folders:
        for path in sorted((source_dir / top).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES:
                continue
            relative = path.relative_to(source_dir)
            part = part_of(relative, order, members)
            if part is None:
                errors.append(f"{relative}: belongs to no part of layers.txt")
                continue
            checked += 1
            for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                name = m.group(1)
                target = pathlib.Path(name) if "/" in name else relative.parent / name
                if not (source_dir / target).exists():
                    errors.append(f"{relative}:{number}: includes \"{name}\", which is no file of the program")
                    continue
                target_part = part_of(target, order, members)
                if target_part is None:
                    errors.append(f"{relative}:{number}: includes \"{name}\", which belongs to no part")
                elif target_part != part and target_part not in allowed[part]:
                    errors.append(f"{relative}:{number}: {part} includes \"{name}\" of {target_part}, "
                                  f"which layers.txt does not allow")
    if checked == 0:
        errors.append(f"no source file found under {source_dir}")
    for error in errors:
        print(error)
    print(f"{checked} files checked, {len(errors)} crossings or table errors")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
