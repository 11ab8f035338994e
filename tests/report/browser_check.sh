#!/usr/bin/env bash
# Opens a written report page in headless Chromium and checks the page as the browser reads
# it: Cyrillic text decoded right although the page names no character set, typed values
# shown as typed (no markup from them), the logo and the tables present.
# Usage: browser_check.sh <write_sample_report executable>
set -euo pipefail

writer="$1"
browser="$(command -v chromium || true)"
if [ -z "$browser" ]; then
  echo "browser_check: chromium is not installed (scripts/bootstrap.sh tests installs it)" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/page"
"$writer" "$work/page"

failures=0
expect() {  # expect <what> <fixed text that must occur in the DOM>
  if ! grep -qF -- "$2" "$work/dom.html"; then
    echo "FAIL ($locale): $1: not found: $2" >&2
    failures=$((failures + 1))
  fi
}
expect_count() {  # expect_count <what> <fixed text> <number of occurrences>
  local n
  n="$( (grep -oF -- "$2" "$work/dom.html" || true) | wc -l)"
  if [ "$n" -ne "$3" ]; then
    echo "FAIL ($locale): $1: $2 occurs $n times, expected $3" >&2
    failures=$((failures + 1))
  fi
}

# The browser's own language must not decide how the page is read.
for locale in C ru_RU.UTF-8; do
  rm -rf "$work/profile"
  LANG="$locale" LC_ALL="$locale" timeout 90 "$browser" --headless --no-sandbox --disable-gpu \
    --disable-quic --no-first-run --disable-background-networking --disable-component-update \
    --disable-sync --user-data-dir="$work/profile" \
    --dump-dom "file://$work/page/orvex-selection.htm" >"$work/dom.html" 2>"$work/browser.log"

  expect "title" "<title>КОНДЕНСАТОР KD-100A</title>"
  expect "main heading" "<h1>Подбор конденсатора ORVEX®</h1>"
  expect "project heading" "<h2>Данные о проекте</h2>"
  expect "company as typed" '<td class="fmt">&lt;b&gt;&amp;ООО «Холод»</td>'
  expect "characters outside Windows-1251" '<td class="fmt">Москва, ул. Łódź ✓</td>'
  expect "quotes in a value" '<td class="fmt">Склад "Север"</td>'
  expect "model" '<h2>Конденсатор <font color="#000000">KD-100A</font></h2>'
  expect "logo" '<img align="right" border="0" src="orvex-selection.png" width="155" height="101">'
  expect "drawing link" 'href="https://orvex.example/content/files/durovidud/KD-100A.pdf"'
  expect_count "tables" "<table" 5
  expect_count "bold elements (only the program's own two)" "<b>" 2
  for garbage in "Ð" "Ã" "Â" "�" "&amp;lt;" "&amp;#"; do
    expect_count "mis-decoded or doubly escaped text" "$garbage" 0
  done
done

if [ "$failures" -ne 0 ]; then
  echo "browser_check: $failures failed checks; the DOM was:" >&2
  cat "$work/dom.html" >&2
  exit 1
fi
echo "browser_check: the page reads right in $("$browser" --version 2>/dev/null)"
