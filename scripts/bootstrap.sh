#!/usr/bin/env bash
# Installs every Debian package that building, testing and running ORVEX-selection needs,
# and the ru_RU.UTF-8 locale the conversion tests run under. Idempotent: when everything is
# present it changes nothing and prints nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev libgtk-3-dev libcurl4-openssl-dev libpng-dev libjpeg-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev libcsv-dev  # the console program: options, JSON, CSV
  python3    # the loopback web site of the download tests
  xdg-utils  # xdg-open: opening the report, the drawings and the site on the desktop
  clang libclang-rt-14-dev  # the fuzzers
  g++-multilib qemu-user-static  # the cores as 32-bit x86 code, run under qemu-user
  xvfb xdotool imagemagick openbox x11-utils
  tesseract-ocr tesseract-ocr-rus  # reading texts off the on-screen tests' screenshots
  chromium   # the report page checked in a real browser
  fonts-dejavu-core fonts-liberation
  locales
)

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

if ! locale -a 2>/dev/null | grep -qiE '^ru_RU\.utf-?8$'; then
  echo "bootstrap: generating the ru_RU.UTF-8 locale"
  as_root sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

# The Windows programs: cross-compilers, installer builder, Wine.
bash "$(dirname "$0")/windows/bootstrap.sh"
