#!/usr/bin/env bash
# Renders the main window under Xvfb to PNG files, for comparing with the layout:
#   main-fresh.png      a fresh start
#   main-reading.png    after an accepted appraisal (昭和60年5月12日, name and memo filled in)
#   main-refused.png    the refusal message over the window
#   main-dark.png       a reading with a dark window colour stored in the settings
#   detail-48.png       the detail window of 昭和60年5月12日 (type 48), name filled in
#   detail-masked.png   the same with 「年令非表示」 checked
#   detail-dark.png     the detail window of 平成1年1月8日 (type 5) in the dark colour
#   help.png, about.png the explanation and about windows
#   history.png         the history window after two Records (山田花子, 髙橋一郎)
#   main-restart.png    the main window started again after them: the status line
#   help-dark.png, about-dark.png, history-dark.png   the other windows in the dark colour
#   detail-page.pdf     the printed detail page, as tests/records/tst_detail prints it
# and the README's pictures, which are never drawn by hand but always made here:
#   docs/main-window.png     = main-reading.png
#   docs/detail-window.png   = detail-48.png
#   docs/printed-page.png    the printed page on its A4 sheet
#   scripts/screenshots.sh [OUTPUT_DIR]      (default: screenshots/)
# SORANIKA_BUILD names the build to take the program and tst_detail from (default: build/).
# Needs a build (scripts/build.sh) and Xvfb, xdotool, ImageMagick and poppler-utils.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$here/screenshots"}
build=${SORANIKA_BUILD:-"$here/build"}
program="$build/program/soranika"
docs="$here/docs"
mkdir -p "$out" "$docs"
export SORANIKA_CONTROL_TABLE=${SORANIKA_CONTROL_TABLE:-$build/control-table.txt}
. "$here/scripts/lib/desktop-session.sh"
. "$here/scripts/lib/checks.sh"
trap 'end_process ${app:-}; session_end' EXIT
session_start

start_program() {
    "$program" & app=$!
    window=$(window_of $app)
    xdotool windowfocus --sync "$window"
    sleep 0.3
}

# Brings the main window to the front with the keyboard; the other windows open over it, and
# keys sent at once would reach the window that had them.
focus_main() {
    xdotool windowraise "$window"
    xdotool windowfocus --sync "$window"
    sleep 0.3
}

stop_program() {
    end_process $app
    app=
}

# Captures another window of the program, found by its size (594x525 the detail window,
# 498x382 the explanation, 350x194 the about window, 624x432 the history window).
window_sized() {
    local candidate
    for candidate in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        [ "$(window_size "$candidate")" = "$1" ] && { echo "$candidate"; return 0; }
    done
    return 1
}
capture_window() {
    local name=$1 size=$2 other
    other=$(wait_until 5 window_sized "$size") || { echo "no $size window for $name" >&2; return 1; }
    sleep 0.4
    import -window "$other" "$out/$name.png"
    echo "$out/$name.png"
}

# Captures the screen around the main window, with a margin for boxes that stand over it.
capture() {
    local name=$1 margin=${2:-0} position left top
    position=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
    read -r left top <<< "$position"
    local size
    size=$(window_size "$window")
    local width=${size%x*} height=${size#*x}
    import -window root -crop "$((width + 2 * margin))x$((height + 2 * margin))+$((left - margin))+$((top - margin))" \
        +repage "$out/$name.png"
    echo "$out/$name.png"
}

# The buttons of the right-hand column, by their names in the control table.
click_appraise() { CLICK_SETTLE=0.4 click_control "$window" Form1 Command1; }
click_detail() { CLICK_SETTLE=0.4 click_control "$window" Form1 Command5; }
click_record() { CLICK_SETTLE=0.4 click_control "$window" Form1 btnKioku; }
click_clear() { CLICK_SETTLE=0.4 click_control "$window" Form1 Command3; }

start_program
capture main-fresh

enter_reading 昭和 60 5 12 山田花子 長女
click_appraise
capture main-reading
click_detail
capture_window detail-48 594x525
focus_main
xdotool key alt+o Up Return   # オプション → 年令非表示, the last entry
sleep 0.2
click_detail
capture_window detail-masked 594x525
focus_main
xdotool key alt+o Up Return
focus_main
xdotool key alt+h Return      # ヘルプ → 説明
capture_window help 498x382
focus_main
xdotool key alt+h Down Return # ヘルプ → ﾊﾞｰｼﾞｮﾝ
capture_window about 350x194
focus_main

click_record
focus_main
click_clear
enter_reading 平成 1 1 8 髙橋一郎 長男
click_appraise
click_record
focus_main
xdotool key alt+f Return      # ﾌｧｲﾙ → 履歴表示
capture_window history 624x432
focus_main

click_clear
enter_reading 西暦 50 1 1
click_appraise
sleep 0.3
capture main-refused 60
xdotool key Return
stop_program

start_program
capture main-restart
stop_program

# A dark slate blue, stored as the program stores it: 00BBGGRR in decimal.
printf '[section1]\nColor=%d\n' $((0x5A3A28)) > "$XDG_CONFIG_HOME/vobrel.conf"
start_program
enter_reading 平成 1 1 8
click_appraise
capture main-dark
click_detail
capture_window detail-dark 594x525
focus_main
xdotool key alt+h Return
capture_window help-dark 498x382
focus_main
xdotool key alt+h Down Return
capture_window about-dark 350x194
focus_main
xdotool key alt+f Return
capture_window history-dark 624x432
stop_program

# The printed page, from the test that prints it to a PDF, onto a sheet with a grey edge so that
# the paper shows against a white page.
SORANIKA_TEST_OUTPUT="$out" QT_QPA_PLATFORM=offscreen \
    "$build/tests/records/tst_detail" printedPageIsOneVectorPageAtItsOwnSize > /dev/null
pdftoppm -r 96 -png -singlefile "$out/detail-page.pdf" "$out/detail-page"

# Without their time stamps the committed pictures change only when what they show does.
keep_picture() {
    local from=$1 to=$2 border=${3:-0}
    convert "$out/$from.png" -bordercolor '#909090' -border "$border" -strip \
        -define png:exclude-chunks=date,time "$to"
    echo "$to"
}
keep_picture main-reading "$docs/main-window.png"
keep_picture detail-48 "$docs/detail-window.png"
keep_picture detail-page "$docs/printed-page.png" 1
