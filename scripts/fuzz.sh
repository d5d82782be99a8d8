#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on) and runs each for SECONDS (default 600). Not part of the tests.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Targets: xml manual_block picture_text batch_loader report_loader (default: all).
# Corpora and crashes stay in $BRAMBLEX_FUZZ_DIR (default build-fuzz/).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(xml manual_block picture_text batch_loader report_loader)
out=${BRAMBLEX_FUZZ_DIR:-$here/build-fuzz}
jobs=${BRAMBLEX_JOBS:-2}

flags="-O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
cmake -S "$here" -B "$out/build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DBRAMBLEX_TESTS=OFF -DBRAMBLEX_BENCH=OFF -DBRAMBLEX_FUZZ=ON > "$out.configure.log" 2>&1 ||
    { cat "$out.configure.log"; exit 1; }
cmake --build "$out/build" -j "$jobs" --target $(printf 'fuzz_%s ' "${targets[@]}")

# Seeds: the test documents and the shipped templates.
seed() { # target, files...
    local corpus="$out/corpus/$1"; shift
    mkdir -p "$corpus"
    for f in "$@"; do [ -f "$f" ] && cp -n "$f" "$corpus/" 2>/dev/null || true; done
}
seed xml "$here"/tests/data/documents/* "$here"/data/Template/ENU/*/*.epr
seed batch_loader "$here"/tests/data/documents/*.epb
seed report_loader "$here"/data/Template/ENU/Reports/*.epr
mkdir -p "$out/corpus/manual_block" "$out/corpus/picture_text"
printf 'ViscoMeter V2   L1          10.0      24.5C   \r\nVisc 1234.5\r\nTorq 45.6\r\n\x0c' \
    > "$out/corpus/manual_block/v2_l1"
printf 'eJwLycgsVgCi4ozMvPSSgsqSoqr4jNLklLNTEqqBgB2bgrG' > "$out/corpus/picture_text/short"

status=0
summary=()
for t in "${targets[@]}"; do
    mkdir -p "$out/crashes/$t"
    echo "== fuzz_$t for ${seconds}s"
    if (cd "$out/crashes/$t" && QT_QPA_PLATFORM=offscreen "$out/build/tests/fuzz/fuzz_$t" \
            -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=4096 \
            -print_final_stats=1 "$out/corpus/$t") > "$out/$t.log" 2>&1; then
        runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/$t.log" | grep -o '[0-9]*$' || echo "?")
        summary+=("fuzz_$t: clean, $runs runs in ${seconds}s")
    else
        status=1
        summary+=("fuzz_$t: FAILED (see $out/$t.log and $out/crashes/$t)")
        tail -40 "$out/$t.log"
    fi
done
printf '%s\n' "${summary[@]}"
exit $status
