#!/usr/bin/env bash
# The installer and the uninstaller while the program runs, under Wine, in the prefix the
# program was installed in (WINEPREFIX of the caller): with the program started through its
# shortcut on a virtual screen, a silent install over it and a silent uninstall both end with
# exit code 2 and change nothing (the console program, removed before, stays away; the
# program and its uninstall entry stay); once the program is closed, a silent install over it
# ends with 0 and puts the console program back.
# Usage: installer_running.sh <setup.exe> <launcher of the program> <installed folder> <work dir>
source "$(dirname "$0")/../onscreen/lib.sh" "$2" "$4"
source "$(dirname "$0")/wine.sh"
setup="$1"
installed="$3"
wine_for "$installed/orvex-selection.exe"
"$wineserver" --wait  # the programs of earlier steps, with the screens they had, have ended
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ORVEX-selection'

start_screen
start_program
wait_window "ORVEX-selection 2" >/dev/null
rm "$installed/orvex-select.exe"
"$wine" "$setup" /S >"$WORK/setup.log" 2>&1 && status=0 || status=$?
[ "$status" = 2 ] || fail "the installer over the running program ended with $status, not 2"
[ -e "$installed/orvex-select.exe" ] && fail "the installer refused but replaced the programs"
# Told its folder (_?=, unquoted, so by its short name) the uninstaller runs itself instead of a
# copy, and gives its own exit code.
folder=$(winepath -s "$(winepath -w "$installed" 2>/dev/null)" 2>/dev/null)
"$wine" "$installed/uninstall.exe" /S "_?=$folder" >"$WORK/uninstall.log" 2>&1 && status=0 || status=$?
[ "$status" = 2 ] || fail "the uninstaller beside the running program ended with $status, not 2"
[ -e "$installed/orvex-selection.exe" ] || fail "the uninstaller refused but removed the program"
"$wine" reg query "$entry" >/dev/null 2>&1 || fail "the uninstaller refused but removed the uninstall entry"
echo "while the program runs, the installer and the uninstaller end with 2 and change nothing"

"$wineserver" --kill
"$wineserver" --wait
"$wine" "$setup" /S >"$WORK/setup.log" 2>&1 || fail "the installer over the closed program failed"
"$wineserver" --wait
[ -e "$installed/orvex-select.exe" ] || fail "the install over the closed program did not put the programs back"
echo "over the closed program, the installer replaces the programs"
