#!/usr/bin/env bash
# Drives the installed Windows program under Wine in a private X server, as a person would: a
# reading, Record, the detail window, 履歴表示 in Wine's notepad, the window colour, a second
# copy, Quit. Checks the history file's bytes against those the Linux program writes for the same
# entry at the same moment, and the settings in the registry. Keeps screenshots in SHOTS.
#   window-checks.sh INSTALLED_FOLDER LINUX_PROGRAM_FOLDER SHOTS
# WINEPREFIX names the Wine prefix the program is installed in; SORANIKA_CONTROL_TABLE the control
# table of the Linux build (its build folder's control-table.txt by default), which the clicks
# follow. Prints PASS and FAIL lines and a count; exits 1 when a check failed.
set -uo pipefail
installed=${1:?usage: window-checks.sh INSTALLED_FOLDER LINUX_PROGRAM_FOLDER SHOTS}
linux_program=${2:?usage: window-checks.sh INSTALLED_FOLDER LINUX_PROGRAM_FOLDER SHOTS}
shots=${3:?usage: window-checks.sh INSTALLED_FOLDER LINUX_PROGRAM_FOLDER SHOTS}
: "${WINEPREFIX:?WINEPREFIX must name the prefix the program is installed in}"
export WINEDEBUG=-all
export SORANIKA_CONTROL_TABLE=${SORANIKA_CONTROL_TABLE:-$linux_program/../control-table.txt}
. "$(dirname "$0")/../lib/desktop-session.sh"
. "$(dirname "$0")/../lib/checks.sh"
trap 'end_process ${app:-} ${second:-} ${linux:-} ${notepad_pid:-}; wineserver -k 2>/dev/null; session_end' EXIT
session_start
mkdir -p "$shots"
# Wine takes its ANSI code page from the locale: 932, as on a Japanese Windows. The locale is
# made here rather than on the system; without it Wine cannot read the folder name ソラニカ.
mkdir -p "$SESSION_DIR/locale"
localedef -i ja_JP -f UTF-8 "$SESSION_DIR/locale/ja_JP.UTF-8" 2> /dev/null
export LOCPATH="$SESSION_DIR/locale" LANG=ja_JP.UTF-8

key='HKCU\Software\vobrel\OrganizationDefaults\section1'
# Prints the value $1 of the program's settings in the registry.
setting() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"
}
# Opens the menu whose title is at $1 pixels from the left of the menu bar of main window $2. A
# click, as the keyboard focus is not the program's after another program's window has gone.
open_menu() {
    xdotool mousemove --window "$2" "$1" $(($(client_top "$2" Form1) / 2)) click 1
    sleep 0.3
}
# The colour of pixel ($2, $3) of window $1 as "#RRGGBB".
pixel() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p' | head -n 1
}
# A reading of 12 May of Showa 60 typed into the main window $1 and appraised. The era is chosen
# from its list, as Wine cannot take kanji typed through xdotool (see "What Wine cannot do" in
# docs/developers.md).
appraise() {
    xdotool windowfocus --sync "$1"
    sleep 0.3
    xdotool key ctrl+a Home Down Down Down Tab
    xdotool type 60
    xdotool key Tab
    xdotool type 5
    xdotool key Tab
    xdotool type 12
    click_control "$1" Form1 Command1 # 鑑　定
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
window=$(window_of $app) || { cat "$SESSION_DIR/wine.log"; give_up "the installed program shows no window"; }
menu_height=$(client_top "$window" Form1)
sleep 1
colour=$(pixel "$window" 4 $((menu_height + 30)))
if [ "$colour" = "#E0E0FF" ]; then
    pass "the main window opens in the colour from the registry"
else
    fail "the main window's colour is $colour, not #E0E0FF from the registry"
fi

appraise "$window"
import -window "$window" "$shots/main-window.png"
click_control "$window" Form1 btnKioku # 記　録
wait_until 5 test -s "$installed/SanRireki.txt"
recorded=$(iconv -f CP932 -t UTF-8 "$installed/SanRireki.txt" 2>/dev/null | tr -d '\r' |
    sed -n 's/^鑑定日：//p')
if grep -q "生年月日：S60/5/12" <(iconv -f CP932 -t UTF-8 "$installed/SanRireki.txt" 2>/dev/null); then
    pass "Record wrote the reading to SanRireki.txt in the program folder"
else
    fail "no reading of S60/5/12 in $installed/SanRireki.txt"
fi
if [ "$(setting Rireki)" = 1 ] && [ -n "$recorded" ] && [ "$(setting Time)" = "$recorded" ]; then
    pass "Rireki 1 and Time $recorded read back from the registry"
else
    fail "registry after Record: Rireki '$(setting Rireki)', Time '$(setting Time)', history '$recorded'"
fi

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
    appraise "$linux_window"
    click_control "$linux_window" Form1 btnKioku # 記　録
    click_control "$linux_window" Form1 Command2 # 終　了
fi
wait_exit $linux 10 || end_process $linux
linux=
if cmp -s "$linux_copy/SanRireki.txt" "$installed/SanRireki.txt"; then
    pass "the history file's bytes are those the Linux program writes ($(stat -c %s "$installed/SanRireki.txt") bytes)"
else
    fail "the history files differ: $(cmp "$linux_copy/SanRireki.txt" "$installed/SanRireki.txt" 2>&1)"
fi

# 印　刷 answers with a window: Windows' print dialog, or, where no printer is set up (as in a
# fresh Wine prefix), a message that says so.
click_control "$window" Form1 Command4 # 印　刷
answer=$(other_window $app "$window" 6) || answer=""
if [ -n "$answer" ]; then
    sleep 0.5
    import -window "$answer" "$shots/print.png"
    pass "印　刷 answers with a window"
    xdotool mousemove --window "$answer" 10 10 click 1
    sleep 0.3
    xdotool key Escape
    window_alone $app "$window"
else
    fail "印　刷 did nothing that can be seen"
fi

click_control "$window" Form1 Command5 # 詳細表示
if detail=$(window_named '^詳細表示$'); then
    sleep 1
    import -window "$detail" "$shots/detail-window.png"
    pass "the detail window opens"
    # A click makes it the active window; Alt+F4 closes it, as on Windows.
    xdotool mousemove --window "$detail" 10 10 click 1
    sleep 0.3
    xdotool key alt+F4
    no_window_named '^詳細表示$' ||
        { import -window root "$shots/debug-close.png"; fail "Alt+F4 did not close the detail window"; }
else
    fail "no detail window"
fi

# 履歴表示 is the first entry of the file menu: Wine's notepad opens the history file.
open_menu 20 "$window"
xdotool key Down Return
if notepad=$(window_named 'SanRireki'); then
    sleep 1
    import -window "$notepad" "$shots/history-in-notepad.png"
    pass "履歴表示 opens SanRireki.txt in notepad ($(xdotool getwindowname "$notepad"))"
    # Wine starts notepad apart from the program, not as its child: the window names the process
    # that shows it, and that one is ended, never the program itself.
    notepad_pid=$(xdotool getwindowpid "$notepad" 2> /dev/null)
    if [ -n "$notepad_pid" ] && [ "$notepad_pid" != "$app" ]; then
        end_process "$notepad_pid"
        no_window_named 'SanRireki' || fail "notepad (process $notepad_pid) did not end"
    else
        fail "notepad's window names no process of its own ('$notepad_pid')"
    fi
else
    fail "履歴表示 opened no notepad window"
fi

# フォーム色を変更, the first entry: the colour dialog, with Qt's Japanese texts shipped beside
# the program. Cancelled, it keeps the colour.
open_menu 85 "$window"
xdotool key Down Return
dialog=$(other_window $app "$window" 6) || dialog=""
if [ -n "$dialog" ] && [ "$(xdotool getwindowname "$dialog")" = 色を選択 ]; then
    sleep 0.5
    import -window "$dialog" "$shots/colour-dialog.png"
    pass "フォーム色を変更 opens the colour dialog, in Japanese"
    # キャンセル is the last button, at the dialog's bottom right.
    dialog_size=$(window_size "$dialog")
    xdotool mousemove --window "$dialog" $((${dialog_size%x*} - 49)) $((${dialog_size#*x} - 23)) click 1
    window_alone $app "$window"
else
    # shellcheck disable=SC2016 # the quotes are part of the message
    fail "フォーム色を変更: ${dialog:+a window named '$(xdotool getwindowname "$dialog")'}${dialog:-no dialog}"
fi

# フォーム色を元に戻す, the second entry of the options menu, stores the default colour.
open_menu 85 "$window"
xdotool key Down Down Return
sleep 0.5
if [ "$(setting Color)" = 12632319 ] && [ "$(pixel "$window" 4 $((menu_height + 30)))" = "#FFC0C0" ]; then
    pass "フォーム色を元に戻す stores Color 12632319 and shows it"
else
    fail "after フォーム色を元に戻す: Color '$(setting Color)', window $(pixel "$window" 4 $((menu_height + 30)))"
fi

# ﾊﾞｰｼﾞｮﾝ, the second entry of the help menu: the about window, whose link opens the home page
# through ShellExecuteA.
open_menu 145 "$window"
xdotool key Down Down Return
about=$(other_window $app "$window" 6) || about=""
if [ -n "$about" ]; then
    sleep 0.5
    import -window "$about" "$shots/about.png"
    # The link's text starts at its box's left edge, and may be shorter than the box.
    click_control "$about" Form4 Label5 36
    wait_until 5 test -s "$SESSION_DIR/opened.txt"
    expected=$(control_text Form4 Label5)
    opened=$(cat "$SESSION_DIR/opened.txt" 2>/dev/null)
    if [ -n "$expected" ] && [ "$opened" = "$expected" ]; then
        pass "the about window's link opens $opened through ShellExecuteA"
    else
        fail "the about window's link opened '$opened', not '$expected'"
    fi
    xdotool mousemove --window "$about" 10 150 click 1
    sleep 0.3
    xdotool key alt+F4
    window_alone $app "$window"
else
    fail "ﾊﾞｰｼﾞｮﾝ opened no window"
fi

# A second copy says so and ends after OK; the first runs on.
(cd "$installed" && exec wine soranika.exe) > "$SESSION_DIR/wine.log" 2>&1 &
second=$!
if box=$(window_of $second); then
    sleep 0.5
    import -window "$box" "$shots/second-copy.png"
    dismiss "$box" -- wait_exit $second 0
fi
if ! kill -0 $second 2>/dev/null && kill -0 $app 2>/dev/null; then
    pass "a second copy is refused and ends; the first runs on"
else
    fail "a second copy was not refused"
fi

click_control "$window" Form1 Command2 # 終　了
if wait_exit $app 10 && [ "$EXIT_STATUS" = 0 ]; then
    pass "終　了 ends the program"
else
    fail "終　了 did not end the program"
fi
check_summary
