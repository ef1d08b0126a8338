#!/usr/bin/env bash
# Installs what is missing, builds, and runs a saver session with the demo visual program under
# Wine: on your display when there is one, otherwise headless, saving a screenshot and ending
# after a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)"

export WINEPREFIX="$PWD/build/demo/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p build/demo
if [ -z "${DISPLAY:-}" ]; then
  display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=":$display"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  headless=1
fi
[ -f "$WINEPREFIX/system.reg" ] || { timeout 180 wineboot -i >/dev/null 2>&1; wineserver -w; }

if [ -n "${headless:-}" ]; then
  wine dist/x64/Quillane.scr /s &
  saver=$!
  sleep 6
  xwd -root -silent | convert xwd:- build/demo/screenshot.png
  echo "Saved a screenshot of the running session: build/demo/screenshot.png"
  wineserver -k 2>/dev/null || true
  wait "$saver" 2>/dev/null || true
else
  echo "Saver session running: move the mouse, click or press a key to end it."
  wine dist/x64/Quillane.scr /s
fi
