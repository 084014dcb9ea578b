#!/usr/bin/env bash
# Two real copies of the program in a private X server: the second is refused with a message and
# ends after OK without touching the settings; a first copy that was killed, or a lock file left
# damaged, does not block the next start; two copies started at the same instant give one window.
#   single-copy.sh PATH/TO/soranika
set -euo pipefail
program=${1:?usage: single-copy.sh PATH/TO/soranika}
. "$(dirname "$0")/../../scripts/lib/desktop-session.sh"
. "$(dirname "$0")/../../scripts/lib/checks.sh"
trap 'end_process ${first:-} ${second:-} ${third:-} ${a:-} ${b:-}; session_end' EXIT
session_start

main_size=535x
is_main_window() { case "$(window_size "$1")" in $main_size*) return 0 ;; *) return 1 ;; esac; }
kill_copies() { # by their ids, at once, as a crash or a power loss would end them
    kill -9 "$@" 2> /dev/null || true
    wait "$@" 2> /dev/null || true
}

"$program" & first=$!
first_window=$(window_of $first) || give_up "the first copy shows no window"
is_main_window "$first_window" || give_up "first window is not the main window"
settings_before=$(ls -la "$XDG_CONFIG_HOME"; cat "$XDG_CONFIG_HOME"/* 2>/dev/null || true)

"$program" & second=$!
second_window=$(window_of $second) || give_up "the second copy shows nothing"
is_main_window "$second_window" && give_up "the second copy opened a main window"
# OK is the default button.
dismiss "$second_window" -- wait_exit $second 0 || give_up "the second copy did not end after OK"
second=
[ "$EXIT_STATUS" = 0 ] || give_up "the second copy ended with status $EXIT_STATUS"
kill -0 $first 2>/dev/null || give_up "the first copy is gone"
settings_after=$(ls -la "$XDG_CONFIG_HOME"; cat "$XDG_CONFIG_HOME"/* 2>/dev/null || true)
[ "$settings_before" = "$settings_after" ] || give_up "the second copy touched the settings"
pass "a second copy is refused and ends after OK; the first runs on"

kill_copies $first
first=
"$program" & third=$!
third_window=$(window_of $third) || give_up "no window after the first copy was killed"
is_main_window "$third_window" || give_up "a killed copy still blocks the start"
pass "a killed first copy does not block the next start"

click_control "$third_window" Form1 Command2 # 終　了
wait_exit $third 10 || give_up "Quit did not end the program"
third=
[ "$EXIT_STATUS" = 0 ] || give_up "Quit ended the program with status $EXIT_STATUS"
pass "Quit ends the program"

# What a power loss can leave: an empty or garbage lock file naming no running copy.
for damage in "" "garbage $RANDOM"; do
    printf '%s' "$damage" > "$XDG_RUNTIME_DIR/soranika.lock"
    "$program" & a=$!
    window=$(window_of $a) || give_up "no window with a damaged lock file ('$damage')"
    is_main_window "$window" || give_up "a damaged lock file blocks the start"
    kill_copies $a
done
a=
pass "a damaged lock file does not block the start"

# Two copies at the same instant: exactly one main window, the other copy is refused.
for round in 1 2 3; do
    "$program" & a=$!
    "$program" & b=$!
    window_a=$(window_of $a) || give_up "round $round: the first copy shows nothing"
    window_b=$(window_of $b) || give_up "round $round: the second copy shows nothing"
    mains=0
    for window in "$window_a" "$window_b"; do
        if is_main_window "$window"; then mains=$((mains + 1)); fi
    done
    [ $mains = 1 ] || give_up "round $round: $mains main windows from two copies started together"
    kill_copies $a $b
done
a='' b=''
pass "two copies started together give one main window"
check_summary
