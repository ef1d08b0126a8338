#!/usr/bin/env bash
# Benchmarks the image button: DrawFace of a 125 x 25 button, each face shown on the screen, in the
# button test host under Wine (headless), and prints faces per second.
#   bench-button.sh [faces, default 20000]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
QUILLANE_WINE_PROGRAM=button_host.exe bash tests/e2e/run_under_wine.sh build/windows-x64 dist/x64 --benchmark "${1:-20000}"
