#!/usr/bin/env bash
# The program's own memory: on one virtual screen (Xvfb with openbox), in one run, the resident
# memory (RSS) of an empty wx frame with a menu built from the same wxWidgets, and of the
# program once its main window is up and the splash has gone. What the program takes beyond the
# empty frame is its own share. MB here are 2^20 bytes, as top and ps count them.
# Usage: bench/own_memory.sh PROGRAM [REFERENCE]
#   REFERENCE defaults to bench/orvex_empty_frame of the build tree PROGRAM belongs to;
#   cmake --build build --target own_memory builds both and runs this.
BENCH="$(cd "$(dirname "$0")" && pwd)"
program="${1:?usage: own_memory.sh PROGRAM [REFERENCE]}"
reference="$(realpath "${2:-$(dirname "$program")/../bench/orvex_empty_frame}")"
[ -x "$reference" ] || { echo "no reference program $reference (build the target orvex_empty_frame)" >&2; exit 1; }
source "$BENCH/../tests/onscreen/lib.sh" "$program" "$(mktemp -d /tmp/own_memory.XXXXXX)"

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# Waits until a process's RSS holds still (two readings half a second apart within 64 kB, as
# painting and freeing after start-up settle); prints it in kB.
settled_rss_kb() {
  local before now
  before=$(rss_kb "$1")
  for _ in $(seq 20); do
    sleep 0.5
    now=$(rss_kb "$1")
    [ $(( now > before ? now - before : before - now )) -le 64 ] && break
    before=$now
  done
  echo "$now"
}

# The window list of a process: the splash is a borderless window of its own; it is gone when
# the program's only visible top-level window is the main window.
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }

megabytes() { awk "BEGIN { printf \"%.1f\", $1 / 1024 }"; }

start_screen
(cd "$WORK" && exec "$reference" >"$WORK/reference.log" 2>&1) &
REFERENCE_PID=$!
trap 'kill "$REFERENCE_PID" 2>/dev/null || true; stop_all; rm -rf "$WORK"' EXIT
start_program

wait_window "empty frame" >/dev/null
# The main window shows just over five seconds after the splash.
sleep_until_ms 5000
main=$(wait_window "ORVEX-selection 2")
for _ in $(seq 50); do [ "$(visible_windows "$APP_PID")" -le 1 ] && break; sleep 0.1; done
[ "$(visible_windows "$APP_PID")" -le 1 ] || fail "the splash is still shown beside the main window"
read -r x y < <(window_origin "$main")
wait_for_picture main_window "$x" "$y" "$PICTURES/main_background.png" >/dev/null
log "main window painted at $(elapsed_ms) ms"

program_kb=$(settled_rss_kb "$APP_PID")
reference_kb=$(settled_rss_kb "$REFERENCE_PID")
echo "empty wx frame with a menu: $(megabytes "$reference_kb") MB"
echo "program at its main window: $(megabytes "$program_kb") MB"
echo "own share: $(megabytes $(( program_kb - reference_kb ))) MB"
