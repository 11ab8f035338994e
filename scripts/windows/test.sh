#!/usr/bin/env bash
# The Windows programs, built and checked in every test run:
#   scripts/windows/test.sh <Linux build folder> <site address>
# Builds the 32-bit and the 64-bit program with their installers (the libraries from the
# cache, see build-deps.sh); checks each program and installer as a file that every Windows
# from 7 on can run (tests/windows/pe_check.sh); runs the 64-bit installer, the program
# through its shortcut and its uninstaller under 64-bit Wine, the files it writes compared with
# the Linux program's (tests/windows/wine_check.sh); downloads through a company's proxies,
# configuration scripts and sign-in, and over https (tests/windows/network_check.sh). This
# kind of machine runs no 32-bit x86 programs, so the 32-bit program is not run: its
# arithmetic is proven by the cores' tests in 32-bit x86 code (scripts/test.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_build="$(realpath "$1")"
site="$2"
version="$(sed -n 's/^project(orvex_selection VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"

for target in i686-w64-mingw32:win32:i386:x86 x86_64-w64-mingw32:win64:x86-64:amd64; do
  IFS=: read -r triple platform machine architecture <<<"$target"
  build="build-$platform"
  started=$SECONDS
  ORVEX_WINDOWS_TRIPLE="$triple" bash scripts/windows/build.sh "$build" -DORVEX_SITE_ADDRESS="$site"
  echo "$platform: built in $((SECONDS - started)) s"
  bash tests/windows/pe_check.sh "$build/app/orvex-selection.exe" "$machine"
  bash tests/windows/manifest_check.sh "$build/app/orvex-selection.exe" "$architecture"
  bash tests/windows/pe_check.sh "$build/cli/orvex-select.exe" "$machine" console
  bash tests/windows/pe_check.sh "$build/orvex-selection-$version-$platform-setup.exe" "$machine"
done

started=$SECONDS
bash tests/windows/network_check.sh build-win64/tests/windows/download_probe.exe build-win64/network-check
echo "the company network check took $((SECONDS - started)) s"
bash tests/windows/wine_check.sh "$linux_build" "build-win64/orvex-selection-$version-win64-setup.exe" \
  build-win64/app/orvex-selection.exe build-win64/wine-check "$site" build-win64/tests/text_fit/text_fit_check.exe
