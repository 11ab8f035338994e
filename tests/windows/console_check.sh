#!/usr/bin/env bash
# orvex-select.exe's output under Wine, in the prefix wine_check.sh made:
# - its writes, traced by Wine's relay log of WriteFile and WriteConsoleW: to a file it writes
#   the UTF-8 bytes in blocks of whole lines; to a console (a pseudo-terminal, which Wine turns
#   into one) it writes UTF-16 through WriteConsoleW, the Cyrillic titles whole, and never a
#   single character at a time;
# - a workbook with a Cyrillic name, made in a temporary folder with a Cyrillic name, holds the
#   same cells as the Linux program's.
# Usage: console_check.sh <installed orvex-select.exe> <Linux orvex-select> <work dir>
# (in the Wine prefix that WINEPREFIX names)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exe="$1" linux_console="$2" work="$3"
source "$here/wine.sh"
wine_for "$exe"
mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
duties="$(winepath -w "$here/duties.csv" 2>/dev/null)"

"$wine" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'KERNEL32.WriteFile;KERNEL32.WriteConsoleW;KERNELBASE.WriteFile;KERNELBASE.WriteConsoleW' /f \
  >>"$work/console.log" 2>&1
# The relay log's calls: the function and its third argument, the count of bytes or characters.
write_sizes() { # relay log, function
  sed -n "s/.*Call [A-Za-z0-9]*\.$2(\([0-9a-f]*\),\([0-9a-f]*\),\([0-9a-f]*\),.*/\3/p" "$1" | while read -r hex; do
    echo $((16#$hex))
  done
}

WINEDEBUG=+relay "$wine" "$exe" batch "$duties" >"$work/to-file.txt" 2>"$work/relay-file.log" || true
sizes=$(write_sizes "$work/relay-file.log" WriteFile)
[ -n "$sizes" ] || fail "no WriteFile traced for output to a file"
[ "$(sort -n <<<"$sizes" | head -n 1)" -gt 1 ] || fail "one-byte writes to a file: $(tr '\n' ' ' <<<"$sizes")"
cmp -s "$work/to-file.txt" <("$linux_console" batch "$here/duties.csv" 2>/dev/null) ||
  fail "the output to a file differs from the Linux program's"
echo "to a file: $(wc -l <<<"$sizes") WriteFile calls ($(tr '\n' ' ' <<<"$sizes")bytes)"

# A pseudo-terminal on standard output: Wine gives the program a console on it.
script -qfec "WINEDEBUG=+relay '$wine' '$exe' batch '$duties' 2>'$work/relay-console.log'" /dev/null \
  >"$work/console.txt" || true
sizes=$(write_sizes "$work/relay-console.log" WriteConsoleW)
[ -n "$sizes" ] || fail "no WriteConsoleW traced for output to a console"
[ "$(sort -n <<<"$sizes" | head -n 1)" -gt 1 ] || fail "one-character console writes: $(tr '\n' ' ' <<<"$sizes")"
grep -q "Морозильник 2, рампа" "$work/console.txt" || fail "the console does not show the Cyrillic names"
echo "to a console: $(wc -l <<<"$sizes") WriteConsoleW calls ($(tr '\n' ' ' <<<"$sizes")characters)"
"$wine" reg delete 'HKCU\Software\Wine\Debug' /v RelayInclude /f >>"$work/console.log" 2>&1

# A workbook: its temporary folder and its own name Cyrillic.
mkdir -p "$WINEPREFIX/drive_c/Временные"
TEMP='C:\Временные' TMP='C:\Временные' "$wine" "$exe" batch "$duties" --format xlsx \
  --output 'C:\Подбор.xlsx' >"$work/xlsx.log" 2>&1 || true
"$linux_console" batch "$here/duties.csv" --format xlsx --output "$work/linux.xlsx" 2>/dev/null || true
/usr/bin/python3 - "$WINEPREFIX/drive_c/Подбор.xlsx" "$work/linux.xlsx" <<'PYTHON' || fail "the workbooks differ"
import sys
import openpyxl
windows, linux = (openpyxl.load_workbook(path).active for path in sys.argv[1:])
def cells(sheet):
    return [[(c.value, c.data_type, c.number_format) for c in row] for row in sheet.iter_rows()]
if cells(windows) != cells(linux):
    print("Windows:", cells(windows), "\nLinux:", cells(linux))
    sys.exit(1)
print(f"the workbook's {windows.max_row} rows hold the same cells as the Linux program's")
PYTHON
[ -z "$(ls -A "$WINEPREFIX/drive_c/Временные")" ] || fail "temporary files left: $(ls "$WINEPREFIX/drive_c/Временные")"
echo "PASS: orvex-select.exe writes whole lines, UTF-16 to a console, and the Linux program's workbook"
