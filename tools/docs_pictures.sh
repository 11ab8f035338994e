#!/usr/bin/env bash
# Makes the README's pictures (docs/*.png) from the real program on a virtual screen, with the
# same steps as the on-screen tests: the main window; the air cooler window after a selection
# with the chosen row clicked; its report page, written by the program and rendered by headless
# Chromium; the condenser window after a selection; and its list with the dimensions column
# opened from the header. Needs what `bash scripts/bootstrap.sh tests` installs.
#
# Usage: bash tools/docs_pictures.sh [program]   (default build/app/orvex-selection)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$root/build/app/orvex-selection}"
docs="$root/docs"
source "$root/tests/onscreen/lib.sh" "$program" "$(mktemp -d)/docs-pictures"

# The contact details that head the report, as "Информация о пользователе" writes them.
printf '[Информация о пользователе]\r\nКомпания = ООО «Северный холод»\r\nАдрес = Москва, ул. Складская, 12\r\nТелефон/факс = +7 495 123-45-67\r\nE-mail = info@sever-holod.ru\r\nМенеджер = Иванов И. И.\r\n' |
  iconv -f UTF-8 -t CP1251 >"$WORK/orvex-selection.ini"
# The desktop's opener only notes what it is given: the page is rendered by Chromium below.
note_opened_files

# A window with its manager's frame, as the user sees it.
save_window() { # window id, docs file name
  import -frame -window "$1" "$docs/$2"
  log "$2: $(identify -format '%wx%h' "$docs/$2")"
}

type_into() { # client x y, text
  click_at "$1" "$2"
  xdotool type --delay 50 "$3"
}

start_screen
start_program
wait_for_splash
main=$(wait_window "ORVEX-selection 2")
read -r mx my < <(window_origin "$main")
wait_for_picture main "$mx" "$my" "$PICTURES/main_background.png" >/dev/null
save_window "$main" main_window.png

open_selection_window "Подбор воздухоохладителя" 200 400 cooler_opened
fill_cooler_form
type_into 660 230 "Склад №3"
xdotool key Tab          # to "Контактное лицо", the next field down
xdotool type --delay 50 "Петров П. П."
select_and_check_rows
save_window "$SELECTION_WINDOW" cooler_window.png
click_at 200 376         # the chosen (second) row
click_at 395 432         # "Протокол подбора"
for _ in $(seq 100); do [ -s "$WORK/opened.txt" ] && break; sleep 0.1; done
[ -s "$WORK/orvex-selection.htm" ] || fail "no report page written"
timeout 90 chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$WORK/profile" --window-size=1000,860 --screenshot="$docs/report_page.png" \
  "file://$WORK/orvex-selection.htm" >"$WORK/browser.log" 2>&1
log "report_page.png: $(identify -format '%wx%h' "$docs/report_page.png")"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true

start_with_condenser_selection
save_window "$SELECTION_WINDOW" condenser_window.png
open_closed_column condenser_column
save_window "$SELECTION_WINDOW" condenser_opened_column.png
echo "docs pictures written into $docs"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
rm -rf "$(dirname "$WORK")"
