#!/usr/bin/env bash
# Builds ソラニカ for Windows (scripts/windows/build.sh) and tests it under Wine: the suites that
# need no window system yet (the engine, the type table, code page 932), soranika-cli in both
# forms, and the installer's silent install and uninstall. Installs what is missing.
#   scripts/windows/test.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
qt=$("$here/scripts/windows/build-qt.sh" | tail -n 1)
build="$here/build-windows"
suites=(tst_birthdate tst_typecycle tst_typetable tst_cp932)

# The program, the portable zip and the installer; then the suites against the same build.
"$here/scripts/windows/build.sh" > /dev/null
"$here/scripts/setup-debian.sh" wine wine64
ninja -C "$build" "${suites[@]}" > "$build.log" 2>&1 ||
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
# The installer, silently, as a user without administrator rights: the program folder under
# %LOCALAPPDATA%\Programs, the Start-menu entry; the uninstaller leaves the history.
setup="$build/package/soranika-setup.exe"
wine "$setup" /S && wineserver -w
installed="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/ソラニカ"
menu_entry="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/ソラニカ.lnk"
version=$(cd "$installed" 2>/dev/null && wine soranika-cli.exe --version 2>&1 | tr -d '\r')
if [ -f "$installed/soranika.exe" ] && [ -f "$menu_entry" ] && [ "$version" = "soranika-cli 1.0" ]; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAIL: the installer did not install the program ($installed, '$version')"
fi
printf 'history\r\n' > "$installed/SanRireki.txt"
wine "$(winepath -w "$installed/uninstall.exe")" /S && wineserver -w
sleep 2
left=$(ls "$installed" 2>/dev/null | tr '\n' ' ')
if [ "$left" = "SanRireki.txt " ] && [ ! -f "$menu_entry" ]; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAIL: after uninstalling, left: $left"
fi
rm -rf "$installed"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
