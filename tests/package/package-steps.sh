# shellcheck shell=bash
# What the checks that run inside a fresh Debian root share: the counting of checks from
# lib/checks.sh beside this file (or the source tree's scripts/lib), a stop at the first failure
# (give_up), a quiet command whose log is shown when it fails, and the installed program run as
# one of the machine's accounts.
steps_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
steps_lib="$steps_here/lib"
[ -d "$steps_lib" ] || steps_lib="$steps_here/../../scripts/lib"
. "$steps_lib/checks.sh"

# logged LOG WHAT COMMAND...: runs COMMAND with its output in LOG; gives up on WHAT, with the
# log's last lines, when it fails.
logged() {
    local log=$1 what=$2
    shift 2
    "$@" > "$log" 2>&1 || { tail -n 30 "$log"; give_up "$what"; }
}
# as USER ACTION: the installed program under that account's own X server, in its own home
# (user-session.sh: record, view or clear).
as() {
    runuser -u "$1" -- env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 HOME="/home/$1" USER="$1" \
        bash "$steps_here/user-session.sh" "$2"
}
