#!/usr/bin/env bash
# A Windows program as it must reach its users, checked without running it: a GUI program of
# the expected machine (i386 for the 32-bit build, x86-64 for the 64-bit one), one file that
# imports only DLLs every Windows from 7 on has (no MinGW runtime DLL, no API sets of newer
# systems), and a header that lets Windows 7 load it.
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
awk -v v="$subsystem_version" 'BEGIN { exit !(v + 0 <= 6.1) }' ||
  fail "asks for Windows $subsystem_version, newer than Windows 7 (6.1)"
echo "PASS: $(basename "$exe"): $format $kind for $machine, $(stat -c %s "$exe") bytes, imports $(grep -c 'DLL Name' <<<"$headers") system DLLs"
