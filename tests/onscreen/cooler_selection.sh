#!/usr/bin/env bash
# The real program: the air cooler window opens from the main window's left area, the form is
# filled with mouse and keyboard, "Подобрать" shows three rows, the chosen one light green
# between a default row and a light yellow one.
source "$(dirname "$0")/lib.sh" "$@"
start_screen
start_program

sleep_until_ms 5500
open_selection_window "Подбор воздухоохладителя" 200 400 opened

choose_item 400 50 1     # series: ORVEX VP
choose_item 140 50 4     # evaporating temperature: -10
choose_item 140 95 4     # temperature difference: 8
choose_item 140 275 1    # refrigerant: R404a/R507
click_at 140 230         # required capacity
xdotool type --delay 50 "0.5"
select_and_check_rows
echo "PASS: air cooler selection shows the coloured rows"
