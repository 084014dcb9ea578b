#!/usr/bin/env bash
# Builds ソラニカ for Windows against the cached Qt for Windows (scripts/windows/build-qt.sh, built
# once) and runs under Wine what needs no window system yet: the test suites of the engine, the
# type table and code page 932, and soranika-cli in both forms. Installs what is missing.
#   scripts/windows/test.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
qt=$("$here/scripts/windows/build-qt.sh" | tail -n 1)
build="$here/build-windows"
suites=(tst_birthdate tst_typecycle tst_typetable tst_cp932)

# The build-time tools come from the native build.
"$here/scripts/build.sh" "$here/build" > "$here/build.log" 2>&1 ||
    { tail -n 40 "$here/build.log"; exit 1; }
for package in wine wine64; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ -n "${missing[*]:-}" ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi

"$qt/bin/qt-cmake" -G Ninja -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=ON -DSORANIKA_HOST_TOOLS="$here/build" > "$build.configure.log" 2>&1 ||
    { tail -n 40 "$build.configure.log"; exit 1; }
ninja -C "$build" soranika soranika-cli "${suites[@]}" > "$build.log" 2>&1 ||
    { grep -E "FAILED|error" "$build.log" | head -n 20; exit 1; }

# A folder that runs: the programs, the Qt and MinGW run-time libraries they need.
run="$build/run"
mkdir -p "$run"
cp "$build"/program/*.exe "$run/"
for suite in "${suites[@]}"; do
    cp "$(find "$build" -path "$run" -prune -o -name "$suite.exe" -print | head -n 1)" "$run/"
done
cp "$qt"/bin/Qt6Core.dll "$qt"/bin/Qt6Test.dll "$run/"
mingw=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
cp "$mingw/libstdc++-6.dll" "$mingw/libgcc_s_seh-1.dll" \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$run/"

export WINEPREFIX="$build/wine" WINEDEBUG=-all
[ -d "$WINEPREFIX" ] || wineboot -i > /dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
passed=0
failed=0
for suite in "${suites[@]}"; do
    # Qt Test's results do not come through a pipe from Wine; a file does.
    rm -f "$run/$suite.txt"
    if (cd "$run" && wine "$suite.exe" -o "$suite.txt,txt" > /dev/null 2>&1); then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        grep -E "^FAIL" -A3 "$run/$suite.txt" 2>/dev/null || echo "FAIL: $suite did not run"
    fi
    grep -h "^Totals" "$run/$suite.txt" 2>/dev/null | sed "s/^/$suite: /" || true
done

# soranika-cli as a person types it (the era in Japanese on the command line) and as a script.
single=$(cd "$run" && wine soranika-cli.exe --today 2026-12-07 昭和 60 5 12 2>&1 | head -n 3)
if grep -q "生年月日：S60/5/12" <<< "$single"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAIL: soranika-cli 昭和 60 5 12 under Wine: $single"
fi
# Standard output is text on Windows: a line ends in CR LF there.
batch=$(cd "$run" && printf '令和\t1\t5\t1\n' | wine soranika-cli.exe --today 2000-01-01 --batch 2>&1 |
    tr -d '\r')
if [ "$batch" = $'R1/5/1\t****/5/1\t35\t-7060\t-20\t家畜化しない山犬' ]; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAIL: soranika-cli --batch under Wine: $batch"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
