#!/usr/bin/env bash
# Installs the Debian packages ORVEX-selection needs, in one of two sets:
#   bootstrap.sh program   building and running the Linux program (what scripts/start.sh needs):
#                          the compiler, CMake, wxWidgets, libcurl, libpng, libjpeg, CLI11,
#                          nlohmann-json, libcsv, libxlsxwriter, xdg-utils and fonts; apt's
#                          sources stay as they are;
#   bootstrap.sh tests     that, and everything the tests need (what scripts/test.sh needs):
#                          GoogleTest, Google Benchmark, the virtual screen, OCR, Chromium,
#                          openpyxl and LibreOffice Calc, clang, qemu-user, the ru_RU.UTF-8
#                          locale, and the Windows programs'
#                          cross-compilers, NSIS and Wine (scripts/windows/bootstrap.sh).
# Idempotent: when everything is present it changes nothing and prints nothing.
set -euo pipefail

program_packages=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev libgtk-3-dev libcurl4-openssl-dev libpng-dev libjpeg-dev zlib1g-dev
  libcli11-dev nlohmann-json3-dev libcsv-dev libxlsxwriter-dev  # the console program: options, JSON, CSV, .xlsx
  xdg-utils  # xdg-open: opening the report, the drawings and the site on the desktop
  fonts-dejavu-core fonts-liberation
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  python3    # the loopback web site of the download tests
  clang libclang-rt-14-dev  # the fuzzers
  g++-multilib qemu-user-static  # the cores as 32-bit x86 code, run under qemu-user
  xvfb xdotool imagemagick openbox x11-utils
  tesseract-ocr tesseract-ocr-rus  # reading texts off the on-screen tests' screenshots
  chromium   # the report page checked in a real browser
  python3-openpyxl libreoffice-calc-nogui  # orvex-select's workbooks read by real spreadsheet programs
  locales
)

case "${1:-}" in
  program) packages=("${program_packages[@]}") ;;
  tests) packages=("${program_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: bootstrap.sh program|tests" >&2; exit 2 ;;
esac

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "$1" = tests ] || exit 0

# The number conversions are tested under a Russian locale too.
if ! locale -a 2>/dev/null | grep -qiE '^ru_RU\.utf-?8$'; then
  echo "bootstrap: generating the ru_RU.UTF-8 locale"
  as_root sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

# The Windows programs: cross-compilers, installer builder, Wine.
bash "$(dirname "$0")/windows/bootstrap.sh"
