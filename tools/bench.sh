#!/usr/bin/env bash
# Builds the benchmarks and runs them three ways: offscreen; on a virtual X
# server with the xcb platform; and the same with the accessibility bridge on,
# as with a screen reader running (an accessibility bus, its registry, and a
# listener for the window's events). Then compares the fast preset with the
# bridge on and off. Installs what is missing, as tools/build.sh does.
#
#   tools/bench.sh [runs] [offscreen|xcb|bridge ...]
#
# runs: how often each figure is measured (5 unless told); the ways to run
# come next, all three unless told. Every figure printed is a median with its
# minimum, maximum and the load average; see tests/bench/README.md.
set -euo pipefail
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "$self")/.."

# Inside the bridge's own session bus (see "bridge" below): the accessibility
# bus and its registry, a listener that takes every event of the window as a
# screen reader would, and the runs most touched by the bridge.
if [ "${1:-}" = "--inside-bridge-session" ]; then
    launcher=""
    for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
        [ -x "$l" ] && launcher=$l && break
    done
    [ -n "$launcher" ] || { echo "at-spi-bus-launcher not found" >&2; exit 1; }
    "$launcher" --launch-immediately &
    bus=$!
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && break
        sleep 0.1
    done
    /usr/bin/python3 - >"$BENCH_OUT/listener.txt" 2>&1 <<'PY' &
import signal, sys
import pyatspi
from gi.repository import GLib

counts = {}

def on_event(event):
    kind = ":".join(event.type.split(":")[:2])
    counts[kind] = counts.get(kind, 0) + 1

def on_term():
    pyatspi.Registry.stop()
    return False

pyatspi.Registry.registerEventListener(on_event, "object:", "focus:")
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, on_term)
print("listening", flush=True)
pyatspi.Registry.start()
print("events received: %d" % sum(counts.values()))
for kind, n in sorted(counts.items(), key=lambda kv: -kv[1])[:8]:
    print("  %-32s %d" % (kind, n))
PY
    listener=$!
    for _ in $(seq 100); do
        grep -q listening "$BENCH_OUT/listener.txt" 2>/dev/null && break
        sleep 0.1
    done
    grep -q listening "$BENCH_OUT/listener.txt" || { cat "$BENCH_OUT/listener.txt" >&2; exit 1; }
    ./build/bench_run --runs "$BENCH_RUNS" walk | tee "$BENCH_OUT/bridge.txt"
    ./build/bench_file --runs "$BENCH_RUNS"
    kill -TERM "$listener"
    wait "$listener" || true
    echo "Screen-reader stand-in:"
    grep -v listening "$BENCH_OUT/listener.txt"
    kill "$bus" 2>/dev/null || true
    exit 0
fi

runs=${1:-5}
shift || true
ways=("$@")
[ ${#ways[@]} -gt 0 ] || ways=(offscreen xcb bridge)

packages=(cmake make g++ qt6-base-dev libgtest-dev fonts-liberation2
          xvfb xauth dbus at-spi2-core python3-pyatspi)
bash tools/install-missing.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target bench_run bench_file >/dev/null

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
screen=(-a -s "-screen 0 1024x768x24")

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "Load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"

for way in "${ways[@]}"; do
    echo
    echo "==================== $way"
    case "$way" in
        offscreen)
            QT_QPA_PLATFORM=offscreen ./build/bench_run --runs "$runs" | tee "$out/offscreen.txt"
            QT_QPA_PLATFORM=offscreen ./build/bench_file --runs "$runs"
            ;;
        xcb)
            QT_QPA_PLATFORM=xcb xvfb-run "${screen[@]}" ./build/bench_run --runs "$runs" | tee "$out/xcb.txt"
            QT_QPA_PLATFORM=xcb xvfb-run "${screen[@]}" ./build/bench_file --runs "$runs"
            ;;
        bridge)
            # The walk and the loads are what the bridge slows down.
            QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 BENCH_RUNS="$runs" BENCH_OUT="$out" \
                xvfb-run "${screen[@]}" dbus-run-session -- bash "$self" --inside-bridge-session
            ;;
        *) echo "usage: tools/bench.sh [runs] [offscreen|xcb|bridge ...]" >&2; exit 2 ;;
    esac
done

# The fast preset with the bridge on against the same without it.
result() { awk -v k="$2" '$1 == "RESULT" && $2 == k { print $3 }' "$1" 2>/dev/null | tail -n1; }
off=$(result "$out/xcb.txt" fast_moves_per_second)
on=$(result "$out/bridge.txt" fast_moves_per_second)
if [ -n "$off" ] && [ -n "$on" ]; then
    echo
    awk -v on="$on" -v off="$off" 'BEGIN {
        r = on / off
        printf "Accessibility bridge on / off, fast preset moves per second (xcb): %.0f / %.0f\n", on, off
        printf "  TARGET bridge on / bridge off                    %.2f  (target \xe2\x89\xa5 0.50)  %s\n", r,
               (r >= 0.5 ? "PASS" : "FAIL") }'
fi
