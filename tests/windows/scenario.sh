#!/usr/bin/env bash
# The whole on-screen scenario the Windows program goes through under Wine, and the Linux
# program the same way, so that the files each writes can be compared byte for byte: the
# splash and the main window; the air cooler window with its coloured rows, its report page
# and the chosen model's drawing downloaded from the site; the user information typed in and
# saved; the About window against the site (green) and against no site ("?"); the condenser
# window with its coloured rows; "Программа" -> "Выйти".
#
# The maker's site is served on 127.0.0.1 from the address the program was built with. Pages
# and drawings are handed to a stand-in xdg-open that notes them (under Wine the desktop's
# opener is reached through winebrowser).
# Usage: scenario.sh <program or launcher> <work dir> <site address, http://127.0.0.1:PORT>
# PROGRAM_FOLDER names where the program writes its files (default: the work dir, where the
# program is started).
source "$(dirname "$0")/../onscreen/lib.sh" "$1" "$2"
SITE="$3"
FOLDER="${PROGRAM_FOLDER:-$WORK}"
MODEL=VP-20-200  # the chosen air cooler of fill_cooler_form
CONTACT=("Sever Ltd" "Moscow, 5 Tolstogo St" "+7 495 123-45-67" "sever@example.ru" "I. Ivanov")

mkdir -p "$WORK/site/content/files/durovidud"
note_opened_files

# The site: the version file says this program's version; the drawing is a small PDF.
version="$(sed -n 's/^project(orvex_selection VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")"
printf '%s\r\n' "$version" >"$WORK/site/content/files/durovidud/orvexselectver.txt"
printf '%%PDF-1.4\n%% drawing of %s\n%%%%EOF\n' "$MODEL" >"$WORK/site/content/files/durovidud/$MODEL.pdf"
port="${SITE##*:}"
site_answers() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }
start_site() {
  python3 -m http.server --bind 127.0.0.1 --directory "$WORK/site" "$port" >"$WORK/site.log" 2>&1 &
  SITE_PID=$!
  for _ in $(seq 50); do site_answers && return 0; sleep 0.1; done
  fail "the site did not start on $SITE"
}
stop_site() { kill "$SITE_PID" 2>/dev/null || true; wait "$SITE_PID" 2>/dev/null || true; SITE_PID=""; }
site_answers && fail "something already answers on $SITE"

start_screen
trap 'stop_site; stop_all' EXIT
start_site
start_program

wait_for_splash

wait_opened() { # text
  for _ in $(seq 100); do grep -qF "$1" "$WORK/opened.txt" 2>/dev/null && return 0; sleep 0.1; done
  screenshot not_opened
  fail "$1 was not opened (opened: $(cat "$WORK/opened.txt" 2>/dev/null))"
}
window_gone() {
  for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done
  screenshot not_closed >&2
  fail "the window '$1' did not close"
}
menu() { # the menu's place in the bar (0 = first), the item's place in the menu
  sleep 0.8  # the window manager gives the focus back after a dialog closes
  xdotool key F10; sleep 0.5
  for _ in $(seq "$1"); do xdotool key Right; sleep 0.2; done
  for _ in $(seq "$2"); do xdotool key Down; sleep 0.1; done
  xdotool key Down Return
}

# The air cooler window: the coloured rows, the report page, the drawing.
# The result frame's buttons are painted from the start, not only once clicked: dark text in
# "Протокол подбора" and in the drawing button.
dark_pixels() { # shot x y w h
  convert "$WORK/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -threshold 40% -negate \
    -format '%[fx:round(mean*w*h)]' info:
}
check_result_buttons() {
  local report drawing
  report=$(dark_pixels selected $(( x + 345 )) $(( top + 420 )) 100 20)
  drawing=$(dark_pixels selected $(( x + 470 )) $(( top + 420 )) 100 20)
  log "dark pixels in the result buttons: $report, $drawing"
  [ "$report" -gt 20 ] && [ "$drawing" -gt 20 ] || fail "the result frame's buttons are not painted"
}

open_selection_window "Подбор воздухоохладителя" 200 400 cooler
fill_cooler_form
select_and_check_rows
check_result_buttons
click_at 200 376         # the chosen (second) row
click_at 395 432         # "Протокол подбора"
wait_opened orvex-selection.htm
click_at 520 432         # the drawing: not on the disk, so the program asks to download it
wait_window "Чертеж в/о" >/dev/null
sleep 0.5
screenshot download_question
xdotool key Return       # Yes
wait_opened "$MODEL.pdf"
cmp "$FOLDER/$MODEL.pdf" "$WORK/site/content/files/durovidud/$MODEL.pdf" || fail "the drawing is not the site's"
screenshot drawing
log "report page and drawing opened"

# Параметры -> Информация о пользователе: the fields typed in, Enter saves them.
menu 1 0
wait_window "Информация о пользователе" >/dev/null
sleep 0.8
for i in "${!CONTACT[@]}"; do
  [ "$i" -gt 0 ] && xdotool key Tab
  xdotool type --delay 40 "${CONTACT[$i]}"
done
sleep 0.3
screenshot user_info
xdotool key Return
window_gone "Информация о пользователе"
[ -s "$FOLDER/orvex-selection.ini" ] || fail "the user information was not saved"

# Справка (the fourth menu) -> О программе: the version check against the site, then against no site. The
# link turns green under the pointer when the site's version is this one, red when the check
# failed.
about_link_colour() { # shot r g b
  local about ax ay atop offset
  menu 3 0 >&2
  about=$(wait_window "О программе") || return 1
  read -r ax ay < <(window_origin "$about")
  offset=$(wait_for_picture "$1" $(( ax + 36 )) "$ay" "$PICTURES/logo.png") || return 1
  atop=$(( ay + offset - 4 ))
  for dx in 30 40 50 60; do xdotool mousemove $(( ax + dx )) $(( atop + 268 )); sleep 0.2; done
  sleep 0.5
  screenshot "$1" >&2
  count_colour "$1" $(( ax + 20 )) $(( atop + 261 )) 200 15 "$2" "$3" "$4"
  xdotool key Escape
  window_gone "О программе"
}
green=$(about_link_colour about_site 0 128 0)
stop_site
red=$(about_link_colour about_no_site 255 0 0)
log "About link under the pointer: green $green with the site, red $red without"
[ "$green" -gt 40 ] || fail "the version check against the site did not turn the link green"
[ "$red" -gt 40 ] || fail "the version check without a site did not turn the link red"

# Окно -> Закрыть, Yes; then the condenser window and its coloured rows.
close_selection_window() { # title shot
  menu 0 0
  sleep 1
  screenshot "close_$2"
  xdotool key Return
  window_gone "$1"
}
close_selection_window "Подбор воздухоохладителя" cooler
open_selection_window "Подбор конденсатора" 600 400 condenser
fill_condenser_form
select_and_check_rows
check_result_buttons
close_selection_window "Подбор конденсатора" condenser

# Программа -> Выйти, Yes.
main=$(wait_window "ORVEX-selection 2")
xdotool windowactivate "$main" 2>/dev/null || true
sleep 0.5
menu 0 0
sleep 1
screenshot question
xdotool key Return
for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end after Yes"
APP_PID=""
echo "PASS: the whole scenario on screen"
