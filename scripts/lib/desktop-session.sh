# Helpers for driving the real program in a private X server (Xvfb) with xdotool. Source this
# file; it sets DISPLAY, HOME and the XDG folders to a throw-away session folder, so nothing of
# the user's own settings is read or written. SESSION_SCREEN sets the screen (1024x768x24).

session_start() {
    SESSION_DIR=$(mktemp -d)
    export HOME="$SESSION_DIR/home" XDG_CONFIG_HOME="$SESSION_DIR/config"
    export XDG_RUNTIME_DIR="$SESSION_DIR/run"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    exec 5> "$SESSION_DIR/display"
    # -noreset: when its last client goes the server would start over, refusing connections for
    # a moment; the tests kill a copy and start the next one at once.
    Xvfb -displayfd 5 -screen 0 "${SESSION_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
        > "$SESSION_DIR/xvfb.log" 2>&1 &
    SESSION_XVFB=$!
    local tries=0
    while [ ! -s "$SESSION_DIR/display" ]; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "Xvfb did not start" >&2; return 1; }
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$SESSION_DIR/display")"
}

# Safe to call when session_start never ran or failed half-way, as an EXIT trap may.
session_end() {
    if [ -n "${SESSION_XVFB:-}" ]; then
        kill "$SESSION_XVFB" 2>/dev/null || true
        wait "$SESSION_XVFB" 2>/dev/null || true
    fi
    if [ -n "${SESSION_DIR:-}" ]; then rm -rf "$SESSION_DIR"; fi
}

# Prints the id of the first visible window of process $1, waiting up to 15 s for it.
window_of() {
    local pid=$1 window tries=0
    while true; do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1 || true)
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        tries=$((tries + 1))
        [ $tries -lt 150 ] || return 1
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
}

# Prints "WIDTHxHEIGHT" of window $1.
window_size() {
    xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'
}

# Waits up to $2 seconds for process $1, a child of this shell, to end. Sets EXIT_STATUS to its
# exit status; returns 1 when it is still running.
wait_exit() {
    local pid=$1 limit=$(( ${2:-10} * 10 )) tries=0
    while kill -0 "$pid" 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -lt $limit ] || return 1
        sleep 0.1
    done
    EXIT_STATUS=0
    wait "$pid" || EXIT_STATUS=$?
}
