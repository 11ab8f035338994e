#!/usr/bin/env bash
# The real program and its keyboard: Tab walks the air cooler form column by column, as it is
# laid out, after the series; in the user information window Tab goes down the fields, Enter typed in a field
# saves them as "Ok" does and closes the window, Escape closes it unsaved; Escape closes the
# About window.
source "$(dirname "$0")/lib.sh" "$@"
start_screen
start_program

sleep_until_ms 5500
open_selection_window "Подбор воздухоохладителя" 200 400 opened

# The focus is where a gadget's place (grown by the focus ring) changed from one Tab to the next.
crop_place() { # shot gadget_x gadget_y w h
  convert "$WORK/$1.png" -crop "$(( $4 + 6 ))x$(( $5 + 6 ))+$(( x + $2 - 3 ))+$(( top + $3 - 3 ))" +repage "$WORK/place_$1.png"
}
place_changed() { # before after x y w h
  crop_place "$1" "$3" "$4" "$5" "$6"; crop_place "$2" "$3" "$4" "$5" "$6"
  [ "$(compare -metric AE "$WORK/place_$1.png" "$WORK/place_$2.png" null: 2>&1)" != "0" ]
}

# From the required capacity field on: the refrigerant below it, the clear button at the top
# of the right column (the series came first, and the room temperature field is disabled) and
# the limits under it, then the list and "Подобрать".
click_at 140 230
sleep 0.3
screenshot tab0
steps=("refrigerant 25 265 230 20" "clear-button 669 10 106 25"
       "min-air-throw 545 85 230 20" "max-width 545 130 230 20" "max-length 545 175 230 20"
       "project 545 220 230 20" "contact-person 545 265 230 20" "result-list 30 325 740 85"
       "select-button 210 420 120 25")
previous=tab0
for i in "${!steps[@]}"; do
  read -r name gx gy gw gh <<<"${steps[$i]}"
  xdotool key Tab
  sleep 0.4
  screenshot "tab$(( i + 1 ))"
  if [ "$name" = result-list ]; then
    # An empty list shows no focus: the Tab that reaches it leaves "Подобрать" as it was.
    ! place_changed "$previous" "tab$(( i + 1 ))" 210 420 120 25 ||
      fail "Tab $(( i + 1 )) passed the result list by (tab$(( i + 1 )).png)"
  else
    place_changed "$previous" "tab$(( i + 1 ))" "$gx" "$gy" "$gw" "$gh" ||
      fail "Tab $(( i + 1 )) did not reach the $name (tab$(( i + 1 )).png)"
  fi
  log "Tab $(( i + 1 )): $name"
  previous="tab$(( i + 1 ))"
done

# Параметры -> Информация о пользователе: a letter per field with Tab between, then Enter.
open_user_info() {
  xdotool key F10; sleep 0.4
  xdotool key Right; sleep 0.4
  xdotool key Down Return
  wait_window "Информация о пользователе" >/dev/null
  sleep 0.8
}
window_gone() {
  for _ in $(seq 30); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done
  return 1
}
open_user_info
for letter in a b c d; do xdotool type "$letter"; xdotool key Tab; sleep 0.2; done
xdotool type e
screenshot user_info_typed
xdotool key Return
window_gone "Информация о пользователе" || fail "Enter did not close the user information window"
[ -f "$WORK/orvex-selection.ini" ] || fail "Enter did not save orvex-selection.ini"
saved="$(iconv -f CP1251 -t UTF-8 "$WORK/orvex-selection.ini" | tr -d '\r')"
expected="$(printf '[Информация о пользователе]\nКомпания = a\nАдрес = b\nТелефон/факс = c\nE-mail = d\nМенеджер = e')"
[ "$saved" = "$expected" ] || fail "orvex-selection.ini after Enter: $saved"
log "Enter saved the fields in layout order"

open_user_info
xdotool type "Z"
xdotool key Escape
window_gone "Информация о пользователе" || fail "Escape did not close the user information window"
[ "$(iconv -f CP1251 -t UTF-8 "$WORK/orvex-selection.ini" | tr -d '\r')" = "$expected" ] ||
  fail "Escape changed orvex-selection.ini"

# Справка -> О программе, closed with Escape.
xdotool key F10; sleep 0.4
xdotool key Right Right Right; sleep 0.4
xdotool key Down Return
wait_window "О программе" >/dev/null
sleep 0.8
screenshot about
xdotool key Escape
window_gone "О программе" || fail "Escape did not close the About window"
screenshot closed
echo "PASS: Tab follows the layout, Enter saves and Escape cancels in the dialogs"
