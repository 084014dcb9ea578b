#!/usr/bin/env bash
# Builds every Qt Test suite of a Windows cross build and runs each under Wine on the offscreen
# platform, with no X server: one line per suite with its totals, then every failure in full.
# Exits non-zero when a suite fails or does not run.
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

# The suites are the Qt Test executables CMake made targets for.
mapfile -t suites < <(ninja -C "$build" -t targets all | sed -n 's/^\(tst_[a-z0-9_]*\)\.exe: .*/\1/p')
if [ ${#suites[@]} -eq 0 ]; then
    echo "no suites in $build (configured with BUILD_TESTING=OFF?)" >&2
    exit 2
fi
ninja -C "$build" "${suites[@]}" > "$build/run-suites.log" 2>&1 ||
    { grep -E "FAILED|error" "$build/run-suites.log" | head -n 20; exit 1; }

# A folder that runs them: the suites with the Qt and MinGW run-time libraries and the offscreen
# platform. The golden files and pictures the suites read are named by absolute paths into the
# source tree, which Wine reaches through drive Z:.
run="$build/suites"
mkdir -p "$run/platforms" "$run/fonts"
for suite in "${suites[@]}"; do cp -u "$build/$suite.exe" "$run/"; done
for module in Core Gui Widgets PrintSupport Test; do cp -u "$qt/bin/Qt6$module.dll" "$run/"; done
cp -u "$qt/plugins/platforms/qoffscreen.dll" "$run/platforms/"
"$here/scripts/windows/copy-runtime.sh" "$run"
# The offscreen platform on Windows reads the fonts of one folder, no system's: the faces the
# Linux suites see through fontconfig.
find /usr/share/fonts -type f \( -name '*.ttf' -o -name '*.otf' \) -exec ln -sf -t "$run/fonts" {} +

"$here/scripts/windows/check-imports.sh" "$run"

# Wine leaves out of a program's environment every variable whose name starts with QT_ (so that
# a Linux desktop's Qt settings do not reach Windows programs); a WINE in front gets one through,
# without the WINE. Without an X server Wine still gives Qt the hidden windows it needs.
export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR="Z:${run//\//\\}\\fonts"
# What the suites keep for a person to look at (the printed page): <build>/suites/output.
mkdir -p "$run/output"
export SORANIKA_TEST_OUTPUT="Z:${run//\//\\}\\output"
unset DISPLAY WAYLAND_DISPLAY
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i > /dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT

failed=0
for suite in "${suites[@]}"; do
    # Qt Test's results do not come through a pipe from Wine; a file does. A suite that hangs is
    # ended, as CTest ends it on Linux.
    rm -f "$run/$suite.txt"
    status=0
    (cd "$run" && timeout 300 wine "$suite.exe" -o "$suite.txt,txt" > /dev/null 2>&1) || status=$?
    totals=$(grep -h "^Totals" "$run/$suite.txt" 2>/dev/null || true)
    echo "$suite: ${totals:-did not finish (exit status $status)}"
    if [ "$status" -ne 0 ]; then
        failed=$((failed + 1))
        # Each failure with the lines that belong to it, up to the next result.
        awk '/^FAIL!/ { show = 1 } /^(PASS|SKIP|XFAIL|XPASS|QWARN|QDEBUG|QINFO|Totals)/ { show = 0 }
             show' "$run/$suite.txt" 2>/dev/null || true
    fi
done
[ "$failed" -eq 0 ]
