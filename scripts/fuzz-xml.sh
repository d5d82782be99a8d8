#!/usr/bin/env bash
# Fuzzes the XML parser with libFuzzer for a while (default 60 s). Not part of the tests.
#   scripts/fuzz-xml.sh [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out=${BRAMBLEX_FUZZ_DIR:-$here/build-fuzz}
mkdir -p "$out/corpus"
cp -n "$here"/tests/data/documents/* "$out/corpus/" 2>/dev/null || true
qt_flags=$(pkg-config --cflags --libs Qt6Core)
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fPIC -I"$here" \
    "$here/tests/fuzz/XmlParserFuzz.cpp" "$here/xml/GmXml.cpp" "$here/platform/AtomicFile.cpp" \
    $qt_flags -o "$out/xml_fuzz"
cd "$out"
./xml_fuzz -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=4096 corpus
