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

# A fresh Wine prefix in the work folder, without Mono or Gecko (the program needs neither,
# and their installers would ask). Wine links the user's Documents and Desktop to the home
# folder, so the home folder is one in the work folder too.
# Usage: new_wine_prefix <work dir>
new_wine_prefix() {
  export WINEPREFIX="$1/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$1/home"
  mkdir -p "$HOME"
  DISPLAY= "$wine" wineboot --init >"$1/wineboot.log" 2>&1
}
