#!/usr/bin/env bash
# Builds the Windows program and its installer, and runs them under Wine: the on-screen
# scenario against the Linux program's report page (tests/windows/wine_check.sh), then the
# installer (tests/windows/installer_check.sh). A kernel without 32-bit program support runs
# no 32-bit Wine: the on-screen check then runs a 64-bit build of the same program under 64-bit
# Wine, and the installer, a 32-bit program, is not run.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/windows/bootstrap.sh
site=(-DORVEX_SITE_ADDRESS=http://127.0.0.1:9)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${site[@]}" >/dev/null
cmake --build build -j2 --target orvex-selection
bash scripts/windows/build.sh build-windows "${site[@]}"
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  bash tests/windows/wine_check.sh build/app/orvex-selection build-windows/app/orvex-selection.exe \
    build-windows/wine-check
  bash tests/windows/installer_check.sh build-windows/orvex-selection-setup.exe \
    build-windows/app/orvex-selection.exe build-windows/installer-check
else
  echo "this machine runs no 32-bit programs: the Wine check runs the 64-bit build; the installer is not run"
  ORVEX_WINDOWS_TRIPLE=x86_64-w64-mingw32 bash scripts/windows/build.sh build-windows64 "${site[@]}"
  bash tests/windows/wine_check.sh build/app/orvex-selection build-windows64/app/orvex-selection.exe \
    build-windows64/wine-check
fi
