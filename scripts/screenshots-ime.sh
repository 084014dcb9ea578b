#!/usr/bin/env bash
# The year and name boxes with a real Japanese input method switched on (fcitx5 with Mozc), in a
# private X server: typing 60 into the year box must give "60", and yamada + Space + Return in
# the name box 山田. Writes ime-preedit.png (Mozc's candidates over the name box) and
# ime-converted.png to the folder given (default: screenshots/).
# mozc_server refuses to run as root, so the session runs as an unprivileged user, made when
# missing. Needs root, a build (scripts/build.sh) and the packages below.
#   scripts/screenshots-ime.sh [OUTPUT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$here/screenshots}" && cd "${1:-$here/screenshots}" && pwd)
user=soranika-ime
[ "$(id -u)" -eq 0 ] || { echo "run as root: the session needs a user of its own" >&2; exit 1; }
"$here/scripts/setup-debian.sh" fcitx5 fcitx5-mozc fcitx5-frontend-qt6 xvfb xdotool \
    imagemagick dbus
id "$user" > /dev/null 2>&1 || useradd -m "$user"
. "$here/scripts/lib/desktop-session.sh"
work=$(mktemp -d)
chmod 777 "$work"
# The lib goes with the session, which runs as the user, to a folder the user can read.
cp -r "$here/scripts/lib" "$work/lib"
chmod -R a+rX "$work/lib"
trap 'session_end; rm -rf "$work"' EXIT
SESSION_KEEP_HOME=1 SESSION_SCREEN=800x600x24 session_start
display=$DISPLAY

cat > "$work/session.sh" <<'SESSION'
#!/bin/bash
set -u
work=$1 program=$2
. "$work/lib/desktop-session.sh"
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$HOME/.config QT_IM_MODULE=fcitx
mkdir -p "$XDG_CONFIG_HOME/fcitx5"
printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=us' 'DefaultIM=mozc' '' \
    '[Groups/0/Items/0]' 'Name=keyboard-us' 'Layout=' '' '[Groups/0/Items/1]' 'Name=mozc' \
    'Layout=' '' '[GroupOrder]' '0=Default' > "$XDG_CONFIG_HOME/fcitx5/profile"
# In the foreground, so that its id is known: it and all it starts (mozc_server) end by it.
fcitx5 --replace > /dev/null 2>&1 & fcitx=$!
sleep 3
"$program" > /dev/null 2>&1 & app=$!
window=$(window_of $app) || exit 1
sleep 2
xdotool windowfocus --sync "$window"; sleep 0.5
fcitx5-remote -o; sleep 0.5
xdotool key Tab; sleep 0.3; xdotool type --delay 120 60; sleep 0.5
xdotool key Tab Tab Tab; sleep 0.3; fcitx5-remote -o; sleep 0.3
xdotool type --delay 120 yamada; sleep 0.8
import -window root "$work/ime-preedit.png"
xdotool key space; sleep 0.8; xdotool key Return; sleep 0.8
import -window root "$work/ime-converted.png"
end_process $app $(descendants $fcitx) $fcitx
SESSION
chmod 755 "$work/session.sh"
runuser -u "$user" -- env DISPLAY="$display" HOME="/home/$user" \
    dbus-run-session -- "$work/session.sh" "$work" "$here/build/program/soranika" 2> /dev/null
for name in ime-preedit ime-converted; do
    convert "$work/$name.png" -trim +repage "$out/$name.png"
    echo "$out/$name.png"
done
