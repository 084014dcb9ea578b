#!/usr/bin/env bash
# The real program read through the real accessibility stack, as a screen reader such as Orca
# reads it: a private X server, a private D-Bus session with its own accessibility bus, the
# program started with the bridge on, and accessibility.py as an independent client.
#   accessibility.sh PATH/TO/soranika
set -euo pipefail
program=${1:?usage: accessibility.sh PATH/TO/soranika}
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${SORANIKA_A11Y_SESSION:-}" ]; then
    # Everything below runs in a D-Bus session of its own, ended with it.
    exec env SORANIKA_A11Y_SESSION=1 dbus-run-session -- "$0" "$@"
fi
. "$here/../../scripts/lib/desktop-session.sh"
trap 'end_process ${app:-}; accessibility_bus_end; session_end' EXIT
session_start
accessibility_bus_start || echo "the accessibility bus does not answer yet"
# Qt builds its accessibility tree only when asked at start-up.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" > /dev/null 2>&1 & app=$!
window_of $app > /dev/null || { echo "FAIL: the program shows no window"; exit 1; }
/usr/bin/python3 "$here/accessibility.py"
