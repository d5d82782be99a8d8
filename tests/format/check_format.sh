#!/usr/bin/env bash
# Fails when clang-format would change any C++ source of the project (the repository's
# .clang-format; Debian 12's clang-format 14). Lists the files it would change.
#   check_format.sh SOURCE_DIR [CLANG_FORMAT]
set -euo pipefail
source_dir=$1
clang_format=${2:-clang-format}
cd "$source_dir"

# The files git tracks when this is a checkout, else every source outside build trees.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
if [ ${#files[@]} -eq 0 ]; then
    echo "no sources found under $source_dir" >&2
    exit 1
fi

# One run over every file; each change it would make is reported as "file:line:col: error".
report=$("$clang_format" --style=file --dry-run --Werror "${files[@]}" 2>&1) && status=0 || status=$?
if [ "$status" -ne 0 ]; then
    changed=$(printf '%s\n' "$report" | sed -n 's/^\(.*\):[0-9]*:[0-9]*: error:.*/\1/p' | sort -u)
    if [ -z "$changed" ]; then
        # clang-format itself failed (no such file, bad style): show what it said.
        printf '%s\n' "$report"
        exit 1
    fi
    echo "clang-format would change these files; run clang-format -i on them:"
    printf '  %s\n' $changed
    exit 1
fi
echo "${#files[@]} sources are as clang-format writes them"
