#!/usr/bin/env bash
# Builds Mirevo.exe and opens it under Wine in a desktop window with a task
# bar, in its own working folder run/ (where data.mvd and mv.ini live).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Mirevo

mkdir -p run
export WINEPREFIX=$ROOT/run/.wineprefix
source tools/wine_env.sh
mirevo_init_wineprefix

if [[ ! -f run/data.mvd ]]; then
  answer=y
  if [[ -t 0 ]]; then
    read -r -p "No data file yet. Start with a small sample list? [Y/n] " answer || answer=y
  fi
  if [[ ! $answer =~ ^[Nn] ]]; then
    bash tools/sample_data.sh run/data.mvd
    echo "Sample data written to run/data.mvd"
  fi
fi

cd run
desktop=(explorer /desktop=Mirevo,1024x768 "$ROOT/build/windows/Mirevo.exe")
if [[ -n ${DISPLAY:-} ]]; then
  exec wine "${desktop[@]}"
fi
# No display: run on a virtual one and leave a screenshot to look at.
echo "No DISPLAY: running on a virtual screen; a screenshot goes to run/screenshot.png"
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine "$@" &
  # The first start in a new prefix builds font caches: wait until the
  # screen shows more than the bare desktop (a few dozen colours), 40 s at most.
  for _ in $(seq 20); do
    sleep 2
    import -window root screenshot.png
    [[ $(identify -format %k screenshot.png) -gt 200 ]] && break
  done
  echo "screenshot: run/screenshot.png"
  # Nobody can close the window on a virtual screen: end the program (only
  # this prefix'"'"'s wine server) instead of waiting for it forever.
  wineserver -k
  wait || true' _ "${desktop[@]}"
