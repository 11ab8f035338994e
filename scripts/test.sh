#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the cores, the windows through
# the headless toolkit, and the real program on a virtual screen; the cores again as 32-bit x86
# code (build-i386); the two Windows programs and their installers, the 64-bit one installed
# and run under Wine (build-win32, build-win64). Then each fuzzer for a short while
# (build-fuzz, with clang), and last the same tests once more in a build with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer (build-asan).
#
# The tests' builds send the maker's site to a port on this machine where nobody listens, so
# no test reaches the network; the download tests and the Windows scenario start their own
# site on 127.0.0.1 (the latter on that very port).
set -euo pipefail
cd "$(dirname "$0")/.."
done_with() { echo "test.sh: $1 done at $((SECONDS / 60)) min $((SECONDS % 60)) s"; }
bash scripts/bootstrap.sh tests
done_with "setting up the machine"
site=(-DORVEX_SITE_ADDRESS=http://127.0.0.1:47609)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${site[@]}" >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure
done_with "the Linux program's tests"

# The pure cores as 32-bit x86 code, the arithmetic of the 32-bit Windows program, under qemu-user.
cmake -S . -B build-i386 -DCMAKE_TOOLCHAIN_FILE=cmake/linux-i386.cmake -DORVEX_CORES_ONLY=ON \
  -DORVEX_TESTS=ON -DCMAKE_BUILD_TYPE=Release "${site[@]}" >/dev/null
cmake --build build-i386 -j2
ctest --test-dir build-i386 --output-on-failure -j2
done_with "the cores as 32-bit x86 code"

bash scripts/windows/test.sh build "${site[@]#-DORVEX_SITE_ADDRESS=}"
done_with "the Windows programs"

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEX_FUZZ=ON -DORVEX_BENCH=OFF "${site[@]}" \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2 --target fuzzers
bash fuzz/run.sh build-fuzz 10
done_with "the fuzzers"

# -O1 and line tables only: what the sanitizers' reports need, in less build time than -O2 -g.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DORVEX_SANITIZE=ON -DORVEX_BENCH=OFF "${site[@]}" >/dev/null
cmake --build build-asan -j2
(source tests/sanitizers/options.sh && ctest --test-dir build-asan --output-on-failure)
done_with "the tests under the sanitizers"
