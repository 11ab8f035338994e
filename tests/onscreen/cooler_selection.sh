#!/usr/bin/env bash
# The real program: the air cooler window opens from the main window's left area, the form is
# filled with mouse and keyboard, "Подобрать" shows three rows, the chosen one light green
# between a default row and a light yellow one.
source "$(dirname "$0")/lib.sh" "$@"
start_screen
start_program

sleep_until_ms 5500
main=$(wait_window "ORVEX-selection 2")
screenshot main
read -r mx my < <(window_origin "$main")
menu_height=$(find_picture_offset main "$mx" "$my" "$PICTURES/main_background.png")
xdotool mousemove $(( mx + 200 )) $(( my + menu_height + 400 )) click 1

cooler=$(wait_window "Подбор воздухоохладителя")
read -r x y < <(window_origin "$cooler")
top=$(( y + $(wait_picture_offset opened $(( x + 562 )) "$y" "$PICTURES/logo_small.png") ))
log "air cooler window client area at $x,$top"

# Clicks the middle of a gadget given in window coordinates.
click_at() { xdotool mousemove $(( x + $1 )) $(( top + $2 )) click 1; sleep 0.3; }
# Chooses item n (from 1) of the drop-down list at the given place with the keyboard.
choose_item() {
  click_at "$1" "$2"
  sleep 0.3
  for _ in $(seq "$3"); do xdotool key Down; done
  xdotool key Return
  sleep 0.3
}

choose_item 400 50 1     # series: ORVEX VP
choose_item 140 50 4     # evaporating temperature: -10
choose_item 140 95 4     # temperature difference: 8
choose_item 140 275 1    # refrigerant: R404a/R507
click_at 140 230         # required capacity
xdotool type --delay 50 "0.5"
xdotool key Tab
sleep 0.3
screenshot filled
click_at 270 432         # Подобрать
sleep 0.8
screenshot selected

green=$(count_colour selected $(( x + 30 )) $(( top + 325 )) 740 85 204 255 153)
yellow=$(count_colour selected $(( x + 30 )) $(( top + 325 )) 740 85 255 255 153)
blue=$(count_colour selected $(( x + 30 )) $(( top + 325 )) 120 85 0 0 255)
log "list pixels: green $green, yellow $yellow, blue $blue"
[ "$green" -gt 3000 ] || fail "no light green chosen row"
[ "$yellow" -gt 3000 ] || fail "no light yellow larger-neighbour row"
[ "$blue" -gt 20 ] || fail "the chosen model's name is not blue"
echo "PASS: air cooler selection shows the coloured rows"
