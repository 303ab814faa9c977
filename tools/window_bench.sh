#!/usr/bin/env bash
# The window benchmark: Mirevo.exe under wine with a very large list, timed
# through its windows from another process (bench/win32/window_bench.cpp).
# Run by hand; the test command does not run it.
#
#   bash tools/window_bench.sh [WORKS] [RUNS]     (default: 100000 works, 3 runs)
#   bash tools/window_bench.sh --phases [WORKS]   (bench/win32/phase_bench.cpp)
#
# Prints each time against the empty-store start-up and per 1,000 works; with
# --phases, the time of each phase of the same work in-process instead.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

for tool in xvfb-run wine x86_64-w64-mingw32-g++; do
  command -v "$tool" >/dev/null || { echo "window_bench.sh: $tool is missing (bash tools/setup.sh)"; exit 1; }
done

cmake --preset windows >/dev/null
cmake --build --preset windows --target Mirevo window_bench phase_bench

# A prefix of its own: the program runs one copy at a time, so no test may
# start one beside it, and the run ends by stopping its wine server.
export WINEPREFIX=${MIREVO_BENCH_PREFIX:-$ROOT/build/windows/bench-prefix}
source tools/wine_env.sh
mirevo_init_wineprefix
trap 'wineserver -k 2>/dev/null || true' EXIT

bench=window_bench
if [[ ${1:-} == --phases ]]; then bench=phase_bench; shift; fi
xvfb-run -a -s "-screen 0 1024x768x24" wine "$ROOT/build/windows/bench/win32/$bench.exe" "$@"
