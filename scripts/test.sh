#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the cores, the windows through
# the headless toolkit, and the real program on a virtual screen. Then each fuzzer for a short
# while (build-fuzz, with clang), and last the same tests once more in a build with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer (build-asan).
#
# The tests' builds send the maker's site to a port on this machine where nobody listens, so
# no test reaches the network; the download tests start their own site on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
site=(-DORVEX_SITE_ADDRESS=http://127.0.0.1:9)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${site[@]}" >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEX_FUZZ=ON -DORVEX_BENCH=OFF "${site[@]}" \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 --target fuzzers
bash fuzz/run.sh build-fuzz 10

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEX_SANITIZE=ON -DORVEX_BENCH=OFF "${site[@]}" >/dev/null
cmake --build build-asan -j2
(source tests/sanitizers/options.sh && ctest --test-dir build-asan --output-on-failure)
