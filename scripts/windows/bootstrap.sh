#!/usr/bin/env bash
# Installs what building and testing the Windows programs needs: the MinGW-w64 cross-compilers,
# NSIS, Ninja, dpkg-dev (to unpack Debian's source packages of the libraries, for which apt
# gets deb-src entries), 64-bit Wine (machines of this kind run no 32-bit x86 programs, so
# 32-bit Wine would be of no use), openssl for the company network check's https site and
# icoutils to read the programs' icons. Idempotent: when everything is present it changes nothing
# and prints nothing.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 nsis ninja-build dpkg-dev file
  wine wine64 fonts-wine xvfb xdotool imagemagick openbox x11-utils openssl icoutils
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

sources_changed=0
debian_sources=/etc/apt/sources.list.d/debian.sources
if [ -f "$debian_sources" ] && grep -q '^Types: deb$' "$debian_sources"; then
  as_root sed -i 's/^Types: deb$/Types: deb deb-src/' "$debian_sources"
  sources_changed=1
elif [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list &&
  ! grep -q '^deb-src ' /etc/apt/sources.list; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | as_root tee -a /etc/apt/sources.list >/dev/null
  sources_changed=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

export DEBIAN_FRONTEND=noninteractive
if [ "$sources_changed" -eq 1 ] || [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap (Windows): apt sources with deb-src${missing[*]:+; installing ${missing[*]}}"
  as_root apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
