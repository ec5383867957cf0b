#!/usr/bin/env bash
# Cross-builds, as static libraries for 64-bit Windows, the real libraries the Linux build gets
# from Debian: libjpeg-turbo, libmpg123 and kissfft for the program, GoogleTest and LAME for its
# unit tests, from Debian's own source packages at the versions Debian 12 ships (pinned here, so
# that every machine builds the same thing).
#   tools/windows/cross-deps.sh [PREFIX=build-win/deps]
# PREFIX gets include/ and lib/. Sources come through a private deb-src list, so the system's
# apt configuration is left alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=${1:-$root/build-win/deps}
triple=x86_64-w64-mingw32
jobs=$(nproc)

declare -A versions=(
  [libjpeg-turbo]=1:2.1.5-2
  [mpg123]=1.31.2-1+deb12u1
  [kissfft]=131.1.0-4.1~deb12u1
  [googletest]=1.12.1-0.2
  [lame]=3.100-6
)

need=()
for package in g++-mingw-w64-x86-64 cmake ninja-build make dpkg-dev; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    need+=("$package")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update
  $sudo apt-get install -y "${need[@]}"
fi

work=$root/build-win/sources
mkdir -p "$work/apt/lists" "$work/apt/cache" "$prefix"
cat >"$work/apt/frostmote-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt"
  -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
apt-get "${apt_private[@]}" update >/dev/null

# unpack PACKAGE: the Debian source tree of the pinned version; its path is printed.
unpack() {
  local package=$1 version=${versions[$1]}
  local upstream=${version#*:}
  upstream=${upstream%-*}
  local tree="$work/$package-$upstream"
  if [ ! -d "$tree" ]; then
    (cd "$work" && apt-get "${apt_private[@]}" source --download-only "$package=$version" >/dev/null 2>&1)
    (cd "$work" && dpkg-source --no-check -x "$package"_"${upstream}"-*.dsc "$tree" >/dev/null)
  fi
  echo "$tree"
}

toolchain=$root/cmake/mingw-w64-x86_64.cmake

jpeg=$(unpack libjpeg-turbo)
cmake -S "$jpeg" -B "$work/build-jpeg" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF \
  -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF >/dev/null
cmake --build "$work/build-jpeg" --target install >/dev/null

kiss=$(unpack kissfft)
cmake -S "$kiss" -B "$work/build-kissfft" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DKISSFFT_STATIC=ON \
  -DKISSFFT_DATATYPE=float -DKISSFFT_TEST=OFF -DKISSFFT_TOOLS=OFF -DKISSFFT_PKGCONFIG=OFF \
  -DKISSFFT_OPENMP=OFF -DCMAKE_INSTALL_INCLUDEDIR=include -DCMAKE_INSTALL_LIBDIR=lib \
  -DCMAKE_INSTALL_BINDIR=bin >/dev/null
cmake --build "$work/build-kissfft" --target install >/dev/null

# Only the decoding library: no player, no audio output modules, no network.
mpg=$(unpack mpg123)
mkdir -p "$work/build-mpg123"
(cd "$work/build-mpg123" &&
  "$mpg/configure" --host="$triple" --prefix="$prefix" --enable-static --disable-shared \
    --with-audio=dummy --with-default-audio=dummy --enable-modules=no --enable-network=no \
    --with-cpu=x86-64 >/dev/null &&
  make -j"$jobs" src/libmpg123/libmpg123.la >/dev/null)
mkdir -p "$prefix/include" "$prefix/lib"
cp "$work/build-mpg123/src/libmpg123/.libs/libmpg123.a" "$prefix/lib/"
cp "$work/build-mpg123/src/libmpg123/mpg123.h" "$mpg/src/libmpg123/fmt123.h" "$prefix/include/"

# GoogleTest's own Win32 locks and threads, not winpthreads: the tests then need no pthread
# emulation underneath the framework.
gtest=$(unpack googletest)
cmake -S "$gtest" -B "$work/build-googletest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
  -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=ON -DCMAKE_INSTALL_INCLUDEDIR=include \
  -DCMAKE_INSTALL_LIBDIR=lib >/dev/null
cmake --build "$work/build-googletest" --target install >/dev/null

# Only the encoding library, which the tests use to write their MP3 files; its own warnings are
# not ours to read.
lame=$(unpack lame)
mkdir -p "$work/build-lame"
(cd "$work/build-lame" &&
  CFLAGS="-O2 -w" "$lame/configure" --host="$triple" --prefix="$prefix" --enable-static \
    --disable-shared --disable-frontend --disable-decoder --disable-gtktest \
    --disable-analyzer-hooks >/dev/null &&
  make -j"$jobs" -C libmp3lame >/dev/null && make -C libmp3lame install >/dev/null &&
  make -C include install >/dev/null)

echo "Windows libraries in $prefix:"
ls "$prefix/lib"
