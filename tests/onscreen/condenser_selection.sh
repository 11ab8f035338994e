#!/usr/bin/env bash
# The real program: the condenser window opens from the main window's right area, the form is
# filled with mouse and keyboard (the fan options included), "Подобрать" shows three rows, the
# chosen one light green between a default row and a light yellow one.
source "$(dirname "$0")/lib.sh" "$@"
start_screen
start_program

sleep_until_ms 5500
open_selection_window "Подбор конденсатора" 600 400 opened

choose_item 400 50 1     # series: ORVEX KD-500
choose_item 140 50 11    # ambient temperature: 30
choose_item 140 95 3     # temperature difference: 10
choose_item 140 275 1    # refrigerant: R404a/R507
click_at 140 230         # required heat rejection
xdotool type --delay 50 "10"
click_at 600 180         # 8-pole fans: not wanted
click_at 600 95          # noise limit
xdotool type --delay 50 "60"
select_and_check_rows
echo "PASS: condenser selection shows the coloured rows"
