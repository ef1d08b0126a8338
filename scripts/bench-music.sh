#!/usr/bin/env bash
# Music figures of the real Quillane.scr under Wine, from the end-to-end music tests:
#  - from the captured sound: the silence between the MP3's end and its restart, and how long sound
#    goes on after a session has ended (WAV and MP3);
#  - from the stand-in CD driver's log: how late the player returns to its track after the disc moved
#    on to the next one, and how soon a stopped disc is played again.
# Build first (scripts/test.sh or cmake --build build). Usage: scripts/bench-music.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1}
log=build/bench-music.log  # the whole output of the runs, kept for a closer look
: >"$log"

for run in $(seq "$runs"); do
  echo "run $run of $runs..." >&2
  # Track lengths for the CD hold: each sets where a track change falls between two 200 ms ticks.
  QUILLANE_BENCH_TRACK_MS=1510,1570,1610,1690 \
    bash tests/e2e/run_under_wine.sh build/windows-x64 dist/x64 \
    --gtest_filter='Music.AWav*:Music.AnMp3*:CdAudio.HoldsTrack3*:CdAudio.WithoutATrack*' >>"$log" 2>&1 ||
    echo "run $run: a test failed (see the figures; rerun the suite for details)" >&2
done

summarise() {  # name, target text, limit (figures above it miss the target), pattern, field
  local values
  values=$(grep -F "$4" "$log" | sed -E "s/.*$5.*/\\1/" | sort -g || true)
  if [ -z "$values" ]; then
    printf '%-46s  no samples\n' "$1"
    return
  fi
  echo "$values" | awk -v name="$1" -v target="$2" -v limit="$3" '
    { v[NR] = $1; if ($1 > limit) over++ }
    END {
      median = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%-46s  n=%-3d min %6.0f  median %6.0f  max %6.0f ms   target %s: %s\n", name, NR, v[1], median, v[NR],
             target, over ? over " over" : "met"
    }'
}

echo
echo "Music figures (ms), from $log:"
summarise "MP3: silence between its end and the restart" "<= 1050" 1050 \
  "of silence before the restart" 'then ([-0-9]+) ms of silence'
summarise "WAV: sound after the session's end" "< 100" 99.999 \
  "wav: last sound" 'last sound ([-0-9]+) ms'
summarise "MP3: sound after the session's end" "< 100" 99.999 \
  "mp3: last sound" 'last sound ([-0-9]+) ms'
summarise "CD: back on the held track after a change" "<= 200" 200 \
  "back on track 3" 'track 3 ([-0-9]+) ms after'
summarise "CD: stopped disc played again after" "<= 200" 200 \
  "played again" 'again ([-0-9]+) ms after'
