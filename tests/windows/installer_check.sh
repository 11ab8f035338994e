#!/usr/bin/env bash
# The installer under 32-bit Wine (NSIS installers are 32-bit programs): a silent install puts
# the program into Program Files and the Start-menu shortcut, whose working folder is the
# user's own folder; a silent uninstall removes both and leaves the user's files alone.
# Usage: installer_check.sh <orvex-selection-setup.exe> <orvex-selection.exe> <work dir>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
setup="$(realpath "$1")"
exe="$(realpath "$2")"
work="$(realpath -m "$3")"
rm -rf "$work" && mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

source "$here/wine.sh"
wine_for "$setup"
new_wine_prefix "$work"
"$wineserver" --wait

"$wine" "$setup" /S >"$work/setup.log" 2>&1
"$wineserver" --wait
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/ORVEX-selection"
[ -f "$installed/orvex-selection.exe" ] || fail "the program is not in Program Files"
cmp "$installed/orvex-selection.exe" "$exe" || fail "the installed program differs"
shortcut=$(find "$drive_c/users" -name 'ORVEX-selection.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
user_folder=$(find "$drive_c/users" -type d -name 'ORVEX-selection' | head -n 1)
[ -n "$user_folder" ] || fail "no user folder"
strings -el "$shortcut" | grep -qF 'Documents\ORVEX-selection' || fail "the shortcut's working folder is not Documents\\ORVEX-selection"
echo "kept" >"$user_folder/orvex-selection.ini"
"$wine" "$installed/uninstall.exe" /S >"$work/uninstall.log" 2>&1
"$wineserver" --wait
sleep 2  # the uninstaller finishes from a copy of itself
"$wineserver" --wait
[ -f "$installed/orvex-selection.exe" ] && fail "the uninstaller left the program"
[ -f "$shortcut" ] && fail "the uninstaller left the shortcut"
[ "$(cat "$user_folder/orvex-selection.ini")" = kept ] || fail "the uninstaller touched the user's files"
echo "PASS: the installer and the uninstaller under Wine"
