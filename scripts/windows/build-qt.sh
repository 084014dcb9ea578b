#!/usr/bin/env bash
# Builds Qt for Windows (x86_64, MinGW-w64) once, from Debian's own source of qt6-base at exactly
# the version of the host Qt (6.4.2 on Debian 12, 6.8.2 on Debian 13) — a cross build of Qt runs
# the host's moc, rcc and uic, which must match it — into a cache folder outside the clone, which
# every later run reuses:
#     ${SORANIKA_QT_WINDOWS:-$HOME/.cache/soranika/qt-VERSION-mingw64}
# About half an hour on two quiet cores. Installs what is missing (the host Qt, deb-src entries for
# the archives this machine already uses, the cross compiler, Ninja). Prints the prefix at the end.
#   scripts/windows/build-qt.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
"$here/scripts/setup-debian.sh" qt6-base-dev > /dev/null
# The Debian version of the host Qt (say 6.8.2+dfsg-9) and its upstream part (6.8.2).
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
version=${debian_version%%[+~-]*}
prefix=${SORANIKA_QT_WINDOWS:-$HOME/.cache/soranika/qt-$version-mingw64}
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
"$here/scripts/setup-debian.sh" g++-mingw-w64-x86-64-posix ninja-build cmake dpkg-dev xz-utils

# The source comes from the archives the machine already uses: a deb-src twin of each deb entry
# (the release's updates and security suites too, where the host Qt may come from).
sources=/etc/apt/sources.list.d/soranika-debian-src.sources
if [ ! -f "$sources" ] || ! apt-get source --print-uris "qt6-base=$debian_version" > /dev/null 2>&1
then
    {
        for file in /etc/apt/sources.list.d/*.sources; do
            [ "$file" = "$sources" ] && continue
            grep -q '^URIs:.*debian' "$file" || continue
            sed -e 's/^Types: deb$/Types: deb-src/' -e '/^#/d' "$file"
            echo
        done
        if [ -f /etc/apt/sources.list ]; then
            awk '$1 == "deb" && $2 ~ /debian/ {
                printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\n", $2, $3
                printf "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n\n" }' \
                /etc/apt/sources.list
        fi
    } | "${sudo[@]}" tee "$sources" > /dev/null
    "${sudo[@]}" apt-get update -q
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source --download-only "qt6-base=$debian_version" > /dev/null)
tar -xf "$work"/qt6-base_"$version"*.orig.tar.xz -C "$work"
source_dir=$(ls -d "$work/qtbase-everywhere-src-$version")

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
