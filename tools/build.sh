#!/usr/bin/env bash
# Installs what is missing, builds both programs, and then either starts one
# ("run": TIMPA_FREE, or "run timpa_1" for TIMPA_1) or runs every test of both
# ("test"). "sanitized-test" runs every test once more, built with the address
# and undefined-behaviour sanitizers in a folder of its own (build-asan), so
# that a bad read or write fails the test that makes it.
# Safe to run again: installs nothing that is there.
set -euo pipefail
cd "$(dirname "$0")/.."

what=${1:-run}
packages=(cmake make g++ qt6-base-dev qt6-translations-l10n libgtest-dev fonts-liberation2)
bash tools/install-missing.sh "${packages[@]}"

build=build
flags=()
case "$what" in
    run|test) ;;
    sanitized-test)
        build=build-asan
        flags=(-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined")
        # A report ends the test with its stack; leaks count as failures too.
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
        export UBSAN_OPTIONS=print_stacktrace=1
        ;;
    *) echo "usage: tools/build.sh [run [timpa_free|timpa_1]|test|sanitized-test]" >&2; exit 2 ;;
esac

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

case "$what" in
    run)
        program=${2:-timpa_free}
        case "$program" in
            timpa_free|timpa_1) exec "./build/$program" ;;
            *) echo "usage: tools/build.sh run [timpa_free|timpa_1]" >&2; exit 2 ;;
        esac ;;
    *) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
esac
