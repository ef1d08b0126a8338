#!/usr/bin/env bash
# Benchmarks a saver session of the real Quillane.scr under Wine against a program that only runs
# one 50 ms timer, and prints a table.   bench-session.sh [session length in ms, default 30000]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
QUILLANE_WINE_PROGRAM=session_bench.exe bash tests/e2e/run_under_wine.sh build/windows-x64 dist/x64 "${1:-30000}"
