#!/usr/bin/env bash
# Two real copies of the program in a private X server: the second is refused with a message and
# ends after OK without touching the settings; a first copy that was killed does not block the
# next start.
#   single-copy.sh PATH/TO/soranika
set -euo pipefail
program=${1:?usage: single-copy.sh PATH/TO/soranika}
. "$(dirname "$0")/../../scripts/lib/desktop-session.sh"
trap 'kill -9 ${first:-} ${third:-} 2>/dev/null || true; session_end' EXIT
session_start

fail() { echo "FAIL: $*" >&2; exit 1; }
main_size=535x

"$program" & first=$!
first_window=$(window_of $first) || fail "the first copy shows no window"
case "$(window_size "$first_window")" in $main_size*) ;; *) fail "first window is not the main window";; esac
settings_before=$(ls -la "$XDG_CONFIG_HOME"; cat "$XDG_CONFIG_HOME"/* 2>/dev/null || true)

"$program" & second=$!
second_window=$(window_of $second) || fail "the second copy shows nothing"
case "$(window_size "$second_window")" in $main_size*) fail "the second copy opened a main window";; esac
# OK is the default button; a key pressed before the box has the focus is lost, so try again.
ended=no
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$second_window" 2>/dev/null || true
    xdotool key Return
    if wait_exit $second 3; then
        ended=yes
        break
    fi
done
[ $ended = yes ] || fail "the second copy did not end after OK"
[ "$EXIT_STATUS" = 0 ] || fail "the second copy ended with status $EXIT_STATUS"
kill -0 $first 2>/dev/null || fail "the first copy is gone"
settings_after=$(ls -la "$XDG_CONFIG_HOME"; cat "$XDG_CONFIG_HOME"/* 2>/dev/null || true)
[ "$settings_before" = "$settings_after" ] || fail "the second copy touched the settings"
echo "PASS: a second copy is refused and ends after OK; the first runs on"

{ kill -9 $first; wait $first; } 2>/dev/null || true
"$program" & third=$!
third_window=$(window_of $third) || fail "no window after the first copy was killed"
case "$(window_size "$third_window")" in $main_size*) ;; *) fail "a killed copy still blocks the start";; esac
echo "PASS: a killed first copy does not block the next start"

# Quit, "終　了": the button's centre is at (488, 324) of the client area, below the menu bar.
size=$(window_size "$third_window")
menu_height=$(( ${size#*x} - 375 ))
xdotool mousemove --window "$third_window" 488 $((menu_height + 324)) click 1
wait_exit $third 10 || fail "Quit did not end the program"
[ "$EXIT_STATUS" = 0 ] || fail "Quit ended the program with status $EXIT_STATUS"
echo "PASS: Quit ends the program"
echo "3 passed, 0 failed"
