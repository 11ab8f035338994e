#!/usr/bin/env bash
# The Windows program under Wine on a virtual screen: the same on-screen scenario as
# the Linux program (tests/onscreen/cooler_report.sh), then the report page it wrote, byte for
# byte against the page the Linux program writes for the same inputs, with its two pictures.
# The 32-bit program runs under 32-bit Wine; a 64-bit build of it (for machines whose kernel
# runs no 32-bit programs) under 64-bit Wine.
# Usage: wine_check.sh <Linux program> <orvex-selection.exe> <work dir>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
linux_program="$(realpath "$1")"
exe="$(realpath "$2")"
work="$(realpath -m "$3")"
rm -rf "$work" && mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

source "$here/wine.sh"
wine_for "$exe"
started=$SECONDS
new_wine_prefix "$work"
# Pages open in the browser as on any Windows desktop: Wine's winebrowser hands them to the
# desktop's xdg-open (without Wine's HTML engine, .htm has no association of its own).
"$wine" reg add 'HKCR\.htm' /ve /d htmlfile /f >>"$work/wineboot.log" 2>&1
"$wineserver" --wait
echo "wine prefix made in $((SECONDS - started)) s"

cat >"$work/orvex-selection-wine" <<SCRIPT
#!/bin/sh
exec "$wine" "$exe"
SCRIPT
chmod +x "$work/orvex-selection-wine"

started=$SECONDS
bash "$here/../onscreen/cooler_report.sh" "$work/orvex-selection-wine" "$work/windows"
"$wineserver" --kill || true
echo "Windows scenario took $((SECONDS - started)) s"
bash "$here/../onscreen/cooler_report.sh" "$linux_program" "$work/linux"

for file in orvex-selection.htm orvex-selection.png favicon.ico; do
  cmp "$work/windows/$file" "$work/linux/$file" || fail "$file differs between Windows and Linux"
done
echo "the report page and its pictures are the same on Windows and on Linux"

echo "PASS: the Windows program under Wine and its report page"
