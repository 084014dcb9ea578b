#!/usr/bin/env bash
# Builds every Qt Test suite of a Windows cross build and runs each under Wine on the offscreen
# platform, with no X server, through CTest: one line per suite, then every failing suite's
# results in full. Exits non-zero when a suite fails or does not run.
#   scripts/windows/run-suites.sh CROSS_BUILD_FOLDER WINEPREFIX
# The build folder is one configured with Qt for Windows (see scripts/windows/build.sh); the Wine
# prefix is made when missing, and its server is ended at the end.
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 CROSS_BUILD_FOLDER WINEPREFIX" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
prefix=$(cd "$2" && pwd)
qt=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$build/CMakeCache.txt")
if [ ! -f "$qt/bin/Qt6Core.dll" ]; then
    echo "$build is no build against Qt for Windows" >&2
    exit 2
fi
"$here/scripts/setup-debian.sh" wine wine64 binutils-mingw-w64-x86-64 fonts-ipafont-gothic \
    fonts-mplus fonts-dejavu-core

# The suites are the Qt Test executables CMake made targets for; CTest knows each by the same name
# and runs it through scripts/windows/wine-run.sh, the build's CMAKE_CROSSCOMPILING_EMULATOR.
mapfile -t suites < <(ninja -C "$build" -t targets all | sed -n 's/^\(tst_[a-z0-9_]*\)\.exe: .*/\1/p')
if [ ${#suites[@]} -eq 0 ]; then
    echo "no suites in $build (configured with BUILD_TESTING=OFF?)" >&2
    exit 2
fi
emulator=$(sed -n 's|^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=\([^;]*\);\(.*\)$|\1 \2|p' "$build/CMakeCache.txt")
run="$build/suites"
if [ "$emulator" != "$here/scripts/windows/wine-run.sh $run" ]; then
    echo "$build runs no suite under Wine: configure it with scripts/windows/build.sh" >&2
    exit 2
fi
ninja -C "$build" "${suites[@]}" > "$build/run-suites.log" 2>&1 ||
    { grep -E "FAILED|error" "$build/run-suites.log" | head -n 20; exit 1; }

# The folder the suites run with: the Qt and MinGW run-time libraries and the offscreen platform.
# The golden files and pictures the suites read are named by absolute paths into the source tree,
# which Wine reaches through drive Z:. The suites are linked in only for the import check.
mkdir -p "$run/platforms" "$run/fonts"
for suite in "${suites[@]}"; do ln -sf "$build/$suite.exe" "$run/"; done
for module in Core Gui Widgets PrintSupport Test; do cp -u "$qt/bin/Qt6$module.dll" "$run/"; done
cp -u "$qt/plugins/platforms/qoffscreen.dll" "$run/platforms/"
"$here/scripts/windows/copy-runtime.sh" "$run"
# The offscreen platform on Windows reads the fonts of one folder, no system's: the faces the
# Linux suites see through fontconfig.
find /usr/share/fonts -type f \( -name '*.ttf' -o -name '*.otf' \) -exec ln -sf -t "$run/fonts" {} +

"$here/scripts/windows/check-imports.sh" "$run"

export WINEPREFIX="$prefix" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i > /dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT

# One line a suite; a suite that fails is shown in full, from the results file Qt Test wrote. A
# suite that hangs is ended by CTest's time limit, as on Linux.
regex="^($(IFS='|'; echo "${suites[*]}"))\$"
ctest --test-dir "$build" -R "$regex" --output-on-failure
