# Shared steps of the on-screen scenarios: a virtual screen with a light window manager, the
# real program started in a scratch directory, screenshots, and checks of what they show.
# Usage: source lib.sh <program> <work dir>

set -euo pipefail
PROGRAM="$(realpath "$1")"
WORK="$2"
PICTURES="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../resources/pictures" && pwd)"
rm -rf "$WORK" && mkdir -p "$WORK"

fail() { echo "FAIL: $*" >&2; exit 1; }
log() { echo "[$(date +%T.%N | cut -c1-12)] $*"; }

start_screen() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
  done
  export DISPLAY=":$n"
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
  openbox >"$WORK/openbox.log" 2>&1 &
  WM_PID=$!
  sleep 0.5
  trap stop_all EXIT
}

stop_all() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  check_sanitizer_reports
}

# In a sanitizer build the program writes its reports (memory errors, undefined behaviour,
# leaks at exit) to its log: any report fails the scenario and is shown.
check_sanitizer_reports() {
  local program_log="$WORK/program.log"
  [ -f "$program_log" ] || return 0
  if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$program_log"; then
    cat "$program_log" >&2
    fail "sanitizer report in $program_log"
  fi
}

# Puts a stand-in xdg-open first on the PATH that only notes what it is given in
# $WORK/opened.txt, so that no page or drawing opens a real browser or viewer.
note_opened_files() {
  mkdir -p "$WORK/bin"
  printf '#!/bin/sh\necho "$*" >>"%s/opened.txt"\n' "$WORK" >"$WORK/bin/xdg-open"
  chmod +x "$WORK/bin/xdg-open"
  export PATH="$WORK/bin:$PATH"
}

start_program() {
  (cd "$WORK" && exec "$PROGRAM" >"$WORK/program.log" 2>&1) &
  APP_PID=$!
  APP_START=$(date +%s%N)
}

# Milliseconds since the program was started.
elapsed_ms() { echo $(( ($(date +%s%N) - APP_START) / 1000000 )); }

sleep_until_ms() {
  local wait_ms=$(( $1 - $(elapsed_ms) ))
  [ "$wait_ms" -gt 0 ] && sleep "$(awk "BEGIN { print $wait_ms / 1000 }")"
  return 0
}

screenshot() { import -window root "$WORK/$1.png"; log "screenshot $1.png"; }

# Waits up to the given tenths of a second (default 100) for a window whose title matches;
# prints its id, or returns 1 when none came.
find_window() { # title [tenths]
  local id=""
  for _ in $(seq "${2:-100}"); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits for a window whose title matches; prints its id.
wait_window() { find_window "$1" || fail "no window '$1'"; }

# Prints "x y" of a window's top-left corner on the screen (inside the manager's frame).
window_origin() {
  xwininfo -id "$1" | awk -F: '/Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2} END{print x+0, y+0}'
}

# Normalised root-mean-square difference between a region of a screenshot and a picture
# (0 = identical, 1 = opposite).
region_difference() { # shot x y picture
  local w h
  read -r w h < <(identify -format '%w %h' "$4")
  convert "$WORK/$1.png" -crop "${w}x${h}+$2+$3" +repage "$WORK/crop.png"
  { compare -metric RMSE "$WORK/crop.png" "$4" null: 2>&1 || true; } | sed 's/.*(\(.*\))/\1/'
}

# How far below a window's origin a picture starts (the menu bar height), trying 0 to 80
# pixels; prints the offset, or returns 1 when the picture is not there.
picture_offset() { # shot x y picture
  local dy d
  for dy in $(seq 0 80); do
    d=$(region_difference "$1" "$2" $(( $3 + dy )) "$4")
    if awk "BEGIN { exit !($d < 0.08) }"; then echo "$dy"; return 0; fi
  done
  return 1
}

# Takes screenshots until a window has painted a picture below its origin (a busy machine may
# take a while, and a picture is decoded when a window first shows it); prints the offset.
wait_for_picture() { # shot x y picture
  local offset
  for _ in $(seq 40); do
    import -window root "$WORK/$1.png"
    if offset=$(picture_offset "$@"); then log "screenshot $1.png" >&2; echo "$offset"; return 0; fi
    sleep 0.25
  done
  fail "picture $(basename "$4") never painted below $2,$3"
}

# Waits for the splash picture, centred on the screen (up to 40 s: a program under Wine takes a
# while to come up).
wait_for_splash() {
  local attempt d
  for attempt in $(seq 200); do
    import -window root "$WORK/splash.png"
    d=$(region_difference splash $(( (1280 - 455) / 2 )) $(( (1024 - 297) / 2 )) "$PICTURES/splash.png")
    awk "BEGIN { exit !($d < 0.08) }" && break
    [ "$attempt" -eq 200 ] && fail "the splash picture never showed (difference $d)"
    sleep 0.2
  done
  log "splash on screen (difference $d)"
}

# Clicks the middle of a gadget given in the coordinates of a window's client area at $x, $top.
click_at() { xdotool mousemove $(( x + $1 )) $(( top + $2 )) click 1; sleep 0.3; }

# Chooses item n (from 1) of the drop-down list at the given place with the keyboard.
choose_item() {
  click_at "$1" "$2"
  sleep 0.3
  for _ in $(seq "$3"); do xdotool key Down; done
  xdotool key Return
  sleep 0.3
}

# Opens a selection window from the main window's picture area at the given client point and
# sets x, top to its client area, once it has painted its small logo.
open_selection_window() { # title area_x area_y shot
  local main mx my menu_height window y
  main=$(wait_window "ORVEX-selection 2")
  read -r mx my < <(window_origin "$main")
  menu_height=$(wait_for_picture main "$mx" "$my" "$PICTURES/main_background.png")
  xdotool mousemove $(( mx + $2 )) $(( my + menu_height + $3 )) click 1
  window=$(wait_window "$1")
  read -r x y < <(window_origin "$window")
  top=$(( y + $(wait_for_picture "$4" $(( x + 562 )) "$y" "$PICTURES/logo_small.png") ))
  SELECTION_WINDOW="$window"
  log "'$1' client area at $x,$top"
}

# Fills the open selection window's form with a duty that has a result: the air cooler one
# (ORVEX VP, -10 °C, 8 K, R404a/R507, 0.5 kW) or the condenser one (ORVEX KD-500, 30 °C,
# 10 K, R404a/R507, 10 kW).
fill_cooler_form() {
  choose_item 400 50 1     # series: ORVEX VP
  choose_item 140 50 4     # evaporating temperature: -10
  choose_item 140 95 4     # temperature difference: 8
  choose_item 140 275 1    # refrigerant: R404a/R507
  click_at 140 230         # required capacity
  xdotool type --delay 50 "0.5"
}

fill_condenser_form() {
  choose_item 400 50 1     # series: ORVEX KD-500
  choose_item 140 50 11    # ambient temperature: 30
  choose_item 140 95 3     # temperature difference: 10
  choose_item 140 275 1    # refrigerant: R404a/R507
  click_at 140 230         # required heat rejection
  xdotool type --delay 50 "10"
}

# Leaves the last field with Tab, presses "Подобрать" and checks that the result list shows
# the chosen row light green with the model name blue, and the larger neighbour light yellow.
select_and_check_rows() {
  xdotool key Tab
  sleep 0.3
  screenshot filled
  click_at 270 432
  sleep 0.8
  screenshot selected
  check_coloured_rows selected
}

check_coloured_rows() { # shot
  local green yellow blue
  green=$(count_colour "$1" $(( x + 30 )) $(( top + 325 )) 740 85 204 255 153)
  yellow=$(count_colour "$1" $(( x + 30 )) $(( top + 325 )) 740 85 255 255 153)
  blue=$(count_colour "$1" $(( x + 30 )) $(( top + 325 )) 120 85 0 0 255)
  log "list pixels: green $green, yellow $yellow, blue $blue"
  [ "$green" -gt 3000 ] || fail "no light green chosen row"
  [ "$yellow" -gt 3000 ] || fail "no light yellow larger-neighbour row"
  [ "$blue" -gt 10 ] || fail "the chosen model's name is not blue"
}

# Starts the program anew and makes the condenser selection in its window.
start_with_condenser_selection() {
  start_program
  sleep_until_ms 5500
  open_selection_window "Подбор конденсатора" 600 400 condenser_opened
  fill_condenser_form
  select_and_check_rows
}

# Counts the pixels of one colour (R,G,B, within 10 % for anti-aliased text) in a region of a
# screenshot.
count_colour() { # shot x y w h r g b
  convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage -fuzz 10% -fill black +opaque "rgb($6,$7,$8)" \
    -fill white -opaque "rgb($6,$7,$8)" -format '%[fx:round(mean*w*h)]' info:
}

# The list's place in both windows' client areas, and the edge after its last open column
# (columns 0 to 7 of the air cooler list and 0 to 6 of the condenser list, 730 px in both).
list_x=30; list_y=325; list_width=740; list_height=85
edge=$(( list_x + 1 + 730 ))

list_unchanged() { # picture picture
  local region="${list_width}x${list_height}+$(( x + list_x ))+$(( top + list_y ))" a b
  a=$(convert "$1" -crop "$region" +repage ppm:- | md5sum)
  b=$(convert "$2" -crop "$region" +repage ppm:- | md5sum)
  [ "$a" = "$b" ]
}

# Drags from just right of the edge 150 px further, then scrolls the list to its right end.
open_closed_column() { # shot
  local y=$(( top + list_y + 12 )) d
  xdotool mousemove $(( x + edge + 3 )) "$y"
  sleep 0.3
  xdotool mousedown 1
  for d in $(seq 10 10 150); do xdotool mousemove $(( x + edge + 3 + d )) "$y"; sleep 0.05; done
  xdotool mouseup 1
  sleep 0.3
  # Scrolls right a few steps at a time until the list stops moving (a slow build may take a
  # while over each step).
  xdotool mousemove $(( x + list_x + 300 )) $(( top + list_y + 50 ))
  settled_list_shot "$1"
  local attempt
  for attempt in $(seq 30); do
    cp "$WORK/$1.png" "$WORK/before_scroll.png"
    for _ in $(seq 20); do xdotool click 7; done
    settled_list_shot "$1"
    list_unchanged "$WORK/before_scroll.png" "$WORK/$1.png" && break
  done
  log "screenshot $1.png after $attempt scroll steps"
}

# Takes screenshots a moment apart until a region looks the same in two of them: a slow build
# (the sanitizers') or Wine may still be working through the keys and clicks given or painting
# when the first is taken.
settled_shot() { # shot x y w h
  local previous="$WORK/settling.png" region="$4x$5+$2+$3" a b
  sleep 0.3
  import -window root "$WORK/$1.png"
  for _ in $(seq 30); do
    cp "$WORK/$1.png" "$previous"
    sleep 0.3
    import -window root "$WORK/$1.png"
    a=$(convert "$previous" -crop "$region" +repage ppm:- | md5sum)
    b=$(convert "$WORK/$1.png" -crop "$region" +repage ppm:- | md5sum)
    [ "$a" = "$b" ] && return 0
  done
}

settled_list_shot() { # shot
  settled_shot "$1" $(( x + list_x )) $(( top + list_y )) "$list_width" "$list_height"
}
