#!/usr/bin/env bash
# A Windows program as it must reach its users, checked without running it: a GUI program of
# the expected machine (i386 for the 32-bit build, x86-64 for the 64-bit one), one file that
# imports only DLLs every Windows from 7 on has (no MinGW runtime DLL, no API sets of newer
# systems), a header that names Windows 7 (6.1) as the oldest system, so that Windows 7 loads
# it and older ones refuse it clearly, version information for Explorer's Details (the
# product's version, the maker, its own file name) and an icon at 16, 24, 32, 48 and 256 px.
# Usage: pe_check.sh <program.exe> i386|x86-64 [console]
set -euo pipefail
exe="$1"
machine="$2"
subsystem="${3:-gui}"
fail() { echo "FAIL: $(basename "$exe"): $*" >&2; exit 1; }

case "$machine" in
  i386) format='PE32 executable' file_machine='Intel 80386' objdump=i686-w64-mingw32-objdump ;;
  x86-64) format='PE32+ executable' file_machine='x86-64' objdump=x86_64-w64-mingw32-objdump ;;
  *) fail "unknown machine $machine" ;;
esac
[ "$subsystem" = gui ] && kind='(GUI)' || kind='(console)'
description="$(file -b "$exe")"
[[ "$description" == "$format $kind $file_machine"* ]] || fail "is '$description', not a $format $kind for $machine"

system_dlls=(advapi32.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll gdi32.dll kernel32.dll
  msvcrt.dll ole32.dll oleacc.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll
  version.dll winhttp.dll ws2_32.dll winspool.drv imm32.dll rpcrt4.dll winmm.dll secur32.dll)
headers="$("$objdump" -p "$exe")"
while read -r dll; do
  printf '%s\n' "${system_dlls[@]}" | grep -qixF "$dll" || fail "imports $dll, which is not a DLL of every Windows"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")

subsystem_version="$(awk '/MajorSubsystemVersion/ {major=$2} /MinorSubsystemVersion/ {minor=$2} END {print major "." minor}' <<<"$headers")"
[ "$subsystem_version" = 6.1 ] || fail "asks for Windows $subsystem_version, not Windows 7 (6.1)"

version="$(sed -n 's/^project(orvex_selection VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")"
# The version information's texts, "Name=value" a line.
version_texts="$(wrestool -x --raw --type=16 "$exe" | python3 -c '
import sys
names = ("CompanyName", "FileDescription", "FileVersion", "ProductName", "ProductVersion", "LegalCopyright",
         "OriginalFilename")
fields = [f for f in sys.stdin.buffer.read().decode("utf-16-le", errors="replace").split("\0") if f]
for field, value in zip(fields, fields[1:]):
    # A name follows the binary lengths of its entry.
    name = next((n for n in names if field.endswith(n)), None)
    if name: print(name + "=" + value)')"
for expected in "CompanyName=ORVEX" "ProductName=ORVEX-selection" "FileVersion=$version" "ProductVersion=$version" \
  "OriginalFilename=$(basename "$exe")"; do
  grep -qxF "$expected" <<<"$version_texts" || fail "no $expected in its version information: $version_texts"
done
grep -q '^FileDescription=..' <<<"$version_texts" || fail "no description in its version information"
grep -q '^LegalCopyright=..' <<<"$version_texts" || fail "no copyright in its version information"

wrestool -x --type=14 "$exe" >"${TMPDIR:-/tmp}/pe_check_icon.$$.ico" 2>/dev/null || true
sizes="$(icotool -l "${TMPDIR:-/tmp}/pe_check_icon.$$.ico" 2>/dev/null | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | tr '\n' ' ')"
rm -f "${TMPDIR:-/tmp}/pe_check_icon.$$.ico"
[ "$sizes" = "16 24 32 48 256 " ] || fail "its icon has images of ${sizes:-no} px, not 16, 24, 32, 48 and 256"
echo "PASS: $(basename "$exe"): $format $kind for $machine for Windows 6.1 on, $(stat -c %s "$exe") bytes, imports $(grep -c 'DLL Name' <<<"$headers") system DLLs, version $version, icon of ${sizes% } px"
