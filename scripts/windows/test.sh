#!/usr/bin/env bash
# Builds ソラニカ for Windows (scripts/windows/build.sh) and tests it under Wine: every Qt Test
# suite (scripts/windows/run-suites.sh), soranika-cli in both forms against the Linux build, the
# installer's silent install, the installed program driven through its windows
# (scripts/windows/window-checks.sh), the uninstall, and the installer over an older version
# (scripts/windows/upgrade-check.sh). Installs what is missing.
#   scripts/windows/test.sh [--docs]
# --docs also copies the screenshots the developer's guide shows (docs/developers.md) into docs/.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build="$here/build-windows"

# The program, the portable zip and the installer; then the suites against the same build.
"$here/scripts/windows/build.sh" > /dev/null
"$here/scripts/setup-debian.sh" wine wine64 xvfb xdotool imagemagick faketime locales \
    poppler-utils
export WINEPREFIX="$build/wine" WINEDEBUG=-all
# Without an X display (soranika-cli, the installer) Wine 10 (Debian 13) tries Wayland, whose
# library writes an error into the output the checks read when there is no runtime folder, as
# under CI; an empty one of the tests' own keeps it quiet.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$build/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi
passed=0
failed=0
# The prefix is the tests' own: what an earlier run left in the registry goes, so that the
# settings suite has the store to itself.
[ -f "$WINEPREFIX/system.reg" ] && wine reg delete 'HKCU\Software\vobrel' /f > /dev/null 2>&1
if "$here/scripts/windows/run-suites.sh" "$build" "$WINEPREFIX"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi
trap 'wineserver -k 2>/dev/null || true' EXIT
# The page the Windows build printed (Qt's PDF output, as a printer gets it): one page, its
# text vector text in the IPA face, the type's title in it; kept as a picture to look at.
page="$build/suites/output/detail-page.pdf"
mkdir -p "$build/screenshots"
fonts=$(pdffonts "$page" 2>&1 || true)
# Text extraction puts spaces between runs of the title's glyphs.
text=$(pdftotext "$page" - 2>&1 | tr -d " " || true)
if [ "$(pdfinfo "$page" 2>/dev/null | sed -n 's/^Pages: *//p')" = 1 ] &&
    [[ $fonts == *IPAPGothic* ]] && [[ $text == *磁気を帯びたイノシシ* ]]; then
    passed=$((passed + 1))
    pdftoppm -r 72 -png -singlefile "$page" "$build/screenshots/printed-page"
else
    failed=$((failed + 1))
    echo "FAIL: the page printed by the Windows build ($page) is not the detail page"
fi

# The programs as they are shipped: the portable folder.
run="$build/package/soranika"
# soranika-cli as a person types it (the era in Japanese on the command line) and as a script.
single=$(cd "$run" && wine soranika-cli.exe --today 2026-12-07 昭和 60 5 12 2>&1 | head -n 3)
if grep -q "生年月日：S60/5/12" <<< "$single"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAIL: soranika-cli 昭和 60 5 12 under Wine: $single"
fi
# The same answers as the Linux build for every line of a fixed input. Standard output is text on
# Windows: a line ends in CR LF there.
sample="$here/tests/cli/batch-sample.tsv"
linux_batch=$("$here/build/program/soranika-cli" --today 2026-12-07 --batch < "$sample")
windows_batch=$(cd "$run" && wine soranika-cli.exe --today 2026-12-07 --batch < "$sample" 2>&1 |
    tr -d '\r')
if [ "$windows_batch" = "$linux_batch" ] && [ "$(wc -l <<< "$linux_batch")" -eq 30 ]; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAIL: soranika-cli --batch under Wine differs from the Linux build:"
    diff <(echo "$linux_batch") <(echo "$windows_batch") | head -n 10
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

# The installed program driven through its windows, against the Linux build of the same source.
if "$here/scripts/windows/window-checks.sh" "$installed" "$here/build/program" "$build/screenshots"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi
# The uninstaller leaves the history and the settings as they are.
[ -f "$installed/SanRireki.txt" ] || printf 'history\r\n' > "$installed/SanRireki.txt"
history_before=$(md5sum < "$installed/SanRireki.txt")
wine reg add 'HKCU\Software\vobrel\OrganizationDefaults\section1' /v Rireki /d 7 /f > /dev/null 2>&1
wine "$(winepath -w "$installed/uninstall.exe")" /S && wineserver -w
sleep 2
left=$(ls "$installed" 2>/dev/null | tr '\n' ' ')
kept=$(wine reg query 'HKCU\Software\vobrel\OrganizationDefaults\section1' /v Rireki 2>/dev/null |
    tr -d '\r' | sed -n 's/^ *Rireki *REG_SZ *//p')
if [ "$left" = "SanRireki.txt " ] && [ ! -f "$menu_entry" ] && [ "$kept" = 7 ] &&
    [ "$(md5sum < "$installed/SanRireki.txt")" = "$history_before" ]; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "FAIL: after uninstalling, left: $left; Rireki '$kept'"
fi
rm -rf "$installed"
# The installer over an older installed version, silently and through its pages.
. "$here/scripts/lib/version.sh"
if "$here/scripts/windows/upgrade-check.sh" "$build/package" "$(project_version "$here")"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi

# --docs: the developer's guide's pictures of the Windows build, from this run's screenshots.
if [ "${1:-}" = --docs ] && [ "$failed" -eq 0 ]; then
    docs="$here/docs"
    cp "$build/screenshots/main-window.png" "$docs/windows-main-window.png"
    cp "$build/screenshots/detail-window.png" "$docs/windows-detail-window.png"
    cp "$build/screenshots/history-in-notepad.png" "$docs/windows-history-in-notepad.png"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
