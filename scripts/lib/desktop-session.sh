# shellcheck shell=bash
# Helpers for driving the real program in a private X server (Xvfb) with xdotool. Source this
# file; it sets DISPLAY, HOME and the XDG folders to a throw-away session folder, so nothing of
# the user's own settings is read or written. SESSION_SCREEN sets the screen (1024x768x24);
# SESSION_KEEP_HOME=1 leaves HOME and XDG_CONFIG_HOME as they are (an account's own session).
#
# Every wait here goes through wait_until, so that one timeout rule holds for all of them.

# wait_until SECONDS COMMAND...: runs COMMAND every WAIT_INTERVAL seconds (0.1) until it succeeds,
# for up to SECONDS (tenths allowed). Returns 0 when it did, 1 when the time ran out; a COMMAND
# that ends with status 125 has found that waiting longer is pointless (the process it waits on
# is gone) and ends the wait at once. COMMAND runs in this shell, so that it may `wait` for a
# child; what it prints goes to standard output, so a probe prints only what it found.
wait_until() {
    # The names are the probe's to use: the probe runs in this function and sees its locals.
    local _wait_status _wait_deadline
    _wait_deadline=$(($(_wait_micros) + $(_seconds_to_micros "$1")))
    shift
    while true; do
        _wait_status=0
        "$@" || _wait_status=$?
        [ "$_wait_status" -eq 0 ] && return 0
        [ "$_wait_status" -eq 125 ] && return 1
        [ "$(_wait_micros)" -lt "$_wait_deadline" ] || return 1
        sleep "${WAIT_INTERVAL:-0.1}"
    done
}
_wait_micros() { echo $((${EPOCHREALTIME/[.,]/})); }
_seconds_to_micros() {
    local whole=${1%.*} tenths=0
    [[ $1 == *.* ]] && tenths=${1#*.}
    echo $((10#${whole:-0} * 1000000 + 10#${tenths:0:1} * 100000))
}

session_start() {
    SESSION_DIR=$(mktemp -d)
    if [ "${SESSION_KEEP_HOME:-}" != 1 ]; then
        export HOME="$SESSION_DIR/home" XDG_CONFIG_HOME="$SESSION_DIR/config"
        mkdir -p "$HOME" "$XDG_CONFIG_HOME"
    fi
    export XDG_RUNTIME_DIR="$SESSION_DIR/run"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    exec 5> "$SESSION_DIR/display"
    # -noreset: when its last client goes the server would start over, refusing connections for
    # a moment; the tests kill a copy and start the next one at once.
    Xvfb -displayfd 5 -screen 0 "${SESSION_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
        > "$SESSION_DIR/xvfb.log" 2>&1 &
    SESSION_XVFB=$!
    wait_until 5 test -s "$SESSION_DIR/display" || { echo "Xvfb did not start" >&2; return 1; }
    DISPLAY=":$(head -n1 "$SESSION_DIR/display")"
    export DISPLAY
}

# Safe to call when session_start never ran or failed half-way, as an EXIT trap may.
session_end() {
    if [ -n "${SESSION_XVFB:-}" ]; then
        end_process "$SESSION_XVFB"
    fi
    if [ -n "${SESSION_DIR:-}" ]; then rm -rf "$SESSION_DIR"; fi
}

# end_process PID...: ends each process by its id (TERM, then KILL after 2 s) and reaps it when it
# is a child of this shell. Ids that are empty or of no running process are passed over.
end_process() {
    local pid
    for pid in "$@"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2> /dev/null || continue
        wait_until 2 process_gone "$pid" || kill -9 "$pid" 2> /dev/null || true
        wait "$pid" 2> /dev/null || true
    done
}

# process_gone PID: succeeds when no process of that id runs (a zombie child counts as gone).
process_gone() {
    [ ! -e "/proc/$1" ] || [ "$(awk '{ print $3 }' "/proc/$1/stat" 2> /dev/null)" = Z ] ||
        ! kill -0 "$1" 2> /dev/null
}

# descendants PID: prints the ids of every process below PID, children first. Collect them
# before PID ends: a process whose parent has gone is handed to another.
descendants() {
    local child
    for child in $(ps -o pid= --ppid "$1" 2> /dev/null); do
        echo "$child"
        descendants "$child"
    done
}

# accessibility_bus_start: the accessibility bus in the D-Bus session this shell runs in (see
# dbus-run-session), as a desktop starts it for a screen reader; waits up to 5 s for it to answer.
accessibility_bus_start() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
    A11Y_LAUNCHER=$!
    A11Y_ADDRESS=$(wait_until 5 dbus-send --session --print-reply=literal --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress 2> /dev/null) || return 1
    read -r A11Y_ADDRESS <<< "$A11Y_ADDRESS" # without the blanks dbus-send puts around it
}
# accessibility_bus_end: ends the launcher, its bus and the registry daemon that the bus started
# for the program, each by its id. The registry daemon is started apart from the launcher and
# outlives it; the bus names the process that holds the registry's name.
accessibility_bus_end() {
    local registry=""
    [ -n "${A11Y_LAUNCHER:-}" ] || return 0
    if [ -n "${A11Y_ADDRESS:-}" ]; then
        registry=$(dbus-send --bus="$A11Y_ADDRESS" --print-reply=literal \
            --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.atspi.Registry \
            2> /dev/null | awk '{ print $NF }') || registry="" # the bus has gone already
    fi
    # shellcheck disable=SC2046 # one id a word
    end_process "$registry" $(descendants "$A11Y_LAUNCHER") "$A11Y_LAUNCHER"
    A11Y_LAUNCHER="" A11Y_ADDRESS=""
}

# The first visible window of process PID.
_visible_window_of() {
    local found
    found=$(xdotool search --onlyvisible --pid "$1" 2> /dev/null | head -n1 || true)
    [ -n "$found" ] && { echo "$found"; return 0; }
    kill -0 "$1" 2> /dev/null || return 125
    return 1
}
# window_of PID [SECONDS]: prints the id of the first visible window of process PID, waiting up to
# SECONDS (15) for it; fails at once when the process ends.
window_of() { wait_until "${2:-15}" _visible_window_of "$1"; }

_visible_window_named() {
    local found
    found=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n1 || true)
    [ -n "$found" ] && echo "$found"
}
# window_named PATTERN [SECONDS]: prints the id of a visible window whose title matches PATTERN
# (a regular expression), waiting up to SECONDS (15).
window_named() { wait_until "${2:-15}" _visible_window_named "$1"; }
# no_window_named PATTERN [SECONDS]: waits up to SECONDS (3) until no visible window matches.
no_window_named() { wait_until "${2:-3}" _no_window_named "$1"; }
_no_window_named() { ! xdotool search --onlyvisible --name "$1" > /dev/null 2>&1; }

_other_window() {
    local candidate
    for candidate in $(xdotool search --onlyvisible --pid "$1" 2> /dev/null); do
        [ "$candidate" != "$2" ] && { echo "$candidate"; return 0; }
    done
    kill -0 "$1" 2> /dev/null || return 125
    return 1
}
# other_window PID WINDOW [SECONDS]: prints a visible window of process PID other than WINDOW (a
# dialog, a message box over the main window), waiting up to SECONDS (5).
other_window() { wait_until "${3:-5}" _other_window "$1" "$2"; }
_window_titled() {
    local candidate
    for candidate in $(xdotool search --onlyvisible --pid "$1" 2> /dev/null); do
        case $(xdotool getwindowname "$candidate" 2> /dev/null) in
        *"$2"*) echo "$candidate"; return 0 ;;
        esac
    done
    kill -0 "$1" 2> /dev/null || return 125
    return 1
}
# window_titled PID TEXT [SECONDS]: prints a visible window of process PID whose title holds TEXT,
# waiting up to SECONDS (5). Unlike other_window, never a menu that is still closing.
window_titled() { wait_until "${3:-5}" _window_titled "$1" "$2"; }
# window_alone PID WINDOW [SECONDS]: waits up to SECONDS (3) until WINDOW is the only visible
# window of PID again.
window_alone() { wait_until "${3:-3}" _window_alone "$1" "$2"; }
_window_alone() { ! xdotool search --onlyvisible --pid "$1" 2> /dev/null | grep -qvx "$2"; }

_window_hidden() { ! xdotool search --onlyvisible --pid "$1" 2> /dev/null | grep -qx "$2"; }
# dismiss WINDOW [KEY] [-- COMMAND...]: gives WINDOW (a message box) the focus and presses KEY
# (Return: the default button). A key sent before the box has the focus is lost, so it is tried
# up to three times until COMMAND succeeds within 3 s; without COMMAND, until WINDOW is hidden.
dismiss() {
    local _box=$1 _key=Return
    shift
    if [ $# -gt 0 ] && [ "$1" != -- ]; then _key=$1; shift; fi
    [ "${1:-}" = -- ] && shift
    [ $# -gt 0 ] || set -- _window_gone "$_box"
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$_box" 2> /dev/null || true
        xdotool key "$_key"
        wait_until 3 "$@" && return 0
    done
    return 1
}
# Whether a window is gone from the screen: destroyed, or no longer among the visible windows of
# its process (Qt and Wine name the process on each window).
_window_gone() {
    local pid
    pid=$(xdotool getwindowpid "$1" 2> /dev/null) || return 0
    _window_hidden "$pid" "$1"
}

# Types $1 into the focused box. xdotool types a character the keyboard lacks (every kanji) by
# remapping a spare key to it; a program that reads the key after the next remap gets the next
# character, so on a busy machine the default 12 ms between keys lost characters (山田花子 came out
# as 山). A wider gap costs a fraction of a second and keeps them.
type_text() { xdotool type --delay 80 "$1"; }

# Prints "WIDTHxHEIGHT" of window $1.
window_size() {
    xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'
}

# wait_exit PID [SECONDS]: waits up to SECONDS (10) for process PID, a child of this shell, to end.
# Sets EXIT_STATUS to its exit status; returns 1 when it is still running.
wait_exit() {
    wait_until "${2:-10}" process_gone "$1" || return 1
    # shellcheck disable=SC2034 # the caller reads it
    EXIT_STATUS=0
    # shellcheck disable=SC2034
    wait "$1" || EXIT_STATUS=$?
}
