#!/usr/bin/env bash
# Cross-builds the Windows programs and their installer:
#   scripts/windows/build.sh [build folder] [extra CMake options...]
# The libraries come from scripts/windows/build-deps.sh (built once, then cached). Makes
# <build folder>/app/orvex-selection.exe, the console program <build folder>/cli/orvex-select.exe
# and the installer of both
# <build folder>/orvex-selection-<version>-win32-setup.exe; the 64-bit program and its
# ...-win64-setup.exe when ORVEX_WINDOWS_TRIPLE says x86_64-w64-mingw32.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(realpath -m "${1:-$root/build-windows}")"  # makensis takes paths relative to the script
shift || true

triple="${ORVEX_WINDOWS_TRIPLE:-i686-w64-mingw32}"
deps="$(bash "$root/scripts/windows/build-deps.sh")"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DORVEX_WINDOWS_DEPS="$deps" \
  -DORVEX_WINDOWS_TRIPLE="$triple" \
  -DwxWidgets_CONFIG_EXECUTABLE="$deps/bin/wx-config" "$@" >/dev/null
cmake --build "$build" --target orvex-selection orvex-select text_fit_check download_probe
"$triple-strip" "$build/app/orvex-selection.exe" "$build/cli/orvex-select.exe"

version="$(sed -n 's/^project(orvex_selection VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
bits=() platform=win32
[[ "$triple" == x86_64-* ]] && bits=(-DWIN64) platform=win64
setup="orvex-selection-$version-$platform-setup.exe"
site="$(sed -n 's/^ORVEX_SITE_ADDRESS:[A-Z]*=//p' "$build/CMakeCache.txt")"
makensis -V2 "${bits[@]}" -DEXE="$build/app/orvex-selection.exe" -DCONSOLE_EXE="$build/cli/orvex-select.exe" \
  -DOUTFILE="$build/$setup" -DOUTFILE_NAME="$setup" -DSITE="$site" \
  -DVERSION="$version" -DICON="$root/resources/pictures/orvex-selection.ico" \
  "$root/scripts/windows/installer.nsi"
