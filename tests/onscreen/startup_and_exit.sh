#!/usr/bin/env bash
# The real program: the splash shows soon after start, the main window with its picture five
# seconds later; "Программа" -> "Выйти" -> Yes ends the process with exit code 0.
source "$(dirname "$0")/lib.sh" "$@"
start_screen
start_program

# The splash: borderless, centred on the 1280 x 1024 screen. It shows after the catalog has
# loaded, which a sanitizer build or a busy machine makes slower: look for it from 1 s on.
# Whether the main window was up is asked before each screenshot, so a screenshot that comes
# late on a busy machine cannot make the splash look as if it came with the main window.
sleep_until_ms 1000
for _ in $(seq 30); do
  main_up=no
  xdotool search --onlyvisible --name "ORVEX-selection 2" >/dev/null 2>&1 && main_up=yes
  screenshot splash
  d=$(region_difference splash $(( (1280 - 455) / 2 )) $(( (1024 - 297) / 2 )) "$PICTURES/splash.png")
  awk "BEGIN { exit !($d < 0.08) }" && break
  sleep 0.1
done
log "splash difference $d at $(elapsed_ms) ms"
awk "BEGIN { exit !($d < 0.08) }" || fail "the splash picture never showed"
[ "$main_up" = no ] || fail "main window shown before the splash"

# The main window with its background picture.
sleep_until_ms 7000
main=$(wait_window "ORVEX-selection 2")
read -r x y < <(window_origin "$main")
menu_height=$(wait_for_picture main "$x" "$y" "$PICTURES/main_background.png")
log "main window at $x,$y; picture $menu_height px below its top"

# Программа -> Выйти, then Yes.
xdotool mousemove $(( x + 30 )) $(( y + menu_height / 2 )) click 1
sleep 0.7
screenshot menu
xdotool key Down Return
sleep 1
screenshot question
xdotool key Return
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end after Yes"
wait "$APP_PID" && code=0 || code=$?
APP_PID=""
[ "$code" -eq 0 ] || fail "exit code $code"
echo "PASS: splash, main window and exit with code 0"
