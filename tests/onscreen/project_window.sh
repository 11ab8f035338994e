#!/usr/bin/env bash
# A project made on screen: an air cooler and a condenser selection, each added from its
# window's "Проект" menu to the project window; the condenser's quantity edited to 3; the
# project's report written; the project saved in the save dialog, its window closed and the
# file opened again in the open dialog. The report written then must be the very bytes that
# orvex-select report project writes from the saved file (ORVEX_SELECT names that program),
# and its Excel workbook, read by openpyxl, holds the positions and the totals' formulas.
# Usage: project_window.sh <program> <work dir>
source "$(dirname "$0")/lib.sh" "$@"
note_opened_files
start_screen
start_program
wait_for_splash

# The selection window's "Проект" menu, third in its menu bar, from the keyboard: F10 opens the
# bar, its first item is "Добавить в проект", its second "Открыть окно проекта"; either brings
# the project window to the front. A key pressed while the desktop is still handing over the
# keyboard can be lost on a busy machine: the menu is tried again until the project window is
# the active one.
active_name() { xdotool getwindowname "$(xdotool getactivewindow 2>/dev/null)" 2>/dev/null || true; }
project_menu() { # item (1 or 2)
  for _ in 1 2 3; do
    xdotool windowactivate --sync "$SELECTION_WINDOW" 2>/dev/null || true
    sleep 0.5
    xdotool key F10; sleep 0.3
    xdotool key Right; sleep 0.2
    xdotool key Right; sleep 0.2
    for _ in $(seq "$1"); do xdotool key Down; sleep 0.2; done
    xdotool key Return
    for _ in $(seq 30); do [ "$(active_name)" = "Проект ORVEX-selection" ] && return 0; sleep 0.2; done
    log "the menu item $1 brought no project window; again"
    xdotool key Escape Escape
  done
  fail "the selection window's menu \"Проект\" did not bring the project window"
}
# The project window's client area: px, py once it has painted (its list's header is dark text
# on the window's background).
find_project_window() {
  project=$(wait_window "Проект ORVEX-selection")
  read -r px py < <(window_origin "$project")
  log "project window at $px,$py"
}
project_click() { xdotool mousemove $(( px + $1 )) $(( py + $2 )) click 1; sleep 0.4; }
# Waits for a file the program writes (10 s at most).
wait_file() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done; fail "no file $1"; }

open_selection_window "Подбор воздухоохладителя" 200 400 cooler_opened
fill_cooler_form
select_and_check_rows
click_at 200 376          # the chosen (second) row
project_menu 1
find_project_window
screenshot project_one

main=$(wait_window "ORVEX-selection 2")
window=""
for _ in 1 2 3; do  # Окна -> Конденсатор, again when a key was lost
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  sleep 0.5
  xdotool key alt+Cyrillic_o; sleep 0.3; xdotool key Cyrillic_ka
  window=$(find_window "Подбор конденсатора" 80) && break
  log "Alt+О, К opened no window; again"
  xdotool key Escape Escape
done
[ -n "$window" ] || fail "no window 'Подбор конденсатора' after Alt+О, К"
read -r x y < <(window_origin "$window")
top=$(( y + $(wait_for_picture condenser_opened $(( x + 562 )) "$y" "$PICTURES/logo_small.png") ))
SELECTION_WINDOW="$window"
fill_condenser_form
select_and_check_rows
click_at 200 376
project_menu 1
xdotool windowactivate --sync "$project"; sleep 0.5
screenshot project_two

project_click 300 70      # the second position
project_click 410 299     # its quantity
xdotool key ctrl+a; xdotool type --delay 50 "3"; xdotool key Tab; sleep 0.5
screenshot quantity
project_click 487 357     # "Отчет по проекту"
wait_file "$WORK/orvex-selection-project.htm"
grep -q 'orvex-selection-project.htm' "$WORK/opened.txt" || fail "the project's report was not opened"

project_click 747 357     # "Сохранить": a new project is named in the save dialog
wait_window "Сохранить проект" >/dev/null; sleep 1
screenshot save_dialog
xdotool key ctrl+a; xdotool type --delay 50 "cold-store"; xdotool key Return
wait_file "$WORK/cold-store.csv"
log "saved: $(head -c 300 "$WORK/cold-store.csv" | tr '\r\n' '  ')"

xdotool windowactivate --sync "$project"; sleep 0.3
xdotool key alt+F4; sleep 1
find_window "Проект ORVEX-selection" 10 >/dev/null && fail "the saved project's window did not close"
project_menu 2            # "Открыть окно проекта" from the condenser window
find_project_window
project_click 660 357     # "Открыть"
wait_window "Открыть проект" >/dev/null; sleep 1
screenshot open_dialog
xdotool key ctrl+l; xdotool type --delay 50 "$WORK/cold-store.csv"; xdotool key Return
sleep 1.5
screenshot reopened
rm -f "$WORK/orvex-selection-project.htm"
project_click 487 357     # "Отчет по проекту" once more
wait_file "$WORK/orvex-selection-project.htm"

project_click 585 357     # "Excel": the workbook named after the project
wait_window "Экспорт в Excel" >/dev/null; sleep 1
xdotool key Return
wait_file "$WORK/cold-store.xlsx"
/usr/bin/python3 - "$WORK/cold-store.xlsx" <<'PYTHON' || fail "the workbook is not the project's"
import sys, openpyxl
sheet = openpyxl.load_workbook(sys.argv[1]).active
rows = list(sheet.iter_rows(values_only=True))
assert rows[0][4] == "Модель" and rows[1][4] == "VP-20-200" and rows[2][4] == "KD-200A", rows[:3]
assert rows[2][5] == 3 and isinstance(rows[2][7], float), rows[2]
assert rows[3][5] == '=SUMIF(C2:C3,"в/о",F2:F3)' and rows[4][7].startswith("=SUMIF("), rows[3:]
print("workbook:", rows[1][4], rows[2][4], rows[2][5], rows[4][7])
PYTHON

mkdir -p "$WORK/console"
(cd "$WORK" && "$ORVEX_SELECT" report project cold-store.csv --out console) >/dev/null ||
  fail "orvex-select report project failed on the saved file"
cmp "$WORK/orvex-selection-project.htm" "$WORK/console/orvex-selection-project.htm" ||
  fail "the window's project page differs from orvex-select's"
grep -q '>3<' "$WORK/orvex-selection-project.htm" || fail "the edited quantity 3 is not on the page"
echo "PASS: a project of two positions made, edited, reported, saved and opened again on screen"
