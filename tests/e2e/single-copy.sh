#!/usr/bin/env bash
# Two real copies of the program in a private X server: the second is refused with a message and
# ends after OK without touching the settings; a first copy that was killed, or a lock file left
# damaged, does not block the next start; two copies started at the same instant give one window.
#   single-copy.sh PATH/TO/soranika
set -euo pipefail
program=${1:?usage: single-copy.sh PATH/TO/soranika}
. "$(dirname "$0")/../../scripts/lib/desktop-session.sh"
trap 'kill -9 ${first:-} ${third:-} ${a:-} ${b:-} 2>/dev/null || true; session_end' EXIT
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

# What a power loss can leave: an empty or garbage lock file naming no running copy.
for damage in "" "garbage $RANDOM"; do
    printf '%s' "$damage" > "$XDG_RUNTIME_DIR/soranika.lock"
    "$program" & a=$!
    window=$(window_of $a) || fail "no window with a damaged lock file ('$damage')"
    case "$(window_size "$window")" in $main_size*) ;; *) fail "a damaged lock file blocks the start";; esac
    { kill -9 $a; wait $a; } 2>/dev/null || true
done
echo "PASS: a damaged lock file does not block the start"

# Two copies at the same instant: exactly one main window, the other copy is refused.
for round in 1 2 3; do
    "$program" & a=$!
    "$program" & b=$!
    window_a=$(window_of $a) || fail "round $round: the first copy shows nothing"
    window_b=$(window_of $b) || fail "round $round: the second copy shows nothing"
    mains=0
    for window in "$window_a" "$window_b"; do
        case "$(window_size "$window")" in $main_size*) mains=$((mains + 1));; esac
    done
    [ $mains = 1 ] || fail "round $round: $mains main windows from two copies started together"
    { kill -9 $a $b; wait $a $b; } 2>/dev/null || true
done
echo "PASS: two copies started together give one main window"
echo "5 passed, 0 failed"
