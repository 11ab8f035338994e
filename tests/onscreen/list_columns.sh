#!/usr/bin/env bash
# The real program: in both selection windows the list's closed columns open by dragging the
# header just right of the last open column's edge; the list then scrolls to the opened column,
# whose title and cells are read from the screenshot with OCR. The condenser list's long noise
# title is read whole on two header lines.
source "$(dirname "$0")/lib.sh" "$@"
start_screen

read_text() { # shot x y w h: the text OCR reads in a region of the client area
  convert "$WORK/$1.png" -crop "$4x$5+$(( x + $2 ))+$(( top + $3 ))" +repage -scale 300% \
    -colorspace Gray "$WORK/ocr-$1.png"
  tesseract "$WORK/ocr-$1.png" - -l rus+eng --psm 6 2>/dev/null | tee "$WORK/ocr-$1.txt"
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

start_with_condenser_selection
text=$(read_text selected $(( list_x + 1 + 580 )) "$list_y" 150 32)
title=$(tr '\n' ' ' <<<"$text")  # its two header lines as one; OCR may read the д of дБА as Д
grep -q "10 м" <<<"$title" && grep -qE "\\((д|Д)БА\\)" <<<"$title" ||
  fail "the noise title is not read whole: $text"
open_closed_column condenser_column
text=$(read_text condenser_column $(( list_x + list_width - 180 )) "$list_y" 170 "$list_height")
grep -q "[Гг]абариты" <<<"$text" || fail "the opened condenser column's title is not read: $text"
# OCR may read an 8 as a B and a 0 as an O, Latin or Cyrillic.
digit='([0-9BO]|В|О)'
[ "$(grep -cE "$digit{3,4} ?(x|х) ?$digit{3,4} ?(x|х) ?$digit{3}" <<<"$text")" -ge 2 ] ||
  fail "the opened condenser column shows no dimensions: $text"
echo "PASS: closed list columns open from the header edge and show their texts"
