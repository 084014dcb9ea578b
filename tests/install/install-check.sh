#!/usr/bin/env bash
# Installs the build into a temporary prefix as the README says, checks the program folder, the
# desktop entry and the icon, starts the program from its desktop entry in a private X server,
# and uninstalls again, keeping the user's history file.
#   install-check.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: install-check.sh BUILD_DIR}
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/scripts/lib/desktop-session.sh"
prefix=$(mktemp -d)
# Installing writes build/install_manifest.txt; a real installation's list is kept and put back.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$prefix.manifest"
restore_manifest() {
    if [ -f "$prefix.manifest" ]; then mv "$prefix.manifest" "$manifest"; else rm -f "$manifest"; fi
}
trap 'kill ${app:-} 2>/dev/null || true; session_end; rm -rf "$prefix"; restore_manifest' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
passed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }

cmake --install "$build" --prefix "$prefix" > "$prefix.log" || { cat "$prefix.log"; fail "install"; }
rm -f "$prefix.log"
folder="$prefix/lib/soranika"
for file in soranika soranika-cli readme.txt; do
    [ -f "$folder/$file" ] || fail "$file is missing from the program folder"
done
for type in $(seq 60); do
    [ -f "$folder/Image($type).tkb" ] || fail "Image($type).tkb is missing"
done
[ -x "$prefix/bin/soranika" ] || fail "bin/soranika"
[ -f "$prefix/share/icons/hicolor/32x32/apps/soranika.png" ] || fail "the 32 x 32 icon"
pass "the program folder holds the program, its pictures and help text"

entry="$prefix/share/applications/soranika.desktop"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
exec_line=$(sed -n 's/^Exec=//p' "$entry" | tr -d '"')
[ "$exec_line" = "$folder/soranika" ] || fail "Exec names $exec_line"
pass "the desktop entry validates and names the installed program"

[ "$("$prefix/bin/soranika-cli" --today 2000-01-01 昭和 60 5 12 | head -n1)" = "磁気を帯びたイノシシ" ] ||
    fail "the installed soranika-cli"
pass "the installed soranika-cli reads a date"

session_start
"$exec_line" & app=$!
window=$(window_of $app) || fail "the desktop entry's program shows no window"
size=$(window_size "$window")
# Record once, through the button, so that the program writes its history file in its folder:
# appraise first (the era box has the focus), then 記　録.
xdotool windowfocus --sync "$window"
xdotool key Tab
xdotool type 2000
xdotool key Tab
xdotool type 1
xdotool key Tab
xdotool type 1
menu_height=$(( ${size#*x} - 375 ))
xdotool mousemove --window "$window" 488 $((menu_height + 84)) click 1
sleep 0.3
xdotool mousemove --window "$window" 488 $((menu_height + 180)) click 1
for i in $(seq 50); do [ -s "$folder/SanRireki.txt" ] && break; sleep 0.1; done
[ -s "$folder/SanRireki.txt" ] || fail "no history file in the program folder"
kill $app
wait $app 2>/dev/null || true
pass "the program starts from its desktop entry and keeps its history in its folder"

"$here/scripts/uninstall.sh" "$build" > /dev/null
[ ! -e "$entry" ] && [ ! -e "$folder/soranika" ] && [ ! -e "$prefix/bin/soranika" ] ||
    fail "uninstall left files behind"
[ -s "$folder/SanRireki.txt" ] || fail "uninstall removed the history file"
pass "uninstall removes the program and keeps the history file"
echo "$passed passed, 0 failed"
