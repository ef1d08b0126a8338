#!/usr/bin/env bash
# Prints how many faces per second the image button draws (DrawFace of a 125 x 25 button, shown on
# the screen each time) in the button test host under Wine, headless.
#   button_benchmark.sh [build folder, default build] [faces, default 20000]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")/windows-x64
faces=${2:-20000}
host="$build/tests/e2e/button_host.exe"
[ -f "$host" ] || { echo "build first: $host is missing" >&2; exit 1; }

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
cleanup() { wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 180 wineboot -i >/dev/null 2>&1
  wineserver -w
fi
timeout 300 wine "$host" --benchmark "$faces" | cat
