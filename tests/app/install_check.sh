#!/usr/bin/env bash
# `cmake --install` of the Linux program into a scratch prefix: the program, the launcher on
# the PATH, the menu entry and the icon. The launcher, run with a fresh home folder and no
# display, creates ~/ORVEX-selection and reaches the program (which then ends at once, saying
# it has no display). The console program is on the PATH too.
# Usage: install_check.sh <build folder> <work dir>
set -euo pipefail
build="$1"
work="$2"
rm -rf "$work" && mkdir -p "$work/home"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
for file in bin/orvex-selection bin/orvex-select libexec/orvex-selection/orvex-selection \
  share/applications/orvex-selection.desktop share/icons/hicolor/scalable/apps/orvex-selection.svg; do
  [ -f "$work/prefix/$file" ] || fail "not installed: $file"
done
[ -x "$work/prefix/bin/orvex-selection" ] || fail "the launcher is not executable"
grep -qx 'Exec=orvex-selection' "$work/prefix/share/applications/orvex-selection.desktop" ||
  fail "the menu entry does not start the launcher"
grep -qx 'Icon=orvex-selection' "$work/prefix/share/applications/orvex-selection.desktop" ||
  fail "the menu entry names another icon"

output=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" "$work/prefix/bin/orvex-selection" 2>&1) ||
  fail "the launcher failed: $output"
[ -d "$work/home/ORVEX-selection" ] || fail "the launcher made no ~/ORVEX-selection"
grep -q 'no display' <<<"$output" || fail "the launcher did not reach the program: $output"
[ "$("$work/prefix/bin/orvex-select" --version)" = "2.2.0" ] || fail "the console program does not answer"
echo "PASS: installed program, console program, launcher, menu entry and icon"
