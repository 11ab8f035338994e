#!/usr/bin/env bash
# The real program: in both selection windows the list's closed columns open by dragging the
# header just right of the last open column's edge; the list then scrolls to the opened column,
# whose title and cells are read from the screenshot with OCR. The condenser list's long noise
# title is read whole on two header lines.
source "$(dirname "$0")/lib.sh" "$@"
start_screen

# The list's place in both windows' client areas, and the edge after its last open column
# (columns 0 to 7 of the air cooler list and 0 to 6 of the condenser list, 730 px in both).
list_x=30; list_y=325; list_width=740; list_height=85
edge=$(( list_x + 1 + 730 ))

read_text() { # shot x y w h: the text OCR reads in a region of the client area
  convert "$WORK/$1.png" -crop "$4x$5+$(( x + $2 ))+$(( top + $3 ))" +repage -scale 300% \
    -colorspace Gray "$WORK/ocr-$1.png"
  tesseract "$WORK/ocr-$1.png" - -l rus+eng --psm 6 2>/dev/null | tee "$WORK/ocr-$1.txt"
}

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
  import -window root "$WORK/$1.png"
  local attempt
  for attempt in $(seq 30); do
    cp "$WORK/$1.png" "$WORK/before_scroll.png"
    for _ in $(seq 10); do xdotool click 7; done
    sleep 0.5
    import -window root "$WORK/$1.png"
    list_unchanged "$WORK/before_scroll.png" "$WORK/$1.png" && break
  done
  log "screenshot $1.png after $attempt scroll steps"
}

start_program
sleep_until_ms 5500
open_selection_window "Подбор воздухоохладителя" 200 400 cooler_opened
fill_cooler_form
select_and_check_rows
open_closed_column cooler_column
text=$(read_text cooler_column $(( list_x + list_width - 180 )) "$list_y" 170 "$list_height")
grep -q "[Дд]иаметр" <<<"$text" || fail "the opened air cooler column's title is not read: $text"
[ "$(grep -cE '(^|[^0-9])[0-9]{3}([^0-9]|$)' <<<"$text")" -ge 2 ] ||
  fail "the opened air cooler column shows no fan diameters: $text"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true

start_program
sleep_until_ms 5500
open_selection_window "Подбор конденсатора" 600 400 condenser_opened
fill_condenser_form
select_and_check_rows
text=$(read_text selected $(( list_x + 1 + 580 )) "$list_y" 150 32)
grep -q "10 м" <<<"$text" && grep -q "(дБА)" <<<"$text" ||
  fail "the noise title is not read whole: $text"
open_closed_column condenser_column
text=$(read_text condenser_column $(( list_x + list_width - 180 )) "$list_y" 170 "$list_height")
grep -q "[Гг]абариты" <<<"$text" || fail "the opened condenser column's title is not read: $text"
# OCR may read an 8 as a B.
[ "$(grep -cE '[0-9B]{3,4} ?[xх] ?[0-9B]{3,4} ?[xх] ?[0-9B]{3}' <<<"$text")" -ge 2 ] ||
  fail "the opened condenser column shows no dimensions: $text"
echo "PASS: closed list columns open from the header edge and show their texts"
