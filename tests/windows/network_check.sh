#!/usr/bin/env bash
# The Windows program's downloads in a company's network, under 64-bit Wine, against the
# stand-ins of tests/windows/company_network.py on 127.0.0.1 (tests/windows/download_probe.cpp
# downloads through the program's own network layer). The user's Internet settings are set as
# Windows' own dialog keeps them, and each download must take the way they name:
# - none: directly;
# - an automatic configuration script: through the proxy it names;
# - a script that cannot be fetched: the fixed proxy server instead;
# - a fixed proxy whose exceptions name the host: directly;
# - a proxy that wants an NTLM sign-in: through it, answering its 407 with the signed-in
#   user's own account (Wine asks Samba's ntlm_auth for the cached credentials of a domain
#   user; a stand-in answers as winbind would for a user signed in to the domain);
# - https directly to a site with a certificate of its own, with the certificate's revocation
#   checked at best effort (Wine's TLS checks no certificate, so the flags the program asks
#   Windows' TLS for are read from Wine's trace).
# Usage: network_check.sh <download_probe.exe> <work dir>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
probe="$(realpath "$1")"
work="$(realpath -m "$2")"
rm -rf "$work" && mkdir -p "$work/network"
fail() { echo "FAIL: $*" >&2; exit 1; }

source "$here/wine.sh"
wine_for "$probe"
new_wine_prefix "$work"
python3 "$here/company_network.py" "$work/network" &
network_pid=$!
trap 'kill "$network_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$work/network/ports" ] && break; sleep 0.1; done
read -r site proxy sign_in https <"$work/network/ports" || fail "the company network did not start"
mkdir -p "$work/bin"
cat >"$work/bin/ntlm_auth" <<'SCRIPT'
#!/bin/sh
# winbind's answer for a user signed in to the domain: the first NTLM message.
case "$*" in *--version*) echo "Version 4.17.12-Debian"; exit 0 ;; esac
while read -r request rest; do
  case "$request" in
    YR) echo "YR TlRMTVNTUAABAAAAB4IIogAAAAAAAAAAAAAAAAAAAAAKAGFKAAAADw==" ;;
    SF) echo "OK" ;;
    *) echo "BH not needed here" ;;
  esac
done
SCRIPT
chmod +x "$work/bin/ntlm_auth"
export PATH="$work/bin:$PATH"

# The Internet settings as Windows keeps them: flags (1 direct, 2 a proxy server, 4 a
# configuration script), the proxy server, its exceptions and the script's address.
internet_settings() { # flags proxy bypass script
  local blob
  blob=$(python3 -c 'import struct, sys
flags, *texts = sys.argv[1:]
blob = struct.pack("<III", 0x46, 1, int(flags))
for text in texts: blob += struct.pack("<I", len(text)) + text.encode()
print((blob + bytes(32)).hex())' "$@")
  "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings\Connections' \
    /v DefaultConnectionSettings /t REG_BINARY /d "$blob" /f >/dev/null 2>&1
}

# Downloads a URL with the probe; the body must be the one expected.
download() { # case url expected-body
  rm -f "$work/body.txt"
  "$wine" "$probe" "$2" 'C:\body.txt' >"$work/probe.log" 2>&1 || { tail -n 20 "$work/probe.log"; fail "$1: the download failed"; }
  mv "$WINEPREFIX/drive_c/body.txt" "$work/body.txt"
  [ "$(cat "$work/body.txt")" = "$3" ] || fail "$1: got '$(cat "$work/body.txt")', not '$3'"
  echo "$1: '$3'"
}
proxy_saw() { grep -qF "$1" "$work/network/proxy.log" 2>/dev/null || fail "the proxy's log has no '$1'"; }

file="http://127.0.0.1:$site/file.txt"
internet_settings 1 "" "" ""
download "no proxy" "$file" direct
internet_settings 5 "" "" "http://127.0.0.1:$site/proxy.pac"
download "configuration script" "$file" "via proxy"
proxy_saw "proxy GET $file"
internet_settings 7 "127.0.0.1:$proxy" "" "http://127.0.0.1:9/missing.pac"
download "script not fetched, fixed proxy" "$file" "via proxy"
internet_settings 3 "127.0.0.1:$proxy" "<local>;127.0.*" ""
download "fixed proxy, the host an exception" "$file" direct
internet_settings 3 "127.0.0.1:$sign_in" "" ""
download "proxy with sign-in" "$file" "via proxy"
proxy_saw "sign-in GET $file with Proxy-Authorization"
grep "sign-in GET" "$work/network/proxy.log"
internet_settings 1 "" "" ""
WINEDEBUG=+secur32 download "https" "https://127.0.0.1:$https/file.txt" secure
# Windows' TLS credentials: the revocation check of the chain (0x200), an unreachable
# revocation server and a missing revocation answer let pass (0x800, 0x1000).
flags=$(sed -n 's/.*get_cert dwFlags = \([0-9a-f]*\).*/\1/p' "$work/probe.log" | head -n 1)
[ -n "$flags" ] || fail "no TLS credentials in Wine's trace"
(( (16#$flags & 0x1a00) == 0x1a00 )) || fail "TLS flags $flags: revocation not checked at best effort"
echo "https: TLS flags 0x$flags, revocation checked at best effort"
"$wineserver" --kill || true
echo "PASS: downloads take the ways the company's Internet settings name"
