#!/usr/bin/env bash
# As one account of a machine with the package installed: starts /usr/bin/soranika in an X server
# of its own and records a reading (record), shows the history (view) or clears it (clear).
# The shared helpers come from lib/ beside this script, or from the source tree's scripts/lib;
# the control table from SORANIKA_CONTROL_TABLE or control-table.txt beside this script.
set -euo pipefail
action=${1:?usage: user-session.sh record|view|clear}
here=$(cd "$(dirname "$0")" && pwd)
lib="$here/lib"
[ -d "$lib" ] || lib="$here/../../scripts/lib"
. "$lib/desktop-session.sh"
. "$lib/checks.sh"
export SORANIKA_CONTROL_TABLE=${SORANIKA_CONTROL_TABLE:-$here/control-table.txt}
fail() {
    echo "FAIL ($USER, $action): $*" >&2
    exit 1
}
# The account's own home and settings: the history goes to its data folder.
SESSION_KEEP_HOME=1
trap 'end_process ${app:-}; session_end' EXIT
session_start

soranika > "$SESSION_DIR/program.log" 2>&1 &
app=$!
window=$(window_of $app) || fail "no window"
xdotool windowfocus --sync "$window"
sleep 0.5
history=$HOME/.local/share/soranika/SanRireki.txt
case $action in
record)
    appraise_and_record "$window"
    wait_until 5 test -s "$history" || fail "Record wrote no $history"
    ;;
view)
    xdotool key alt+f Return # ﾌｧｲﾙ → 履歴表示
    other_window $app "$window" > /dev/null || fail "履歴表示 shows no window"
    ;;
clear)
    xdotool key alt+f Down Return # ﾌｧｲﾙ → 履歴クリア, then its confirmation
    box=$(other_window $app "$window") || fail "履歴クリア asks nothing"
    dismiss "$box" || fail "履歴クリア's question does not go"
    history_cleared() { [ "$(stat -c %s "$history" 2> /dev/null)" = 2 ]; }
    wait_until 5 history_cleared || true # install-check.sh says what is wrong
    ;;
esac
end_process $app
app=
echo "ok: $USER $action"
