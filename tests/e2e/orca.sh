#!/usr/bin/env bash
# What a blind user hears: the real program with the real screen reader Orca, in a private X
# server and D-Bus session. Orca's debug log records every utterance ("SPEECH OUTPUT: '…'") even
# where no speech synthesiser can be reached; orca-checks.py drives the keys and reads that log.
#   orca.sh PATH/TO/soranika
set -euo pipefail
program=${1:?usage: orca.sh PATH/TO/soranika}
here=$(cd "$(dirname "$0")" && pwd)
orca=$(command -v orca || true)
if [ -z "$orca" ]; then
    echo "SKIP: Orca is not installed (scripts/setup-debian.sh installs it)"
    exit 77
fi
if [ -z "${SORANIKA_ORCA_SESSION:-}" ]; then
    exec env SORANIKA_ORCA_SESSION=1 dbus-run-session -- "$0" "$@"
fi
. "$here/../../scripts/lib/desktop-session.sh"
cleanup() {
    # Orca may take its time, or not end at all, when told to stop: end_process kills it then.
    end_process ${orca_pid:-} ${app:-}
    accessibility_bus_end
    if [ -n "${SORANIKA_ORCA_KEEP_LOG:-}" ] && [ -n "${log:-}" ]; then
        cp "$log" "$SORANIKA_ORCA_KEEP_LOG" || true
        cp "$SESSION_DIR/orca.log" "$SORANIKA_ORCA_KEEP_LOG.orca" || true
    fi
    session_end
}
trap cleanup EXIT
session_start
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0
accessibility_bus_start || echo "the accessibility bus does not answer yet"
# The program keeps its history beside itself: a copy of it in the session folder, so that the
# test's records never reach the build's own.
cp -r "$(dirname "$program")" "$SESSION_DIR/program"
rm -f "$SESSION_DIR/program/SanRireki.txt"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$SESSION_DIR/program/$(basename "$program")" \
    > "$SESSION_DIR/program.log" 2>&1 & app=$!
window_of $app > /dev/null || { echo "FAIL: the program shows no window"; exit 1; }
log="$SESSION_DIR/orca-debug.out"
# Orca writes its debug log through a buffer, so utterances would reach the file minutes late;
# orca-launch.py runs Orca's own launcher with that one file written line by line.
interpreter=$(head -n1 "$orca" | sed -n 's/^#! *\([^ ]*python[0-9.]*\).*/\1/p')
if [ -n "$interpreter" ]; then
    "$interpreter" "$here/orca-launch.py" "$orca" --debug-file="$log" \
        > "$SESSION_DIR/orca.log" 2>&1 & orca_pid=$!
else
    # A launcher that is no Python script is run as it is; its log may then come late.
    "$orca" --debug-file="$log" > "$SESSION_DIR/orca.log" 2>&1 & orca_pid=$!
fi
/usr/bin/python3 "$here/orca-checks.py" "$log" "$app"
