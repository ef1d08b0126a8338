#!/usr/bin/env bash
# Runs the Windows-side end-to-end suite under Wine, headless: one Xvfb, one wineserver, a Wine
# prefix of the build's own. The suite runs in a Western locale, then its locale-sensitive tests
# again in a Japanese one (code page 932).
#   run_under_wine.sh <x64 build folder> <x64 dist folder> [extra GoogleTest arguments]
# A filter among the extra arguments chooses the tests of the first pass; the later passes keep
# their own filters.
# QUILLANE_WINE_PROGRAM names another program of the test build to run instead (once).
set -euo pipefail
build=$(realpath "$1"); dist=$(realpath "$2"); shift 2

work="$build/e2e-run"
mkdir -p "$work/home"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export HOME="$work/home"
# Wine's sound goes to a file, so that tests can hear what was played.
export QUILLANE_TEST_AUDIO_RAW="$work/audio.raw"
cat > "$HOME/.asoundrc" <<ASOUND
pcm.!default { type file; slave.pcm "null"; file "$QUILLANE_TEST_AUDIO_RAW"; format "raw" }
pcm.null { type null }
ASOUND

# A display of our own (xvfb-run's authority file is not honoured by every Wine start).
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

cleanup() { wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 180 wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# The stand-in CD audio driver: this Wine reads each MCI device type's driver from this key.
cp "$build/tests/e2e/quillane_cdaudio.dll" "$WINEPREFIX/drive_c/windows/system32/"
timeout 60 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\MCI' /v cdaudio \
  /d quillane_cdaudio.dll /f >/dev/null 2>&1
# The desktop the tests expect, in place before the first program starts (see the file).
iconv -f UTF-8 -t UTF-16 "$(dirname "$(realpath "$0")")/desktop_setup.reg" > "$work/desktop_setup.reg"
timeout 60 wine regedit /S "$(winepath -w "$work/desktop_setup.reg")" >/dev/null 2>&1
export QUILLANE_DIST_DIR="$(winepath -w "$dist")"
driver="$build/tests/e2e/${QUILLANE_WINE_PROGRAM:-quillane_e2e.exe}"

run_suite() {
  local status=0
  LC_ALL="$1" timeout 600 wine "$driver" "${@:2}" || status=$?
  wineserver -k 2>/dev/null || true
  return $status
}
status=0
run_suite en_US.UTF-8 "$@" || status=1
if [ -z "${QUILLANE_WINE_PROGRAM:-}" ]; then
  run_suite ja_JP.UTF-8 "$@" --gtest_filter='*InBothLocales*' || status=1
  # Without a wave device: a home without the sound-file configuration.
  mkdir -p "$work/home-silent"
  HOME="$work/home-silent" QUILLANE_TEST_NO_WAVE_DEVICE=1 \
    run_suite en_US.UTF-8 "$@" --gtest_filter='*WithoutWaveDevice*' || status=1
  # A screen scaled to 150 %, then back to the standard 96 dots per inch for the next run.
  set_dpi() { timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; wineserver -w; }
  set_dpi 144
  QUILLANE_TEST_DPI=144 run_suite en_US.UTF-8 "$@" --gtest_filter='*AtScaledDpi*' || status=1
  set_dpi 96
fi
exit $status
