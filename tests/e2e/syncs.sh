#!/usr/bin/env bash
# What the real program asks of the disk, as strace sees it, while 記　録, 履歴クリア and the two
# colour commands are pressed in a private X server: every file it wrote is synced before the
# command is over (for 履歴クリア: before its message says so), the settings file is replaced
# once a command, every rename is followed by a sync of its folder, and the history changes only
# in the order that a cut can undo or finish (tests/powercut/ cuts at each step).
#   syncs.sh PATH/TO/soranika
set -euo pipefail
program_source=${1:?usage: syncs.sh PATH/TO/soranika}
here=$(dirname "$0")
. "$here/../../scripts/lib/desktop-session.sh"
. "$here/../../scripts/lib/checks.sh"
command -v strace > /dev/null || skip_all "strace is not installed"
trap 'end_process ${tracer:-}; session_end' EXIT
session_start

folder="$SESSION_DIR/program"
mkdir -p "$folder"
cp "$program_source" "$folder/soranika"
log="$SESSION_DIR/syscalls.log"
strace -f -qq -y -s 4096 -o "$log" \
    -e trace=openat,write,fsync,fdatasync,rename,renameat2,linkat,unlink,unlinkat,mkdir \
    "$folder/soranika" & tracer=$!
program_of_tracer() { pgrep -P "$tracer" -x soranika; }
app=$(wait_until 10 program_of_tracer) || give_up "the program did not start under strace"
window=$(window_of "$app") || give_up "no main window"
xdotool windowfocus --sync "$window"
sleep 0.5

# Gives the main window the keys again, after a box or a dialog had them.
focus_main() {
    xdotool windowfocus --sync "$window" 2> /dev/null || true
    sleep 0.3
}
# open_menu KEY: opens a menu of the main window by its access key, and waits until it is on the
# screen, lest the keys that choose in it come first on a loaded machine.
open_menu() {
    xdotool key "$1"
    other_window "$app" "$window" > /dev/null || true
}
# The lines the log has gained since `mark`.
mark() { wc -l < "$log"; }
since() { tail -n +"$(($1 + 1))" "$log"; }
logged_since() { since "$1" | grep -q -- "$2"; }

# check NAME MARK RULES...: the calls since MARK keep the rules (see syncs-check.py).
check() {
    local name=$1 from=$2 verdict
    shift 2
    if verdict=$(since "$from" | python3 "$here/syncs-check.py" "$SESSION_DIR" "$@"); then
        pass "$name: $verdict"
    else
        fail "$name: $verdict"
    fi
}

from=$(mark)
focus_main
appraise_and_record "$window"
wait_until 10 logged_since "$from" 'unlink(".*SanRireki.txt-journal")' ||
    give_up "記　録 wrote nothing, or did not finish"
check 記録 "$from" record

from=$(mark)
focus_main
open_menu alt+f; xdotool key Down Return # ﾌｧｲﾙ → 履歴クリア, then its question
box=$(window_titled "$app" 過去の履歴削除確認) || give_up "履歴クリア asks nothing"
dismiss "$box" || give_up "履歴クリア's question does not go"
box=$(window_titled "$app" 鑑定履歴削除) || give_up "履歴クリア says nothing when done"
# The message is up: what it reports must be on the disk already.
check 履歴クリア "$from" clear
dismiss "$box"

from=$(mark)
focus_main
open_menu alt+o; xdotool key Return # オプション → フォーム色を変更
# The menu may still be on the screen for a moment.
window_alone "$app" "$window" 1 || true
dialog=$(other_window "$app" "$window" 10) || give_up "フォーム色を変更 opens no dialog"
dismiss "$dialog" || give_up "the colour dialog does not close"
wait_until 5 logged_since "$from" 'fsync([0-9]*<.*/config>)' || give_up "the colour was not stored"
check フォーム色を変更 "$from" settings

from=$(mark)
focus_main
open_menu alt+o; xdotool key Down Return # オプション → フォーム色を元に戻す
wait_until 5 logged_since "$from" 'fsync([0-9]*<.*/config>)' || give_up "the colour was not stored"
check フォーム色を元に戻す "$from" settings
check_summary
