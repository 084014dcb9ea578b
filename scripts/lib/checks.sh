# shellcheck shell=bash
# Counting checks, and clicking a control of the program by its name. Source this file after
# desktop-session.sh.
#
# pass and fail print one line each and count; check_summary prints the closing line
# "N passed, N failed[, N skipped]" and gives the exit status: 0 when nothing failed. A script
# that cannot go on after a failure calls give_up, which fails, sums up and exits. CHECK_ON_FAIL
# may name a command to run at each failure (a screenshot, the program's log).

CHECKS_PASSED=0
CHECKS_FAILED=0
CHECKS_SKIPPED=0
pass() {
    echo "PASS: $*"
    CHECKS_PASSED=$((CHECKS_PASSED + 1))
}
fail() {
    echo "FAIL: $*"
    CHECKS_FAILED=$((CHECKS_FAILED + 1))
    if [ -n "${CHECK_ON_FAIL:-}" ]; then $CHECK_ON_FAIL || true; fi
}
skip() {
    echo "SKIP: $*"
    CHECKS_SKIPPED=$((CHECKS_SKIPPED + 1))
}
check_summary() {
    local skipped=""
    [ "$CHECKS_SKIPPED" -eq 0 ] || skipped=", $CHECKS_SKIPPED skipped"
    echo "$CHECKS_PASSED passed, $CHECKS_FAILED failed$skipped"
    [ "$CHECKS_FAILED" -eq 0 ]
}
give_up() {
    fail "$@"
    check_summary
    exit 1
}
# skip_all REASON: the whole script cannot run here; CTest counts status 77 as a skip.
skip_all() {
    echo "SKIP: $*"
    exit 77
}

# The control table: one line a control, "WINDOW NAME LEFT TOP WIDTH HEIGHT TEXT" in pixels of
# the window's client area, and "WINDOW (client) 0 0 WIDTH HEIGHT" for a window with a menu bar. The
# build writes it from the windows' own tables (tests/e2e/control-table.cpp) to
# control-table.txt in the build folder; SORANIKA_CONTROL_TABLE names it. The menus are not in it:
# open them by their access keys (tests/e2e/control-table.cpp says why).

# control_box WINDOW NAME: prints "LEFT TOP WIDTH HEIGHT" of a control in its client area.
control_box() {
    local table=${SORANIKA_CONTROL_TABLE:-} found
    [ -s "$table" ] || { echo "no control table in '$table' (SORANIKA_CONTROL_TABLE)" >&2; return 1; }
    found=$(awk -v w="$1" -v n="$2" '$1 == w && $2 == n { print $3, $4, $5, $6; exit }' "$table")
    [ -n "$found" ] || { echo "no control $2 of $1 in $table" >&2; return 1; }
    echo "$found"
}
# control_text WINDOW NAME: prints the text the table gives a control (its caption, a link's
# address).
control_text() {
    control_box "$1" "$2" > /dev/null || return 1
    awk -v w="$1" -v n="$2" '$1 == w && $2 == n {
        for (i = 1; i <= 6; i++) sub(/^[^ ]+ /, ""); print; exit }' "$SORANIKA_CONTROL_TABLE"
}
# control_point WINDOW NAME [FROM_LEFT]: prints "X Y" of a control in its client area: the middle
# of its box, or FROM_LEFT pixels into it (a link's text starts at its left edge).
control_point() {
    local box left top width height
    box=$(control_box "$1" "$2") || return 1
    read -r left top width height <<< "$box"
    echo "$((left + ${3:-$((width / 2))})) $((top + height / 2))"
}
# client_top XWINDOW WINDOW: the height of what stands over the client area of the X window
# XWINDOW (the menu bar), from its height less the client area's; 0 for a window without one.
client_top() {
    local client size
    client=$(awk -v w="$2" '$1 == w && $2 == "(client)" { print $6; exit }' \
        "${SORANIKA_CONTROL_TABLE:-/dev/null}" 2> /dev/null)
    [ -n "$client" ] || { echo 0; return 0; }
    size=$(window_size "$1")
    echo $((${size#*x} - client))
}
# click_control XWINDOW WINDOW NAME [FROM_LEFT]: clicks a control, found by its name in WINDOW's
# table, in the X window XWINDOW, and gives the program CLICK_SETTLE seconds (0.5) to answer.
click_control() {
    local point x y offset
    point=$(control_point "$2" "$3" "${4:-}") || return 1
    read -r x y <<< "$point"
    offset=$(client_top "$1" "$2")
    xdotool mousemove --window "$1" "$x" $((offset + y)) click 1
    sleep "${CLICK_SETTLE:-0.5}"
}

# enter_reading ERA YEAR MONTH DAY [NAME [MEMO]]: types a birth date, and a name and a memo when
# given, into the main window, as a person would with the keys, from its era box (which has the
# focus). The era is chosen from the box's list, 西暦 at its top: typed kanji go through a key
# xdotool maps for the moment, which a loaded machine sometimes misses. The focus ends on the memo.
enter_reading() {
    local era=$1 year=$2 month=$3 day=$4 place=0 name
    for name in 西暦 明治 大正 昭和 平成 令和; do
        [ "$name" = "$era" ] && break
        place=$((place + 1))
    done
    [ $place -lt 6 ] || { echo "enter_reading: no era $era" >&2; return 1; }
    xdotool key Up Up Up Up Up Up
    [ $place -eq 0 ] || xdotool key $(printf 'Down %.0s' $(seq $place))
    xdotool key Tab ctrl+a; xdotool type "$year"
    xdotool key Tab; xdotool type "$month"
    xdotool key Tab; xdotool type "$day"
    xdotool key Tab ctrl+a; type_text "${5:-}"
    xdotool key Tab ctrl+a; type_text "${6:-}"
}
# appraise_and_record XWINDOW: enters 昭和60年5月12日 into the main window XWINDOW (the focus on its
# era box) and presses 鑑　定 and 記　録.
appraise_and_record() {
    enter_reading 昭和 60 5 12
    click_control "$1" Form1 Command1 # 鑑　定
    click_control "$1" Form1 btnKioku # 記　録
}
