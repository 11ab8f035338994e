#!/usr/bin/env bash
# The 64-bit Windows program as a user gets it, under 64-bit Wine on a virtual screen: the
# installer installs it silently into Program Files with every user's Start-menu and desktop
# shortcuts and a complete uninstall entry, and makes no folder in the installing user's
# profile; the program is started through the shortcut (it makes the user's own folder
# "Documents\ORVEX-selection" and works there) and goes through the whole on-screen scenario
# (tests/windows/scenario.sh); the Linux program
# goes through the same scenario, and the files both wrote (report page and its pictures,
# contact details, drawing) must be the same byte for byte; the installed console program
# answers a batch file as the Linux one does, byte for byte, and writes to files and consoles
# as tests/windows/console_check.sh checks; while the program runs, the installer and the
# uninstaller refuse to run (exit code 2, nothing changed), and once it is closed an install
# over it replaces the programs and keeps the user's files; every text of every window fits its box at
# four scales in Windows' own fonts (tests/text_fit); at 144 dpi with a wide 9-point message
# font the program is used from the keyboard alone (tests/onscreen/keyboard_only.sh); last the
# uninstaller removes the programs and the shortcut and leaves the user's folder.
# Usage: wine_check.sh <Linux build folder> <...-win64-setup.exe> <orvex-selection.exe> <work dir> <site address>
#        <text_fit_check.exe>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
linux_program="$(realpath "$1/app/orvex-selection")"
linux_console="$(realpath "$1/cli/orvex-select")"
setup="$(realpath "$2")"
exe="$(realpath "$3")"
work="$(realpath -m "$4")"
site="$5"
text_fit_check="$(realpath "$6")"
rm -rf "$work" && mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

source "$here/wine.sh"
wine_for "$exe"
started=$SECONDS
keep_wine_screen
new_wine_prefix "$work"
# Pages and drawings open as on any Windows desktop: Wine's winebrowser hands them to the
# desktop's opener (without Wine's HTML engine or a PDF reader neither has an association).
for type in htm pdf; do
  "$wine" reg add "HKCR\\.$type" /ve /d "${type}file" /f
  "$wine" reg add "HKCR\\${type}file\\shell\\open\\command" /ve /d 'winebrowser "%1"' /f
done >>"$work/wineboot.log" 2>&1
"$wineserver" --wait
echo "wine prefix made in $((SECONDS - started)) s"

"$wine" "$setup" /S >"$work/setup.log" 2>&1
"$wineserver" --wait
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/ORVEX-selection"
cmp "$installed/orvex-selection.exe" "$exe" || fail "the installed program is not the built one"
shortcut=$(find "$drive_c/ProgramData" -path '*Start Menu*' -name 'ORVEX-selection.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut for every user"
desktop_shortcut=$(find "$drive_c/users/Public" -path '*Desktop*' -name 'ORVEX-selection.lnk' | head -n 1)
[ -n "$desktop_shortcut" ] || fail "no desktop shortcut for every user"
user_folder="$drive_c/users/$(id -un)/Documents/ORVEX-selection"
[ -e "$user_folder" ] && fail "the installer made a folder in the installing user's profile"
uninstall_entry="$("$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ORVEX-selection' 2>/dev/null)"
for value in DisplayName DisplayVersion Publisher URLInfoAbout DisplayIcon InstallLocation UninstallString \
  QuietUninstallString EstimatedSize; do
  grep -qE "^\s+$value\s+REG_[A-Z_]+\s+\S" <<<"$uninstall_entry" || fail "the uninstall entry has no $value"
done
grep -qE 'EstimatedSize\s+REG_DWORD\s+0x0*[1-9a-f]' <<<"$uninstall_entry" || fail "the uninstall entry's size is 0"
echo "installed in $((SECONDS - started)) s, with every user's shortcuts and a complete uninstall entry"

cat >"$work/start-by-shortcut" <<SCRIPT
#!/bin/sh
exec "$wine" start /wait /unix "$shortcut"
SCRIPT
chmod +x "$work/start-by-shortcut"
started=$SECONDS
PROGRAM_FOLDER="$user_folder" bash "$here/scenario.sh" "$work/start-by-shortcut" "$work/windows" "$site"
"$wineserver" --kill || true
echo "Windows scenario took $((SECONDS - started)) s"
bash "$here/scenario.sh" "$linux_program" "$work/linux" "$site"

for file in orvex-selection.htm orvex-selection.png favicon.ico orvex-selection.ini VP-20-200.pdf; do
  cmp "$user_folder/$file" "$work/linux/$file" || fail "$file differs between Windows and Linux"
done
echo "the report page, its pictures, the contact details and the drawing are the same on Windows and on Linux"

# The console program: a batch of air coolers and condensers with Cyrillic names and a bad
# line, as JSON and as a table; the same bytes and the same exit status (1: a line failed).
for format in json table; do
  "$wine" "$installed/orvex-select.exe" batch "$(winepath -w "$here/duties.csv" 2>/dev/null)" --format "$format" \
    >"$work/batch-windows.$format" 2>"$work/batch-windows.err" && status=0 || status=$?
  "$linux_console" batch "$here/duties.csv" --format "$format" >"$work/batch-linux.$format" 2>/dev/null &&
    linux_status=0 || linux_status=$?
  [ "$status" = "$linux_status" ] || fail "orvex-select.exe ended with $status, the Linux one with $linux_status"
  cmp "$work/batch-windows.$format" "$work/batch-linux.$format" ||
    fail "orvex-select.exe's $format differs from the Linux one's"
done
echo "orvex-select.exe answers the batch as the Linux program does (exit status $status)"
bash "$here/console_check.sh" "$installed/orvex-select.exe" "$linux_console" "$work/console"
bash "$here/installer_running.sh" "$setup" "$work/start-by-shortcut" "$installed" "$work/running"
cmp "$user_folder/orvex-selection.ini" "$work/linux/orvex-selection.ini" || fail "the install over the program touched the user's files"

cat >"$work/text-fit-check" <<SCRIPT
#!/bin/sh
exec "$wine" "$text_fit_check" "\$@"
SCRIPT
chmod +x "$work/text-fit-check"
bash "$here/../onscreen/text_fit.sh" "$work/text-fit-check" "$work/text-fit" >"$work/text_fit.log" 2>&1 ||
  { cat "$work/text_fit.log"; fail "texts that do not fit their boxes in Windows' fonts"; }
grep 'texts that do not fit' "$work/text_fit.log"
"$wineserver" --wait

# The Windows a user of 150 % has: 144 dpi, and DejaVu Sans 9 pt as the message font, wider
# than Segoe UI.
set_wine_screen 144 "DejaVu Sans" 9
started=$SECONDS
PROGRAM_FOLDER="$user_folder" SCALE=1.5 bash "$here/../onscreen/keyboard_only.sh" "$work/start-by-shortcut" \
  "$work/keyboard-144dpi"
"$wineserver" --kill || true
"$wineserver" --wait
echo "the keyboard scenario at 144 dpi took $((SECONDS - started)) s"

"$wine" "$installed/uninstall.exe" /S >"$work/uninstall.log" 2>&1
"$wineserver" --wait
sleep 2  # the uninstaller finishes from a copy of itself
"$wineserver" --wait
[ -e "$installed/orvex-selection.exe" ] && fail "the uninstaller left the program"
[ -e "$installed/orvex-select.exe" ] && fail "the uninstaller left the console program"
[ -e "$shortcut" ] && fail "the uninstaller left the shortcut"
cmp "$user_folder/orvex-selection.ini" "$work/linux/orvex-selection.ini" || fail "the uninstaller touched the user's files"
echo "PASS: the Windows program installed, used and uninstalled under Wine"
