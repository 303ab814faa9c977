#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the fuzz targets
# for a bounded time, and the Windows programs under wine with Xvfb.
# Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

bash tools/setup.sh || exit 1

FUZZ_SECONDS=${FUZZ_SECONDS:-30}
status=0
passed=0
failed=0

# Adds CTest's counts from a log to the totals.
count_ctest() {
  local line
  line=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$1" | tail -1)
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  fi
}

run_ctest() {
  local preset=$1
  shift
  local log=$ROOT/build/ctest-$preset.log
  "$@" ctest --preset "$preset" 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  count_ctest "$log"
  if [[ $rc -ne 0 ]]; then
    status=1
    if ! grep -q "tests failed out of" "$log"; then failed=$((failed + 1)); fi
  fi
}

step() { echo; echo "=== $* ==="; }

step "native build"
if cmake --preset native >/dev/null && cmake --build --preset native; then
  step "native tests"
  run_ctest native
else
  echo "native build failed"; status=1; failed=$((failed + 1))
fi

step "fuzz targets (${FUZZ_SECONDS}s each)"
if cmake --preset fuzz >/dev/null && cmake --build --preset fuzz; then
  export MIREVO_FUZZ_SECONDS=$FUZZ_SECONDS
  run_ctest fuzz
else
  echo "fuzz build failed"; status=1; failed=$((failed + 1))
fi

step "windows build"
if cmake --preset windows >/dev/null && cmake --build --preset windows; then
  step "Mirevo.exe imports"
  if bash tools/check_imports.sh build/windows/Mirevo.exe; then
    passed=$((passed + 1))
  else
    status=1; failed=$((failed + 1))
  fi
  source tools/wine_env.sh
  mirevo_init_wineprefix
  step "windows tests (wine)"
  run_ctest windows xvfb-run -a -s "-screen 0 1024x768x24"
  wineserver -k 2>/dev/null || true
else
  echo "windows build failed"; status=1; failed=$((failed + 1))
fi

echo
echo "total: $passed passed, $failed failed"
exit $status
