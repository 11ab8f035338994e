#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the cores, the windows through
# the headless toolkit, and the real program on a virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure
