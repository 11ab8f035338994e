#!/usr/bin/env bash
# The project's page as headless Chromium reads it: orvex-select report project writes the page
# of a 3- and a 20-position project; every position's name and model must be in the DOM, and no
# table may be wider than A4 portrait's printable width (180 mm, 680 px) at that width. Prints
# each page's page count when Chromium prints it to PDF.
# Usage: page_check.sh <orvex-select>
set -euo pipefail
select="$1"
browser="$(command -v chromium || true)"
[ -n "$browser" ] || { echo "page_check: chromium is not installed (scripts/bootstrap.sh tests installs it)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
chromium_run() { # output option...
  rm -rf "$work/profile"
  timeout 90 "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync --user-data-dir="$work/profile" \
    "$@" 2>>"$work/browser.log"
}

# A project of `count` positions: air coolers of the three series and condensers in turn, names
# with characters the page must escape.
write_project() { # file count
  local i
  echo "name,series,refrigerant,temperature,ambient,difference,capacity,connection,poles,quantity,model" >"$1"
  for i in $(seq "$2"); do
    case $((i % 4)) in
      1) echo "\"Камера $i <холод> & \"\"Север\"\"\",VK-M,R404a/R507,-10,,8,$((i % 9 + 2)).5,,,$((i % 3 + 1))," ;;
      2) echo "Камера $i,VK-L,R404a/R507,-30,,7,$((i % 5 + 1)).2,,,1," ;;
      3) echo "Камера $i,VP,R404a/R507,-10,,8,0.5,,,2,VP-25-200" ;;
      0) echo "Стойка $i,KD-630,R134a,,32,10,$((i + 20)),star,\"4,6\",1," ;;
    esac
  done >>"$1"
}

for count in 3 20; do
  project="$work/Проект $count.csv"
  write_project "$project" "$count"
  mkdir "$work/out-$count"
  "$select" report project "$project" --out "$work/out-$count" >/dev/null
  page="$work/out-$count/orvex-selection-project.htm"
  chromium_run --dump-dom "file://$page" >"$work/dom.html"
  grep -qF "<title>ПРОЕКТ Проект $count</title>" "$work/dom.html" || fail "$count positions: no project name in the title"
  # Every position's name, as escaped in the DOM, and its kept model, as the batch reports it.
  while IFS=$'\t' read -r name model; do
    escaped=$(sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g' <<<"$name")
    grep -qF "<td class=\"fmt\">$escaped</td>" "$work/dom.html" || fail "$count positions: no name $escaped"
    [ "$(grep -oF ">$model<" "$work/dom.html" | wc -l)" -ge 2 ] || fail "$count positions: model $model not in its row and section"
  done < <("$select" batch "$project" --format json | python3 -c '
import json, sys
for r in json.load(sys.stdin): print(r["name"] + "\t" + r["model"])')
  # The widest table at the printable width, measured by the browser in a copy of the page.
  { cat "$page"; printf '<script>document.body.setAttribute("data-widest", Math.max(...[...document.querySelectorAll("table")].map(t => Math.ceil(t.getBoundingClientRect().width)), document.documentElement.scrollWidth));</script>\r\n'; } >"$work/out-$count/measured.htm"
  chromium_run --window-size=680,1000 --dump-dom "file://$work/out-$count/measured.htm" >"$work/measured.html"
  widest=$(grep -o 'data-widest="[0-9]*"' "$work/measured.html" | grep -o '[0-9]*')
  [ -n "$widest" ] || fail "$count positions: the browser measured no table"
  [ "$widest" -le 680 ] || fail "$count positions: a table is $widest px wide, wider than A4's 680 px"
  chromium_run --no-pdf-header-footer --print-to-pdf="$work/$count.pdf" "file://$page"
  pages=$(python3 -c 'import re, sys; print(len(re.findall(rb"/Type\s*/Page[^s]", open(sys.argv[1], "rb").read())))' "$work/$count.pdf")
  echo "$count positions: every name and model in the DOM, the widest table $widest px; printed on $pages A4 pages"
done
