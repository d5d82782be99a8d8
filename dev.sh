#!/usr/bin/env bash
# Bramblex developer entry point.
#   ./dev.sh demo   install what is missing, build, start on a demo storage tree
#   ./dev.sh test   install what is missing, build, run every test
#   ./dev.sh bench  build and run the benchmarks, ending with the table of speed goals
#   ./dev.sh package  build and make the Debian package (build/bramblex_*.deb)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${BRAMBLEX_BUILD_DIR:-$here/build}
jobs=${BRAMBLEX_JOBS:-2}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    while read -r pkg; do
        case "$pkg" in ''|'#'*) continue ;; esac
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done < "$here/scripts/packages.txt"
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

configure_and_build() {
    local launcher=()
    # Rebuilds of several checkouts share one compiler cache when there is one.
    if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
    cmake --build "$build" -j "$jobs"
}

cmd=${1:-}
case "$cmd" in
    demo)
        install_packages
        configure_and_build
        exec "$here/scripts/demo.sh" "$build"
        ;;
    test)
        install_packages
        configure_and_build
        cd "$build"
        # Widgets draw offscreen; numbers and dates follow a fixed locale unless a test sets one.
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" --timeout 600
        ;;
    bench)
        install_packages
        configure_and_build
        exec "$here/scripts/bench.sh" "$build"
        ;;
    package)
        install_packages
        configure_and_build
        cd "$build"
        cpack -G DEB
        ;;
    *)
        echo "usage: $0 demo|test|bench|package" >&2
        exit 2
        ;;
esac
