#!/usr/bin/env bash
# The real program against real faults in a private X server: a settings folder that is a file,
# a help file that is a named pipe, a history on a full disk, a settings file of garbage. Each must end in a message
# box over a window that still answers, never in a freeze or a crash. With SORANIKA_TEST_OUTPUT
# set, the message boxes are kept there as PNG files.
#   faults.sh PATH/TO/soranika
set -euo pipefail
program_source=${1:?usage: faults.sh PATH/TO/soranika}
. "$(dirname "$0")/../../scripts/lib/desktop-session.sh"
. "$(dirname "$0")/../../scripts/lib/checks.sh"
trap 'end_process ${app:-}; umount "${disk:-/nonexistent}" 2>/dev/null || true; session_end' EXIT
session_start

main_size=535x

# A program folder of its own, so that its files can be damaged.
folder="$SESSION_DIR/program"
mkdir -p "$folder"
install_program() {
    cp "$program_source" "$folder/soranika"
    cp "$(dirname "$program_source")/readme.txt" "$folder/" 2>/dev/null || true
}
install_program

start() {
    "$folder/soranika" & app=$!
    window=$(window_of $app) || give_up "$1: no window"
    case "$(window_size "$window")" in $main_size*) ;; *) give_up "$1: no main window";; esac
    xdotool windowfocus --sync "$window"
    sleep 0.3
}
stop() { end_process $app; app=; }

keep() {
    [ -n "${SORANIKA_TEST_OUTPUT:-}" ] || return 0
    mkdir -p "$SORANIKA_TEST_OUTPUT"
    import -window "$2" "$SORANIKA_TEST_OUTPUT/$1.png"
}
# Types 昭和60年5月12日 into the main window and presses 鑑　定 and 記　録.
appraise_and_record_here() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 0.3
    appraise_and_record "$window"
}
# Appraises and records; prints the message box that follows. A key typed before the window had
# the focus gives the one-line "appraise first" box instead of the report, which is three lines
# and more: then the entry is typed again.
record_and_report() {
    local box size
    for _ in 1 2 3; do
        appraise_and_record_here
        box=$(other_window $app "$window") || return 1
        size=$(window_size "$box")
        if [ "${size#*x}" -ge 90 ]; then
            echo "$box"
            return 0
        fi
        dismiss "$box"
    done
    return 1
}

# 1. ~/.config is a file: the program starts; Record keeps the entry and says what it could not
#    save.
rm -rf "$XDG_CONFIG_HOME"
touch "$XDG_CONFIG_HOME"
start "settings folder is a file"
box=$(record_and_report) || give_up "Record with unsavable settings said nothing"
keep record-settings-not-saved "$box"
dismiss "$box"
grep -q . "$folder/SanRireki.txt" || give_up "the entry was not recorded"
stop
rm -f "$XDG_CONFIG_HOME"
mkdir -p "$XDG_CONFIG_HOME"
pass "a settings folder that is a file: the program starts, the entry is kept, the user is told"

# 2. readme.txt is a named pipe nobody writes to: 説明 says the file is missing, at once.
rm -f "$folder/readme.txt"
mkfifo "$folder/readme.txt"
start "help file is a pipe"
xdotool key alt+h Return
box=$(other_window $app "$window") || give_up "説明 froze on a named pipe"
keep help-pipe "$box"
dismiss "$box"
kill -0 $app || give_up "the program ended"
stop
rm -f "$folder/readme.txt"
pass "a help file that is a named pipe does not freeze the window"

# 3. The history on a full disk (a link from the program folder onto a small, full tmpfs):
#    Record says so, and the history is left as it was.
disk="$SESSION_DIR/disk"
mkdir -p "$disk"
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=64k soranika-test "$disk" 2>/dev/null; then
    # Nearly a whole page, so that the entry does not fit in what is left of it.
    { head -c 4000 /dev/zero | tr '\0' x; printf '\r\n'; } > "$disk/SanRireki.txt"
    before=$(md5sum < "$disk/SanRireki.txt")
    head -c 1M /dev/zero > "$disk/filler" 2>/dev/null || true
    rm -f "$folder/SanRireki.txt"
    ln -s "$disk/SanRireki.txt" "$folder/SanRireki.txt"
    start "full disk"
    box=$(record_and_report) || give_up "Record on a full disk said nothing"
    keep record-full-disk "$box"
    [ "$(md5sum < "$disk/SanRireki.txt")" = "$before" ] || give_up "the history changed on a full disk"
    [ -L "$folder/SanRireki.txt" ] || give_up "the link to the history is gone"
    stop
    umount "$disk"
    pass "Record on a full disk leaves the history as it was and says so"
else
    skip "a full disk needs root and tmpfs"
fi

# 4. A settings file of binary garbage, which Qt can neither read nor write over: at start-up it
#    is moved aside unchanged and the user told once; then Record counts again.
head -c 65536 /dev/urandom > "$XDG_CONFIG_HOME/vobrel.conf"
garbage=$(md5sum < "$XDG_CONFIG_HOME/vobrel.conf")
"$folder/soranika" & app=$!
box=$(window_of $app) || give_up "a garbled settings file: no window"
case "$(window_size "$box")" in $main_size*) give_up "a garbled settings file: nothing said" ;; esac
keep settings-set-aside "$box"
# The message goes, then the main window comes.
main_window_of() {
    local found
    found=$(_visible_window_of "$1") || return
    case "$(window_size "$found")" in $main_size*) echo "$found" ;; *) return 1 ;; esac
}
dismiss "$box" || give_up "a garbled settings file: the message does not go"
window=$(wait_until 5 main_window_of $app) || give_up "a garbled settings file: no main window"
kept=("$XDG_CONFIG_HOME"/vobrel.conf.damaged-*)
{ [ ${#kept[@]} = 1 ] && [ "$(md5sum < "${kept[0]}")" = "$garbage" ]; } ||
    give_up "the garbled settings file was not kept, unchanged, beside the new one"
appraise_and_record_here
wait_until 3 grep -q '^Rireki=1' "$XDG_CONFIG_HOME/vobrel.conf" 2>/dev/null ||
    give_up "Record did not count in a fresh store"
stop
pass "a garbled settings file is kept aside, said once, and the program counts again"
check_summary
