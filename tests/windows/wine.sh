# Which Wine runs a Windows program: 64-bit Wine for a 64-bit program, else 32-bit Wine.
# Usage: source wine.sh; wine_for <program.exe>   (sets wine, wineserver and WINEARCH)
wine_for() {
  if file -b "$1" | grep -q 'x86-64'; then
    wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
    export WINEARCH=win64
  else
    wine=/usr/lib/wine/wine wineserver=/usr/lib/wine/wineserver32
    export WINEARCH=win32
  fi
  export WINELOADER="$wine"
}

# Gives the rest of the calling script a virtual screen of the size the on-screen checks'
# screens have (tests/onscreen/lib.sh), for every Wine program it runs. Wine keeps the size of
# the monitor that its last program, even reg.exe, saw: 1024 x 768 when it had no screen, and
# a program's first window on the checks' larger screen could still be centred on that.
# Usage: keep_wine_screen (before new_wine_prefix)
keep_wine_screen() {
  local n
  for n in $(seq 150 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  WINE_SCREEN_PID=$!
  trap 'kill "$WINE_SCREEN_PID" 2>/dev/null || true' EXIT
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# A fresh Wine prefix in the work folder, without Mono or Gecko (the program needs neither,
# and their installers would ask). Wine links the user's Documents and Desktop to the home
# folder, so the home folder is one in the work folder too.
# Usage: new_wine_prefix <work dir>
new_wine_prefix() {
  export WINEPREFIX="$1/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$1/home"
  mkdir -p "$HOME"
  "$wine" wineboot --init >"$1/wineboot.log" 2>&1
}

# The prefix's screen as a Windows desktop at other settings: the DPI (Windows' 125, 150 or
# 200 %) and a message, menu and status font of the given face and points (Windows Vista to 11
# use Segoe UI 9 pt). Takes effect for programs started after it.
# Usage: set_wine_screen <dpi> <font face> <points>
set_wine_screen() {
  local font
  font=$(python3 -c '
import struct, sys
face = sys.argv[1].encode("utf-16-le").ljust(64, b"\0")
height = -round(int(sys.argv[2]) * 96 / 72)  # Windows keeps these fonts at 96 dpi
print((struct.pack("<5i8B", height, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0) + face).hex())' "$2" "$3")
  {
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
    for metric in MessageFont MenuFont StatusFont; do
      "$wine" reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v "$metric" /t REG_BINARY /d "$font" /f
    done
  } >/dev/null 2>&1
  "$wineserver" --kill 2>/dev/null || true
  "$wineserver" --wait
}
