#!/usr/bin/env bash
# Builds Qt for Windows (x86_64, MinGW-w64) once, from Debian's own source of qt6-base — the same
# 6.4.2 as the host Qt, which a cross build of Qt needs — into a cache folder outside the clone,
# which every later run reuses:
#     ${SORANIKA_QT_WINDOWS:-$HOME/.cache/soranika/qt-6.4.2-mingw64}
# About half an hour on two quiet cores. Installs what is missing (a deb-src entry for the
# archive this machine already uses, the cross compiler, Ninja). Prints the prefix at the end.
#   scripts/windows/build-qt.sh
set -euo pipefail
prefix=${SORANIKA_QT_WINDOWS:-$HOME/.cache/soranika/qt-6.4.2-mingw64}
# The cross toolchain lives in the prefix: qt-cmake names the file Qt was configured with, so it
# must outlast the build of Qt.
toolchain=$prefix/share/soranika-mingw-w64.cmake
mkdir -p "$(dirname "$toolchain")"
cat > "$toolchain" <<'TOOLCHAIN'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN
if [ -x "$prefix/bin/qt-cmake" ] && [ -f "$prefix/bin/Qt6Widgets.dll" ]; then
    echo "$prefix"
    exit 0
fi
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
here=$(cd "$(dirname "$0")/../.." && pwd)
"$here/scripts/setup-debian.sh" g++-mingw-w64-x86-64-posix ninja-build cmake dpkg-dev xz-utils

# The source comes from the archive the machine already uses: its deb entry names it.
sources=/etc/apt/sources.list.d/soranika-debian-src.sources
if [ ! -f "$sources" ]; then
    uri=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
          true)
    [ -n "$uri" ] || uri=$(awk '/^deb / { print $2; exit }' /etc/apt/sources.list)
    printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: %s\n' \
        "$uri" /usr/share/keyrings/debian-archive-keyring.gpg | "${sudo[@]}" tee "$sources" > /dev/null
    "${sudo[@]}" apt-get update -q
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source --download-only qt6-base > /dev/null)
tar -xf "$work"/qt6-base_6.4.2*.orig.tar.xz -C "$work"
source_dir=$(ls -d "$work"/qtbase-everywhere-src-6.4.2)


# Only what the program uses: Core, Gui, Widgets, PrintSupport, Test and the windows, offscreen
# and minimal platforms; Debian's source lacks wintab.h, so no tablet support.
cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DINPUT_opengl=no -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    > "$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log"; exit 1; }
cmake --build "$work/build" --parallel "$(nproc)" > "$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; exit 1; }
cmake --install "$work/build" > /dev/null
echo "$prefix"
