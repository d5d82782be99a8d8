#!/usr/bin/env bash
# Runs the tests under the sanitizers, each in a build folder of its own:
#   scripts/sanitize.sh asan   the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/sanitize.sh tsan   the run-thread, watcher and run-session tests under ThreadSanitizer
#   scripts/sanitize.sh        both
# A report from either sanitizer fails the test that caused it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=${BRAMBLEX_JOBS:-2}
modes=("$@")
[ ${#modes[@]} -gt 0 ] || modes=(asan tsan)

launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

configure() { # folder, flags
    cmake -S "$here" -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" -DBRAMBLEX_BENCH=OFF \
        -DCMAKE_CXX_FLAGS="$2" -DCMAKE_C_FLAGS="$2" -DCMAKE_EXE_LINKER_FLAGS="$2" > /dev/null
}

for mode in "${modes[@]}"; do
    case "$mode" in
        asan)
            build=${BRAMBLEX_ASAN_DIR:-$here/build-asan}
            # float-cast-overflow is not part of GCC's "undefined": a reading or a length
            # out of int's range (the over-range marker 1.7e308) must not become a pixel.
            configure "$build" "-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined,float-cast-overflow \
-fno-sanitize-recover=undefined,float-cast-overflow"
            cmake --build "$build" -j "$jobs"
            # Every leak fails (scripts/lsan.supp says why nothing is suppressed). No
            # strict_string_checks: it takes strndup of a text without its terminating
            # zero, which is allowed and which libxkbcommon does under X, for an overflow.
            export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
            export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
            export LSAN_OPTIONS=suppressions=$here/scripts/lsan.supp:print_suppressions=0
            (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --timeout 1200 --output-on-failure)
            ;;
        tsan)
            build=${BRAMBLEX_TSAN_DIR:-$here/build-tsan}
            configure "$build" "-O1 -g -fno-omit-frame-pointer -fsanitize=thread"
            cmake --build "$build" -j "$jobs" --target instrument_tests platform_tests services_tests
            export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$here/scripts/tsan.supp
            suites=(RunThreadTest DirectoryWatcher RunSessionTest RunJournalTest)
            # Each suite must still be found: a filter that stops matching (a suite
            # renamed, a test program not built) must not pass as a clean run.
            for suite in "${suites[@]}"; do
                count=$(cd "$build" && ctest -N -R "^$suite\\." | sed -n 's/^Total Tests: //p')
                echo "ThreadSanitizer: $suite: ${count:-0} tests"
                if [ "${count:-0}" -eq 0 ]; then
                    echo "ThreadSanitizer: no test of $suite is selected" >&2
                    exit 1
                fi
            done
            threaded="^($(IFS='|'; echo "${suites[*]}"))\\."
            (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --timeout 1200 --output-on-failure \
                --no-tests=error -R "$threaded")
            ;;
        *)
            echo "usage: $0 [asan] [tsan]" >&2
            exit 2
            ;;
    esac
done
