#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it in the current directory (the
# program writes its report, drawings and contact details there).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/bootstrap.sh"
# A build folder of its own: the tests' build sends the maker's site to this machine.
cmake -S "$root" -B "$root/build-program" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-program" -j2 --target orvex-selection
exec "$root/build-program/app/orvex-selection"
