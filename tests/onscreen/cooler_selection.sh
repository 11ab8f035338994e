#!/usr/bin/env bash
# The real program: the air cooler window opens from the main window's left area, the form is
# filled with mouse and keyboard, "Подобрать" shows three rows, the chosen one light green
# between a default row and a light yellow one.
source "$(dirname "$0")/lib.sh" "$@"
start_screen
start_program

sleep_until_ms 5500
open_selection_window "Подбор воздухоохладителя" 200 400 opened

fill_cooler_form
select_and_check_rows
echo "PASS: air cooler selection shows the coloured rows"
