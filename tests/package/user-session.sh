#!/usr/bin/env bash
# As one account of a machine with the package installed: starts /usr/bin/soranika in an X server
# of its own and records a reading (record), shows the history (view) or clears it (clear).
set -euo pipefail
action=${1:?usage: user-session.sh record|view|clear}
fail() {
    echo "FAIL ($USER, $action): $*" >&2
    exit 1
}
export XDG_RUNTIME_DIR=/tmp/runtime-$USER
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
exec 5> "$XDG_RUNTIME_DIR/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp > "$XDG_RUNTIME_DIR/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill ${app:-} $xvfb 2> /dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$XDG_RUNTIME_DIR/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$XDG_RUNTIME_DIR/display")"

soranika > "$XDG_RUNTIME_DIR/program.log" 2>&1 &
app=$!
windows() { xdotool search --onlyvisible --pid $app 2> /dev/null || true; }
for _ in $(seq 150); do [ -n "$(windows)" ] && break; sleep 0.1; done
window=$(windows | head -n1)
[ -n "$window" ] || fail "no window"
xdotool windowfocus --sync "$window"
sleep 0.5
# Waits up to 5 s for a second window (a message box, the history window) and prints it.
another() {
    for _ in $(seq 50); do
        for w in $(windows); do [ "$w" != "$window" ] && { echo "$w"; return 0; }; done
        sleep 0.1
    done
    return 1
}
button() { # the top of a button of the right-hand column, in client pixels
    local size
    size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
    xdotool mousemove --window "$window" 488 $((${size#*x} - 375 + $1 + 20)) click 1
    sleep 0.5
}
history=$HOME/.local/share/soranika/SanRireki.txt
case $action in
record)
    xdotool key ctrl+a; xdotool type 昭和; xdotool key Tab; xdotool type 60; xdotool key Tab
    xdotool type 5; xdotool key Tab; xdotool type 12
    button 64  # 鑑　定
    button 160 # 記　録
    for _ in $(seq 50); do [ -s "$history" ] && break; sleep 0.1; done
    [ -s "$history" ] || fail "Record wrote no $history"
    ;;
view)
    xdotool key alt+f Return # ﾌｧｲﾙ → 履歴表示
    another > /dev/null || fail "履歴表示 shows no window"
    ;;
clear)
    xdotool key alt+f Down Return # ﾌｧｲﾙ → 履歴クリア, then its confirmation
    box=$(another) || fail "履歴クリア asks nothing"
    xdotool windowfocus --sync "$box" 2> /dev/null || true
    xdotool key Return
    for _ in $(seq 50); do [ "$(stat -c %s "$history")" = 2 ] && break; sleep 0.1; done
    ;;
esac
kill $app
echo "ok: $USER $action"
