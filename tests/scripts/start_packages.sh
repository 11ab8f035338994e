#!/usr/bin/env bash
# scripts/start.sh on a bare machine: stand-ins for dpkg-query (nothing is installed), apt-get
# and cmake (both record their calls) and the built program. start.sh must install the
# program's packages, none of the test tools, and leave apt's sources alone (it has no
# scripts/windows/ here to call on).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/scripts" "$work/tree/build-program/app" "$work/bin"
cp "$root/scripts/start.sh" "$root/scripts/bootstrap.sh" "$work/tree/scripts/"
log="$work/calls"
cat >"$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
echo "dpkg-query: no packages found matching $*" >&2
exit 1
STUB
for tool in apt-get cmake; do
  printf '#!/bin/sh\necho "%s $*" >>"%s"\n' "$tool" "$log" >"$work/bin/$tool"
done
printf '#!/bin/sh\n"$@"\n' >"$work/bin/sudo"
printf '#!/bin/sh\necho "program started" >>"%s"\n' "$log" >"$work/tree/build-program/app/orvex-selection"
chmod +x "$work/bin/"* "$work/tree/build-program/app/orvex-selection"

PATH="$work/bin:$PATH" bash "$work/tree/scripts/start.sh" >"$work/out" 2>&1 || {
  cat "$work/out"
  exit 1
}
fail=0
installed="$(grep '^apt-get install' "$log" | head -n 1)"
for needed in build-essential cmake libwxgtk3.2-dev libcurl4-openssl-dev libpng-dev libjpeg-dev libcli11-dev \
  nlohmann-json3-dev libcsv-dev libxlsxwriter-dev xdg-utils fonts-liberation; do
  case " $installed " in *" $needed "*) ;; *) echo "start.sh does not install $needed" && fail=1 ;; esac
done
for unwanted in mingw wine nsis chromium tesseract qemu clang multilib xvfb xdotool openbox imagemagick \
  libgtest libbenchmark locales libreoffice openpyxl; do
  if grep -q -- "$unwanted" "$log"; then echo "start.sh installs $unwanted: $installed" && fail=1; fi
done
grep -q 'ORVEX_TESTS=OFF' "$log" || { echo "start.sh configures the tests' build" && fail=1; }
grep -q '^program started$' "$log" || { echo "start.sh did not start the program" && fail=1; }
[ "$fail" -eq 0 ] && echo "start.sh installs only the program's packages"
exit "$fail"
