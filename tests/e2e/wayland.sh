#!/usr/bin/env bash
# The real program as a Wayland client of a weston of its own: weston's X11 backend runs inside
# a private X server, which takes the pointer and the keys from xdotool and hands them to weston
# as a seat's input; the program itself speaks Wayland only. A reading is entered and appraised,
# recorded and shown in detail; every button of every title bar (minimise, maximise, close) is
# pressed on the main, detail, about, explanation and history windows, and the program must live
# on and answer after each; a second copy is refused; Quit and the close button end it with
# status 0. Screenshots of each step are left in SCREENSHOT_FOLDER.
#   wayland.sh PATH/TO/soranika SCREENSHOT_FOLDER
set -euo pipefail
program_source=${1:?usage: wayland.sh PATH/TO/soranika SCREENSHOT_FOLDER}
shots=${2:?usage: wayland.sh PATH/TO/soranika SCREENSHOT_FOLDER}
. "$(dirname "$0")/../../scripts/lib/desktop-session.sh"
. "$(dirname "$0")/../../scripts/lib/checks.sh"
for tool in weston Xvfb xdotool import convert; do
    command -v $tool > /dev/null || skip_all "$tool is missing (scripts/setup-debian.sh installs it)"
done
trap 'end_process ${app:-} ${second:-} ${weston:-}; session_end' EXIT

# Every failure ends the run, with a screenshot and the end of the program's log.
after_failure() {
    if [ -n "${SESSION_DIR:-}" ]; then shot "failure" 2> /dev/null || true; fi
    if [ -f "${SESSION_DIR:-/nonexistent}/program.log" ]; then tail -n 5 "$SESSION_DIR/program.log"; fi
}
CHECK_ON_FAIL=after_failure

# Weston's output fills the top left of a larger X screen; the pointer leaves it and comes back
# in before each click (weston's X11 backend moves its own pointer by relative steps, and only
# the pointer entering its window puts it where the X pointer is).
output_width=1024
output_height=768
SESSION_SCREEN=1280x1024x24 session_start
mkdir -p "$shots"
rm -f "$shots"/*.png

# Weston 10 (Debian 12) names its backends x11-backend.so and takes --use-pixman; weston 14
# (Debian 13) says x11 and --renderer=pixman. Ask this one.
weston_help=$(weston --help 2>&1 || true)
backend=x11-backend.so
grep -q 'x11-backend.so' <<< "$weston_help" || backend=x11
renderer=--use-pixman
grep -q -- '--renderer' <<< "$weston_help" && renderer=--renderer=pixman
# A plain background to find the windows against, no on-screen keyboard, no screen lock.
background=203040
cat > "$SESSION_DIR/weston.ini" << EOF
[core]
idle-time=0
[shell]
background-image=
background-color=0xff$background
locking=false
[input-method]
path=
EOF
socket=soranika-test-$$
weston --backend=$backend $renderer --socket=$socket --width=$output_width \
    --height=$output_height --idle-time=0 --config="$SESSION_DIR/weston.ini" \
    > "$SESSION_DIR/weston.log" 2>&1 &
weston=$!
weston_ready() {
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && return 0
    kill -0 $weston 2> /dev/null || return 125
    return 1
}
wait_until 10 weston_ready || { cat "$SESSION_DIR/weston.log"; give_up "weston did not start"; }
weston_window=$(xdotool search --sync --class "Weston Compositor" | head -n1)
xdotool windowfocus "$weston_window"

# The program in a folder of its own, its windows in a colour found nowhere else on the screen
# (00BBGGRR 13153340 is #3CB4C8).
folder="$SESSION_DIR/program"
mkdir -p "$folder"
cp "$program_source" "$folder/soranika"
cp "$(dirname "$program_source")"/readme.txt "$(dirname "$program_source")"/Image*.tkb "$folder/"
printf '[section1]\nColor=13153340\n' > "$XDG_CONFIG_HOME/vobrel.conf"
window_colour=3CB4C8
start_program() { # in the background: $! is its process id
    env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket "$folder/soranika" \
        >> "$SESSION_DIR/program.log" 2>&1 &
}
alive() { kill -0 $app 2> /dev/null || give_up "the program is gone after $1"; }

shot() { # NAME: the weston output, kept in the screenshot folder
    import -window root -crop ${output_width}x${output_height}+0+0 +repage "$shots/$1.png"
}
now="$SESSION_DIR/now.png"
look() { import -window root -crop ${output_width}x${output_height}+0+0 +repage "$now"; }
# Prints "W H X Y" for each area of the window colour on the screen that was last looked at
# (ImageMagick 7, on Debian 13, may call the white of the mask "gray(255)").
areas() {
    convert "$now" -alpha off -fill black +opaque "#$window_colour" -fill white \
        -opaque "#$window_colour" -define connected-components:verbose=true \
        -define connected-components:area-threshold=3000 -connected-components 4 null: |
        awk '$NF ~ /^(srgb\(255,255,255\)|gray\(255\)|white)$/ {
            split($2, g, /[x+]/); print g[1], g[2], g[3], g[4] }'
}
# Whether an area of the window colour W x H (give or take 2 pixels, or at least W wide when H is
# "wide") is on the screen now; prints its "X Y W H".
area_shown() {
    local want_w=$1 want_h=$2 w h x y
    look
    while read -r w h x y; do
        if [ "$want_h" = wide ]; then
            [ "$w" -ge "$want_w" ] && { echo "$x $y $w $h"; return 0; }
        elif [ $((w - want_w)) -ge -2 ] && [ $((w - want_w)) -le 2 ] &&
            [ $((h - want_h)) -ge -2 ] && [ $((h - want_h)) -le 2 ]; then
            echo "$x $y $w $h"
            return 0
        fi
    done < <(areas)
    return 1
}
area_hidden() {
    look
    areas | awk -v w="$1" -v h="$2" '
        ($1 - w) * ($1 - w) <= 4 && ($2 - h) * ($2 - h) <= 4 { found = 1 }
        END { exit found ? 1 : 0 }'
}
# Waits up to 10 s for the area W x H and prints its "X Y W H"; a screenshot takes a while.
find_area() { WAIT_INTERVAL=0.3 wait_until 10 area_shown "$@"; }
# Waits up to 5 s for the area W x H to be gone from the screen.
area_gone() { WAIT_INTERVAL=0.3 wait_until 5 area_hidden "$@"; }
point() { # X Y on the weston output
    xdotool mousemove $((output_width + 100)) $((output_height + 100))
    sleep 0.15
    xdotool mousemove "$1" "$2"
    sleep 0.25
}
click() { # X Y on the weston output
    point "$1" "$2"
    xdotool click 1
    sleep 0.3
}
# Qt draws the title bar on weston: 30 pixels over the window, 3 at its sides, and the buttons
# minimise, maximise and close, 18 pixels wide, at its right end.
title_button() { # minimise|maximise|close LEFT TOP WIDTH of the window below its title bar
    local right=$(($2 + $4 + 3)) middle=$(($3 - 15))
    case $1 in
    close) click $((right - 17)) $middle ;;
    maximise) click $((right - 40)) $middle ;;
    minimise) click $((right - 63)) $middle ;;
    esac
}

# --- The main window: 535 x 375 pixels below its menu bar; its two top rows are rules.
start_program
app=$!
main=$(find_area 535 373) || {
    grep -Eq 'Could not (find|load) the Qt platform plugin' "$SESSION_DIR/program.log" &&
        skip_all "Qt's Wayland platform is missing (qt6-wayland; scripts/setup-debian.sh installs it)"
    give_up "no main window"
}
read -r mx my _ _ <<< "$main"
my=$((my - 2))
# The menu bar's height: the light rows of the title bar and the menu bar over the client area,
# less the title bar's 30 (the panel or the background above them is dark).
light_rows=$(convert "$now" -crop 1x$my+$((mx + 1))+0 +repage -depth 8 txt:- | awk '
    NR > 1 { gsub(/[()]/, "", $2); split($2, c, ","); light[NR] = c[1] >= 192 && c[2] >= 192 && c[3] >= 192 }
    END { for (row = NR; row > 1 && light[row]; row--) count++; print count }')
menu_height=$((light_rows - 30))
{ [ $menu_height -gt 10 ] && [ $menu_height -lt 40 ]; } || give_up "no menu bar found ($light_rows rows)"
main_top=$((my - menu_height))
shot 01-main-window
pass "the program starts as a Wayland client (menu bar $menu_height pixels)"
at() { click $((mx + $1)) $((my + $2)); } # a point of the main window's client area
press() { # a control of the main window, by its name in the control table
    local point
    point=$(control_point Form1 "$1") || give_up "no $1 in the control table"
    # shellcheck disable=SC2086 # X and Y
    at $point
}
focus_main() { at 6 200; }

# --- A reading: 1985-05-12 typed, the day list opened first.
press 'Text1(0)' # the year box
xdotool type 1985
xdotool key Tab
xdotool type 5
xdotool key Tab
xdotool type 12
read -r day_x day_y <<< "$(control_point Form1 'Combo1(2)')" # the day list's box
point $((mx + day_x)) $((my + day_y))
look
cp "$now" "$SESSION_DIR/before-list.png"
xdotool click 1
sleep 0.5
shot 02-day-list-open
list=$(convert "$SESSION_DIR/before-list.png" "$shots/02-day-list-open.png" -compose difference \
    -composite -threshold 1% -trim -format '%w %h %X %Y' info:)
read -r _ lh _ ly <<< "$list"
ly=${ly#+}
[ $((ly + lh)) -lt $output_height ] || give_up "the day list runs off the screen ($list)"
[ "$lh" -lt 400 ] || give_up "the day list shows every day at once ($list)"
xdotool key Escape
pass "the day list opens within the screen, ${lh} pixels high"
alive "the day list"

prose_blank() { # whether the prose box of the main window shows nothing
    look
    [ "$(convert "$now" -crop 400x230+$((mx + 20))+$((my + 84)) +repage -format '%k' info:)" = 1 ]
}
prose_blank || give_up "the prose box is not empty before Appraise"
press Command1 # 鑑　定
prose_blank && give_up "Appraise shows no reading"
shot 03-appraised
pass "Appraise shows the reading"

press btnKioku # 記　録
wait_until 4 test -s "$folder/SanRireki.txt"
grep -q '1985' "$folder/SanRireki.txt" 2> /dev/null || give_up "Record wrote no history entry"
alive "Record"
pass "Record appends the reading to the history"

# --- The detail window, 594 x 525, comes up over the main window and stays over it when the
# main window is clicked. Weston places a new window anywhere on its output; on this small one
# the two windows always overlap.
press Command5 # 詳細表示
detail=$(find_area 594 525) || give_up "Detail shows no window"
read -r dx dy dw dh <<< "$detail"
shot 04-detail-over-main
inside_detail() { # X Y: whether the point lies on the detail window or its frame
    [ "$1" -ge $((dx - 3)) ] && [ "$1" -lt $((dx + dw + 3)) ] &&
        [ "$2" -ge $((dy - 30)) ] && [ "$2" -lt $((dy + dh + 3)) ]
}
clicked=
for x in $(seq $((mx + 30)) 40 $((mx + 450))); do # along the main window's title bar
    inside_detail "$x" $((main_top - 15)) && continue
    click "$x" $((main_top - 15))
    clicked=$x
    break
done
if [ -n "$clicked" ]; then
    find_area 594 525 > /dev/null || give_up "the main window, clicked, hides the detail window"
    pass "the detail window opens over the main window and stays over it"
else
    pass "the detail window opens over all of the main window"
fi

# Each secondary window: minimise, shown again by its command, maximise and back, close; then
# the command shows it once more and Escape closes it.
exercise() { # NAME W H COMMAND...
    local name=$1 w=$2 h=$3 found x y
    shift 3
    look
    areas | grep -q "^$w $h " || "$@" # the detail window is open already
    found=$(find_area "$w" "$h") || give_up "$name: no window"
    read -r x y _ _ <<< "$found"
    title_button minimise "$x" "$y" "$w"
    area_gone "$w" "$h" || give_up "$name: minimise leaves the window on the screen"
    alive "$name: minimise"
    "$@"
    found=$(find_area "$w" "$h") || give_up "$name: its command does not bring a minimised window back"
    read -r x y _ _ <<< "$found"
    title_button maximise "$x" "$y" "$w"
    found=$(find_area $((output_width - 10)) wide) || give_up "$name: maximise shows no large window"
    alive "$name: maximise"
    shot "05-$name-maximised"
    read -r x y w2 _ <<< "$found"
    title_button maximise "$x" "$y" "$w2"
    found=$(find_area "$w" "$h") || give_up "$name: maximise again does not give the designed size back"
    alive "$name: maximise again"
    read -r x y _ _ <<< "$found"
    title_button close "$x" "$y" "$w"
    area_gone "$w" "$h" || give_up "$name: close leaves the window on the screen"
    alive "$name: close"
    "$@"
    find_area "$w" "$h" > /dev/null || give_up "$name: its command does not show it after close"
    xdotool key Escape
    area_gone "$w" "$h" || give_up "$name: Escape does not close it"
    alive "$name: Escape"
    pass "$name window: minimise, maximise, close and Escape; the program answers"
}
show_detail() { focus_main; press Command5; }
# The first and last column of title N (0 ﾌｧｲﾙ, 1 ｵﾌﾟｼｮﾝ, 2 ヘルプ) of the main window's menu
# bar, from the left of its client area, as the screen was last looked at: the bar's columns that
# hold dark text, in runs parted by gaps wider than a space.
menu_title() {
    convert "$now" -crop 535x$menu_height+$mx+$main_top +repage -colorspace gray -threshold 50% \
        -scale 535x1! -depth 8 gray:- | od -An -v -tu1 -w1 | awk -v want="$1" '
        $1 < 250 {
            column = NR - 1
            if (seen && column - last > 10) title++
            seen = 1
            last = column
            if (title == want) { if (first == "") first = column; end = column }
        }
        END { if (first == "") exit 1; print first, end }'
}
# pixels_of BOX COLOUR: how many pixels of the box WxH+X+Y show COLOUR (RRGGBB), as the screen was
# last looked at.
pixels_of() {
    convert "$now" -crop "$1" +repage -fill black +opaque "#$2" -fill white -opaque "#$2" \
        -format '%[fx:int(mean * w * h + 0.5)]' info:
}
# pixel_at X Y: the colour (RRGGBB) of a pixel, as the screen was last looked at.
pixel_at() {
    convert "$now" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}
# A menu is open when the 80 x 20 pixels below its title, the main window's own, are covered, and
# closed again once its title has lost the colour it was marked with while open (a window that its
# entry brings up may be over the place where the menu was).
menu_shown() { look; [ "$(pixels_of "$1" "$window_colour")" -lt 200 ]; }
menu_gone() { look; [ "$(pixels_of "$1" "$2")" -lt $(($3 / 5)) ]; }
# Opens menu N of the main window and takes its entry ENTRY (0 the first). With the pointer: when
# the main window is clicked, weston brings back a secondary window minimised over it and gives
# that one the keys, so an access key would not reach the menu bar. Keys go to the menu only once
# it is up, a round trip to weston later (on a busy machine a fixed 0.6 s was too short); a menu
# opened by the pointer has no entry chosen, and the first Down chooses the first. Once the menu
# is gone its entry has run: a window it brings up anew is where it will stay.
menu() { # N ENTRY
    local first end title strip marked marked_pixels
    look
    read -r first end <<< "$(menu_title "$1")" || give_up "no title $1 in the main window's menu bar"
    title=$((end - first + 9))x$menu_height+$((mx + first - 4))+$main_top
    strip=80x20+$((mx + first - 4))+$my
    click $((mx + (first + end) / 2)) $((main_top + menu_height / 2))
    WAIT_INTERVAL=0.2 wait_until 10 menu_shown "$strip" || give_up "menu $1 does not open"
    marked=$(pixel_at $((mx + first - 2)) $((main_top + menu_height / 2)))
    marked_pixels=$(pixels_of "$title" "$marked")
    xdotool key --repeat $(($2 + 1)) Down
    xdotool key Return
    # The pointer leaves, so that the title is not marked for being under it.
    xdotool mousemove $((output_width + 100)) $((output_height + 100))
    WAIT_INTERVAL=0.2 wait_until 10 menu_gone "$title" "$marked" "$marked_pixels" ||
        give_up "menu $1 stays open"
}
show_about() { menu 2 1; }
show_explanation() { menu 2 0; }
show_history() { menu 0 0; }
exercise detail 594 525 show_detail
exercise about 350 194 show_about
exercise explanation 498 382 show_explanation
exercise history 624 432 show_history

# --- The main window's own title bar. Maximised, its client area stays whole in the middle.
title_button maximise "$mx" $main_top 535
big=$(find_area $((output_width - 10)) wide) || give_up "maximise on the main window shows no large window"
alive "maximise on the main window"
shot 06-main-maximised
read -r bx by bw bh <<< "$big"
cx=$((bx + (bw - 535) / 2))
cy=$((by + (bh - 375) / 2))
mx_saved=$mx my_saved=$my
mx=$cx my=$cy
press Command3 # クリア, where the middle puts it
prose_blank || give_up "Clear in the maximised main window does not reach the button"
mx=$mx_saved my=$my_saved
pass "the maximised main window keeps its client area whole in the middle, and answers"
title_button maximise "$bx" $((by - menu_height)) "$bw"
main=$(find_area 535 373) || give_up "maximise again does not give the main window its size back"
read -r mx my _ _ <<< "$main"
my=$((my - 2))
main_top=$((my - menu_height))
alive "maximise again on the main window"

title_button minimise "$mx" $main_top 535
area_gone 535 373 || give_up "minimise leaves the main window on the screen"
alive "minimise on the main window"
# Weston's window switcher brings a minimised window back.
xdotool key super+Tab
sleep 0.3
xdotool keyup super
main=$(find_area 535 373) || give_up "the main window does not come back after minimise"
read -r mx my _ _ <<< "$main"
my=$((my - 2))
main_top=$((my - menu_height))
alive "minimise on the main window"
pass "the main window's minimise and maximise leave the program answering"

# --- A second copy is refused: its message box takes the keys, Enter ends it.
start_program
second=$!
sleep 2
shot 07-second-copy-refused
for _ in 1 2 3; do
    xdotool key Return
    wait_exit $second 3 && break
done
kill -0 $second 2> /dev/null && give_up "the second copy did not end"
[ "$EXIT_STATUS" = 0 ] || give_up "the second copy ended with status $EXIT_STATUS"
second=
alive "a second copy"
find_area 535 373 > /dev/null || give_up "the main window is gone after a second copy"
pass "a second copy is refused and ends; the first answers"

# --- Quit, then a new start closed by its title bar: both end with status 0.
press Command2 # 終　了
wait_exit $app 10 || give_up "Quit does not end the program"
[ "$EXIT_STATUS" = 0 ] || give_up "Quit ended the program with status $EXIT_STATUS"
pass "Quit ends the program with status 0"
start_program
app=$!
main=$(find_area 535 373) || give_up "no main window at the second start"
read -r mx my _ _ <<< "$main"
# As a user would, the pointer comes into the new window first (a click on an empty spot), and a
# window just mapped may not take the pointer yet on a busy machine: another click then.
focus_main
for _ in 1 2 3; do
    title_button close "$mx" $((my - 2 - menu_height)) 535
    wait_exit $app 5 && break
done
kill -0 $app 2> /dev/null && { shot 08-close-button-missed; give_up "the close button does not end the program (screenshot 08)"; }
[ "$EXIT_STATUS" = 0 ] || give_up "the close button ended the program with status $EXIT_STATUS"
app=
pass "the main window's close button ends the program with status 0"
echo "screenshots in $shots"
check_summary
