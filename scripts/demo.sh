#!/usr/bin/env bash
# Installs what is missing, builds, and runs a saver session with the demo visual program and a
# looping WAV under Wine: on your display (and sound card) when there is one, otherwise headless,
# saving a screenshot and the played sound and ending after a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)"

demo="$PWD/build/demo"
export WINEPREFIX="$demo/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$demo/saver"
cp dist/x64/Quillane.scr dist/x64/Quillane.dll "$demo/saver/"
# A short chord as the background music, chosen in the settings file (key names in code page 932).
sox -n -r 44100 -c 2 "$demo/saver/theme.wav" synth 3 sine 220 sine 277 fade 0.1 3 0.5 2>/dev/null
if [ -z "${DISPLAY:-}" ]; then
  display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=":$display"
  # No sound card here: Wine's sound goes to a file instead.
  export HOME="$demo/home"
  mkdir -p "$HOME"
  rm -f "$demo/audio.raw"
  printf 'pcm.!default { type file; slave.pcm "null"; file "%s"; format "raw" }\npcm.null { type null }\n' \
    "$demo/audio.raw" > "$HOME/.asoundrc"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  headless=1
fi
[ -f "$WINEPREFIX/system.reg" ] || { timeout 180 wineboot -i >/dev/null 2>&1; wineserver -w; }
printf '[Section]\r\nBGM\x8b\xe6\x95\xaa= 2\r\nBGM\xd8\xcb\xdf\xb0\xc4= 0\r\nBGM\xcc\xa7\xb2\xd9=%s\r\n' \
  "$(winepath -w "$demo/saver/theme.wav")" > "$demo/saver/Quillane.ini"

if [ -n "${headless:-}" ]; then
  wine "$demo/saver/Quillane.scr" /s &
  saver=$!
  sleep 8
  xwd -root -silent | convert xwd:- "$demo/screenshot.png"
  echo "Saved a screenshot of the running session: build/demo/screenshot.png"
  wineserver -k 2>/dev/null || true
  wait "$saver" 2>/dev/null || true
  if [ -s "$demo/audio.raw" ]; then
    echo "Captured $(stat -c %s "$demo/audio.raw") bytes of played sound: build/demo/audio.raw"
  else
    echo "No sound was played."
  fi
else
  echo "Saver session running: move the mouse, click or press a key to end it."
  wine "$demo/saver/Quillane.scr" /s
fi
