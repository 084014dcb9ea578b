#!/usr/bin/env bash
# Drives the installed Windows program under Wine in a private X server, as a person would: a
# reading, Record, the detail window, 履歴表示 in Wine's notepad, the window colour, a second
# copy, Quit. Checks the history file's bytes against those the Linux program writes for the same
# entry at the same moment, and the settings in the registry. Keeps screenshots in SHOTS.
#   window-checks.sh INSTALLED_FOLDER LINUX_PROGRAM_FOLDER SHOTS
# WINEPREFIX names the Wine prefix the program is installed in. Prints PASS and FAIL lines; the
# exit status is the number of failures.
set -uo pipefail
installed=${1:?usage: window-checks.sh INSTALLED_FOLDER LINUX_PROGRAM_FOLDER SHOTS}
linux_program=${2:?usage: window-checks.sh INSTALLED_FOLDER LINUX_PROGRAM_FOLDER SHOTS}
shots=${3:?usage: window-checks.sh INSTALLED_FOLDER LINUX_PROGRAM_FOLDER SHOTS}
: "${WINEPREFIX:?WINEPREFIX must name the prefix the program is installed in}"
export WINEDEBUG=-all
. "$(dirname "$0")/../lib/desktop-session.sh"
trap 'kill -9 ${app:-} ${second:-} ${linux:-} 2>/dev/null; wineserver -k 2>/dev/null; session_end' EXIT
session_start
mkdir -p "$shots"
# Wine takes its ANSI code page from the locale: 932, as on a Japanese Windows. The locale is
# made here rather than on the system; without it Wine cannot read the folder name ソラニカ.
mkdir -p "$SESSION_DIR/locale"
localedef -i ja_JP -f UTF-8 "$SESSION_DIR/locale/ja_JP.UTF-8" 2> /dev/null
export LOCPATH="$SESSION_DIR/locale" LANG=ja_JP.UTF-8

failures=0
pass() { echo "PASS: $*"; }
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
key='HKCU\Software\vobrel\OrganizationDefaults\section1'
# Prints the value $1 of the program's settings in the registry.
setting() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"
}
# Clicks a button of the main window by its centre in the client area, below the menu bar.
click() {
    xdotool mousemove --window "$window" "$1" $((menu_height + $2)) click 1
    sleep 0.5
}
# Opens the menu whose title is at $1 pixels from the left of the menu bar. A click, as the keyboard
# focus is not the program's after another program's window has gone.
open_menu() {
    xdotool mousemove --window "$window" "$1" $((menu_height / 2)) click 1
    sleep 0.3
}
# Waits up to 15 s for a visible window whose name matches $1 and prints its id.
window_named() {
    local found tries=0
    while [ $tries -lt 150 ]; do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        tries=$((tries + 1))
        sleep 0.1
    done
    return 1
}
# Waits up to 6 s for a visible window of the program besides the main window (a dialog, a message,
# the about window) and prints its id.
second_window() {
    local found tries=0
    while [ $tries -lt 30 ]; do
        found=$(xdotool search --onlyvisible --pid $app 2>/dev/null | grep -v "^$window\$" | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        tries=$((tries + 1))
        sleep 0.2
    done
    return 1
}
# Waits up to 3 s until the main window is the program's only visible window again.
main_window_alone() {
    local tries
    for tries in $(seq 10); do
        xdotool search --onlyvisible --pid $app 2>/dev/null | grep -qv "^$window\$" || return 0
        sleep 0.3
    done
}
# The colour of pixel ($2, $3) of window $1 as "#RRGGBB".
pixel() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p' | head -n 1
}
# A reading of 12 May of Showa 60 typed into the main window $1 and appraised. The era is chosen
# from its list, as Wine cannot take kanji typed through xdotool (see the README).
appraise() {
    xdotool windowfocus --sync "$1"
    sleep 0.3
    xdotool key ctrl+a Home Down Down Down Tab
    xdotool type 60
    xdotool key Tab
    xdotool type 5
    xdotool key Tab
    xdotool type 12
    click 488 84
}

wine reg delete 'HKCU\Software\vobrel' /f > /dev/null 2>&1
# Wine hands web addresses to the first program of this list; here one that notes what it got.
browser="$SESSION_DIR/browser.sh"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' "$SESSION_DIR/opened.txt" > "$browser"
chmod +x "$browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$browser" /f > /dev/null 2>&1
rm -f "$installed/SanRireki.txt"
# A colour a user chose earlier, 00FFE0E0 (a pale blue): the program starts in it.
wine reg add "$key" /v Color /t REG_SZ /d 16769248 /f > /dev/null 2>&1

(cd "$installed" && exec wine soranika.exe) > "$SESSION_DIR/wine.log" 2>&1 &
app=$!
window=$(window_of $app) || { cat "$SESSION_DIR/wine.log"; fail "the installed program shows no window"; exit "$failures"; }
size=$(window_size "$window")
menu_height=$((${size#*x} - 375))
sleep 1
colour=$(pixel "$window" 4 $((menu_height + 30)))
[ "$colour" = "#E0E0FF" ] && pass "the main window opens in the colour from the registry" ||
    fail "the main window's colour is $colour, not #E0E0FF from the registry"

appraise "$window"
import -window "$window" "$shots/main-window.png"
click 488 180
tries=0
while [ ! -s "$installed/SanRireki.txt" ] && [ $tries -lt 50 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
recorded=$(iconv -f CP932 -t UTF-8 "$installed/SanRireki.txt" 2>/dev/null | tr -d '\r' |
    sed -n 's/^鑑定日：//p')
if grep -q "生年月日：S60/5/12" <(iconv -f CP932 -t UTF-8 "$installed/SanRireki.txt" 2>/dev/null); then
    pass "Record wrote the reading to SanRireki.txt in the program folder"
else
    fail "no reading of S60/5/12 in $installed/SanRireki.txt"
fi
[ "$(setting Rireki)" = 1 ] && [ -n "$recorded" ] && [ "$(setting Time)" = "$recorded" ] &&
    pass "Rireki 1 and Time $recorded read back from the registry" ||
    fail "registry after Record: Rireki '$(setting Rireki)', Time '$(setting Time)', history '$recorded'"

# The Linux program, its clock held at the moment the Windows one recorded, typed the same way.
linux_copy="$SESSION_DIR/linux-program"
mkdir -p "$linux_copy"
cp "$linux_program/soranika" "$linux_program/readme.txt" "$linux_program"/*.tkb "$linux_copy/"
moment=${recorded:-2000/01/01}
# At midnight the program writes the date alone.
[[ $moment == *:* ]] || moment="$moment 00:00:00"
LC_ALL=C.UTF-8 LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="$moment" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 FAKETIME_FMT="%Y/%m/%d %H:%M:%S" \
    "$linux_copy/soranika" > /dev/null 2>&1 &
linux=$!
if linux_window=$(window_of $linux); then
    saved_window=$window
    window=$linux_window
    menu_height=$(($(window_size "$window" | sed 's/.*x//') - 375))
    appraise "$window"
    click 488 180
    sleep 0.5
    window=$saved_window
    menu_height=$((${size#*x} - 375))
    xdotool mousemove --window "$linux_window" 488 $(($(window_size "$linux_window" | sed 's/.*x//') - 375 + 324)) click 1
fi
wait_exit $linux 10 || kill -9 $linux 2>/dev/null
if cmp -s "$linux_copy/SanRireki.txt" "$installed/SanRireki.txt"; then
    pass "the history file's bytes are those the Linux program writes ($(stat -c %s "$installed/SanRireki.txt") bytes)"
else
    fail "the history files differ: $(cmp "$linux_copy/SanRireki.txt" "$installed/SanRireki.txt" 2>&1)"
fi

# 印　刷 answers with a window: Windows' print dialog, or, where no printer is set up (as in a
# fresh Wine prefix), a message that says so.
click 488 228
answer=$(second_window) || answer=""
if [ -n "$answer" ]; then
    sleep 0.5
    import -window "$answer" "$shots/print.png"
    pass "印　刷 answers with a window"
    xdotool mousemove --window "$answer" 10 10 click 1
    sleep 0.3
    xdotool key Escape
    main_window_alone
else
    fail "印　刷 did nothing that can be seen"
fi

click 488 132
if detail=$(window_named '^詳細表示$'); then
    sleep 1
    import -window "$detail" "$shots/detail-window.png"
    pass "the detail window opens"
    # A click makes it the active window; Alt+F4 closes it, as on Windows.
    xdotool mousemove --window "$detail" 10 10 click 1
    sleep 0.3
    xdotool key alt+F4
    for tries in 1 2 3 4 5 6 7 8 9 10; do
        xdotool search --onlyvisible --name '^詳細表示$' > /dev/null 2>&1 || break
        sleep 0.3
    done
    xdotool search --onlyvisible --name '^詳細表示$' > /dev/null 2>&1 &&
        { import -window root "$shots/debug-close.png"; fail "Alt+F4 did not close the detail window"; }
else
    fail "no detail window"
fi

# 履歴表示 is the first entry of the file menu: Wine's notepad opens the history file.
open_menu 20
xdotool key Down Return
if notepad=$(window_named 'SanRireki'); then
    sleep 1
    import -window "$notepad" "$shots/history-in-notepad.png"
    pass "履歴表示 opens SanRireki.txt in notepad ($(xdotool getwindowname "$notepad"))"
    pkill -f 'notepad.exe' 2> /dev/null
    sleep 0.5
else
    fail "履歴表示 opened no notepad window"
fi

# フォーム色を変更, the first entry: the colour dialog, with Qt's Japanese texts shipped beside
# the program. Cancelled, it keeps the colour.
open_menu 85
xdotool key Down Return
dialog=$(second_window) || dialog=""
if [ -n "$dialog" ] && [ "$(xdotool getwindowname "$dialog")" = 色を選択 ]; then
    sleep 0.5
    import -window "$dialog" "$shots/colour-dialog.png"
    pass "フォーム色を変更 opens the colour dialog, in Japanese"
    # キャンセル is the last button, at the dialog's bottom right.
    dialog_size=$(window_size "$dialog")
    xdotool mousemove --window "$dialog" $((${dialog_size%x*} - 49)) $((${dialog_size#*x} - 23)) click 1
    main_window_alone
else
    fail "フォーム色を変更: ${dialog:+a window named '$(xdotool getwindowname "$dialog")'}${dialog:-no dialog}"
fi

# フォーム色を元に戻す, the second entry of the options menu, stores the default colour.
open_menu 85
xdotool key Down Down Return
sleep 0.5
[ "$(setting Color)" = 12632319 ] && [ "$(pixel "$window" 4 $((menu_height + 30)))" = "#FFC0C0" ] &&
    pass "フォーム色を元に戻す stores Color 12632319 and shows it" ||
    fail "after フォーム色を元に戻す: Color '$(setting Color)', window $(pixel "$window" 4 $((menu_height + 30)))"

# ﾊﾞｰｼﾞｮﾝ, the second entry of the help menu: the about window, whose link opens the home page
# through ShellExecuteA.
open_menu 145
xdotool key Down Down Return
about=$(second_window) || about=""
if [ -n "$about" ]; then
    sleep 0.5
    import -window "$about" "$shots/about.png"
    # The link's text starts at (24, 96) of the window.
    xdotool mousemove --window "$about" 60 103 click 1
    for tries in $(seq 25); do
        [ -s "$SESSION_DIR/opened.txt" ] && break
        sleep 0.2
    done
    expected=$(sed -n 's/.*HomePageAddress = QStringLiteral("\(.*\)");/\1/p' \
        "$(dirname "$0")/../../appearance/ProductInfo.h")
    opened=$(cat "$SESSION_DIR/opened.txt" 2>/dev/null)
    [ -n "$expected" ] && [ "$opened" = "$expected" ] &&
        pass "the about window's link opens $opened through ShellExecuteA" ||
        fail "the about window's link opened '$opened', not '$expected'"
    xdotool mousemove --window "$about" 10 150 click 1
    sleep 0.3
    xdotool key alt+F4
    main_window_alone
else
    fail "ﾊﾞｰｼﾞｮﾝ opened no window"
fi

# A second copy says so and ends after OK; the first runs on.
(cd "$installed" && exec wine soranika.exe) > "$SESSION_DIR/wine.log" 2>&1 &
second=$!
if box=$(window_of $second); then
    sleep 0.5
    import -window "$box" "$shots/second-copy.png"
    for attempt in 1 2 3; do
        xdotool windowfocus --sync "$box" 2>/dev/null
        xdotool key Return
        wait_exit $second 3 && break
    done
fi
if ! kill -0 $second 2>/dev/null && kill -0 $app 2>/dev/null; then
    pass "a second copy is refused and ends; the first runs on"
else
    fail "a second copy was not refused"
fi

click 488 324
wait_exit $app 10 && [ "$EXIT_STATUS" = 0 ] && pass "終　了 ends the program" ||
    fail "終　了 did not end the program"
exit "$failures"
