#!/usr/bin/env bash
# Installs what is missing, builds everything (warnings are errors) and runs every test: the native
# unit tests and the end-to-end suite on the real Quillane.scr under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DQUILLANE_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
