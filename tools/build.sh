#!/usr/bin/env bash
# Installs what is missing, builds both programs, and then either starts one
# ("run": TIMPA_FREE, or "run timpa_1" for TIMPA_1) or runs every test of both
# ("test"). Safe to run again: installs nothing that is there.
set -euo pipefail
cd "$(dirname "$0")/.."

what=${1:-run}
packages=(cmake make g++ qt6-base-dev libgtest-dev fonts-liberation2)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

case "$what" in
    run)
        program=${2:-timpa_free}
        case "$program" in
            timpa_free|timpa_1) exec "./build/$program" ;;
            *) echo "usage: tools/build.sh run [timpa_free|timpa_1]" >&2; exit 2 ;;
        esac ;;
    test) cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
    *)    echo "usage: tools/build.sh [run [timpa_free|timpa_1]|test]" >&2; exit 2 ;;
esac
