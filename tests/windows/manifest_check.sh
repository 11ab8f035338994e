#!/usr/bin/env bash
# The manifest a Windows program carries, read from the file: its own identity and the common
# controls for the program's processor, awareness of each monitor's DPI (so that Windows does
# not stretch it into a blur), the rights of the user who starts it, and Windows 7 to 11.
# Usage: manifest_check.sh <program.exe> amd64|x86
set -euo pipefail
exe="$1"
architecture="$2"
fail() { echo "FAIL: $(basename "$exe")'s manifest: $*" >&2; exit 1; }

manifest="$(strings -n 4 "$exe" | sed -n '/<assembly /,/<\/assembly>/p')"
[ -n "$manifest" ] || fail "none found"
[ "$(grep -c 'assemblyIdentity' <<<"$manifest")" -eq 2 ] || fail "not one identity and one dependency"
[ "$(grep -c "processorArchitecture=\"$architecture\"" <<<"$manifest")" -eq 2 ] ||
  fail "the identity or the common controls are not for $architecture"
grep -q '<dpiAwareness[^>]*>PerMonitorV2' <<<"$manifest" || fail "no per-monitor DPI awareness (v2)"
grep -q '<dpiAware[^>]*>true/pm<' <<<"$manifest" || fail "no per-monitor fallback for Windows 8.1"
grep -q 'level="asInvoker"' <<<"$manifest" || fail "asks for other rights than the user's"
for windows in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  grep -q "supportedOS Id=\"{$windows}\"" <<<"$manifest" || fail "does not name Windows {$windows}"
done
echo "PASS: $(basename "$exe") declares per-monitor DPI awareness on $architecture, Windows 7 to 11"
