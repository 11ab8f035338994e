#!/usr/bin/env bash
# Installs what building and running the Linux program needs (scripts/bootstrap.sh program:
# no test tools), builds the program and starts it in the current directory (the program
# writes its report, drawings and contact details there).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/bootstrap.sh" program
# A build folder of its own: the tests' build sends the maker's site to this machine.
cmake -S "$root" -B "$root/build-program" -DCMAKE_BUILD_TYPE=Release -DORVEX_TESTS=OFF -DORVEX_BENCH=OFF >/dev/null
cmake --build "$root/build-program" -j2 --target orvex-selection
exec "$root/build-program/app/orvex-selection"
