#!/usr/bin/env bash
# Builds the libraries of the Windows programs for i686-w64-mingw32 or x86_64-w64-mingw32 from
# Debian's own source packages: zlib, libpng, libjpeg-turbo, libcurl (Windows TLS through
# Schannel, no OpenSSL) and wxWidgets' MSW port, all static, for the desktop program; libcsv,
# libxlsxwriter (with its own minizip), and the header-only CLI11 and nlohmann-json, for the
# console program. They land in a cache outside the clone, one folder per set
# of source versions, compiler and build recipe, so a second run only finds them there.
#
# Usage: scripts/windows/build-deps.sh     (prints the folder of the built libraries last)
# Cache: $ORVEX_WINDOWS_DEPS_CACHE, default /var/cache/orvex-windows-deps
# Target: $ORVEX_WINDOWS_TRIPLE, default i686-w64-mingw32 (x86_64-w64-mingw32 for a 64-bit build)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
toolchain="$root/cmake/mingw-w64.cmake"
cache="${ORVEX_WINDOWS_DEPS_CACHE:-/var/cache/orvex-windows-deps}"
triple="${ORVEX_WINDOWS_TRIPLE:-i686-w64-mingw32}"
jobs="$(nproc)"
source_packages=(zlib libpng1.6 libjpeg-turbo curl wxwidgets3.2 libcsv libxlsxwriter cli11 nlohmann-json3)

say() { echo "windows deps: $*" >&2; }

# The versions Debian offers for a source package, newest first.
offered_versions() {
  apt-cache showsrc "$1" | awk '/^Version:/ {print $2}' | sort -u | sort -r -V
}

key_input() {
  for p in "${source_packages[@]}"; do echo "$p $(offered_versions "$p" | head -n 1)"; done
  sha256sum "$here/build-deps.sh" "$toolchain" | cut -d' ' -f1
  "$triple-g++-posix" -dumpfullversion
}
key="$(key_input | sha256sum | cut -c1-16)"
prefix="$cache/$triple-$key"
if [ -f "$prefix/.complete" ]; then
  say "cached in $prefix"
  echo "$prefix"
  exit 0
fi

work="$cache/work-$triple-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
log="$work/build.log"
say "building into $prefix (log: $log)"

# Fetches and unpacks a source package into $work/<package>, trying the offered versions from
# the newest down (a mirror may lack a just-published security update).
fetch_source() {
  local package="$1" version
  mkdir -p "$work/$package"
  for version in $(offered_versions "$package"); do
    if (cd "$work/$package" && apt-get source -qq "$package=$version" >>"$log" 2>&1); then
      find "$work/$package" -mindepth 1 -maxdepth 1 -type d
      return 0
    fi
    rm -rf "${work:?}/$package"/*
  done
  say "no source of $package could be fetched"
  return 1
}

flags="-O2 -ffunction-sections -fdata-sections"
cmake_target=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain"
  -DORVEX_WINDOWS_DEPS="$prefix" -DORVEX_WINDOWS_TRIPLE="$triple" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix"
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" -DBUILD_SHARED_LIBS=OFF)

cmake_build() {  # source folder, options...
  local source="$1"
  shift
  cmake -S "$source" -B "$source/build-$triple" "${cmake_target[@]}" "$@" >>"$log" 2>&1
  cmake --build "$source/build-$triple" -j "$jobs" >>"$log" 2>&1
  cmake --install "$source/build-$triple" >>"$log" 2>&1
}

# Debian's zlib source has no Windows makefile; the library is its C files in one archive.
build_zlib() {
  local src name
  src="$(fetch_source zlib)"
  mkdir -p "$src/build-$triple" "$prefix/include" "$prefix/lib"
  for name in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast \
    inflate inftrees trees uncompr zutil; do
    "$triple-gcc-posix" $flags -c "$src/$name.c" -o "$src/build-$triple/$name.o"
  done
  "$triple-ar" rcs "$prefix/lib/libz.a" "$src/build-$triple"/*.o
  cp "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
}

build_libpng() {
  cmake_build "$(fetch_source libpng1.6)" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF
}

build_libjpeg() {
  cmake_build "$(fetch_source libjpeg-turbo)" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
}

build_curl() {
  cmake_build "$(fetch_source curl)" -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF \
    -DHTTP_ONLY=ON -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF \
    -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF \
    -DUSE_NGHTTP2=OFF -DCURL_DISABLE_LDAP=ON -DENABLE_UNIX_SOCKETS=OFF -DCURL_ZLIB=ON \
    -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none
}

# Only the core and base libraries are needed, and of those only what the program's windows
# use: the other libraries, sockets and protocols, printing, help, document views, the
# controls and dialogs the program never shows and the image formats it never reads are left
# out, which more than halves the build time.
build_wxwidgets() {
  local src
  src="$(fetch_source wxwidgets3.2)"
  mkdir -p "$src/build-$triple"
  (cd "$src/build-$triple" &&
    ../configure --host="$triple" --build="$(dpkg-architecture -qDEB_BUILD_GNU_TYPE)" \
      --prefix="$prefix" --disable-shared --enable-unicode --with-msw \
      --with-libpng=sys --with-libjpeg=sys --with-zlib=sys --with-regex=builtin \
      --without-libtiff --without-expat --without-liblzma --without-opengl \
      --disable-xrc --disable-html --disable-stc --disable-aui --disable-ribbon \
      --disable-propgrid --disable-richtext --disable-mediactrl --disable-webview \
      --disable-webrequest --disable-debug_info \
      --disable-sockets --disable-protocols --disable-url --disable-fs_inet --disable-ipc \
      --disable-dialupman --disable-debugreport --disable-docview --disable-help \
      --disable-mshtmlhelp --disable-htmlhelp --disable-mdi --disable-mdidoc --disable-printarch \
      --disable-postscript --disable-svg --disable-richtooltip --disable-dataviewctrl \
      --disable-treelist --disable-calendar --disable-datepick --disable-timepick \
      --disable-animatectrl --disable-bannerwindow --disable-commandlinkbutton \
      --disable-editablebox --disable-filectrl --disable-rearrangectrl --disable-addremovectrl \
      --disable-actindicator --disable-notifmsg --disable-taskbaricon --disable-wizarddlg \
      --disable-tipdlg --disable-joystick --disable-sound --disable-metafile --disable-fswatcher \
      --disable-secretstore --disable-spellcheck --disable-prefseditor --disable-infobar \
      --disable-gif --disable-pcx --disable-tga --disable-iff --disable-pnm \
      CC="$triple-gcc-posix" CXX="$triple-g++-posix" \
      CFLAGS="$flags" CXXFLAGS="$flags" CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
      >>"$log" 2>&1 &&
    make -j "$jobs" >>"$log" 2>&1 &&
    make install >>"$log" 2>&1)
}

# The CSV reader is one C file.
build_libcsv() {
  local src
  src="$(fetch_source libcsv)"
  mkdir -p "$src/build-$triple" "$prefix/include" "$prefix/lib"
  "$triple-gcc-posix" $flags -c "$src/libcsv.c" -o "$src/build-$triple/libcsv.o"
  "$triple-ar" rcs "$prefix/lib/libcsv.a" "$src/build-$triple/libcsv.o"
  cp "$src/csv.h" "$prefix/include/"
}

# Workbooks: the static library with the minizip and tmpfileplus it carries, over our zlib.
build_libxlsxwriter() {
  cmake_build "$(fetch_source libxlsxwriter)" -DZLIB_ROOT="$prefix" -DUSE_SYSTEM_MINIZIP=OFF \
    -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
}

# Header-only: installing puts the headers and the CMake package files into the prefix.
build_cli11() {
  cmake_build "$(fetch_source cli11)" -DCLI11_BUILD_TESTS=OFF -DCLI11_BUILD_EXAMPLES=OFF \
    -DCLI11_BUILD_DOCS=OFF -DCLI11_INSTALL=ON
}

build_nlohmann_json() {
  cmake_build "$(fetch_source nlohmann-json3)" -DJSON_BuildTests=OFF -DJSON_Install=ON
}

set -E
trap 'say "failed; the end of $log:"; tail -n 30 "$log" >&2' ERR
for step in zlib libpng libjpeg curl wxwidgets libcsv libxlsxwriter cli11 nlohmann_json; do
  started=$SECONDS
  "build_$step"
  say "$step built in $((SECONDS - started)) s"
done

rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
