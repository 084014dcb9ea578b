#!/usr/bin/env bash
# Inside a fresh Debian root, as root: adds ソラニカ's apt repository as the README tells a user
# to, installs the release it holds, lets two accounts record (one of them with a colour of her
# own), then the repository gets the next release and `apt-get upgrade` installs it. Every
# user's history and settings must be as they were, byte for byte, and the program must start
# on them and count on.
#   upgrade-steps.sh SUITE OLD_VERSION NEW_VERSION
# The repository before and after the new release is in /srv/soranika/before and
# /srv/soranika/after, its key in soranika-archive-keyring.gpg beside this script.
set -euo pipefail
suite=${1:?usage: upgrade-steps.sh SUITE OLD_VERSION NEW_VERSION}
old=${2:?} new=${3:?}
here=$(cd "$(dirname "$0")" && pwd)
export DEBIAN_FRONTEND=noninteractive
. "$here/package-steps.sh"
installed() { dpkg-query -W -f '${Version}' soranika; }

# What a user does, but with the repository's folder in place of its web address.
install -m 644 "$here/soranika-archive-keyring.gpg" /usr/share/keyrings/
ln -sfn /srv/soranika/before /srv/soranika/apt
cat > /etc/apt/sources.list.d/soranika.sources << SOURCES
Types: deb
URIs: file:/srv/soranika/apt
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/soranika-archive-keyring.gpg
SOURCES
logged /tmp/apt-update.log "apt-get update" apt-get update -q
! grep -qi 'not signed\|NO_PUBKEY\|BADSIG' /tmp/apt-update.log ||
    give_up "$suite: $(cat /tmp/apt-update.log)"
logged /tmp/apt-install.log "apt-get install soranika" apt-get install -y -q soranika
[ "$(installed)" = "$old" ] || give_up "$suite: apt installed $(installed), not $old"
pass "$suite: apt-get install soranika from the signed repository: $old"
logged /tmp/apt-tools.log "installing the check's tools" \
    apt-get install -y -q --no-install-recommends xvfb xdotool

for user in hanako taro; do useradd --create-home --shell /bin/bash "$user"; done
as hanako record
as taro record
# Hanako's own colour, as フォーム色を変更 stores it.
settings=/home/hanako/.config/vobrel.conf
if grep -q '^Color=' "$settings"; then
    sed -i 's/^Color=.*/Color=12639424/' "$settings"
else
    sed -i 's/^\[section1\]$/&\nColor=12639424/' "$settings"
fi
grep -q '^Color=12639424' "$settings" || give_up "$suite: hanako's settings hold no colour"
kept=/tmp/users-files.sha256
sha256sum /home/*/.local/share/soranika/SanRireki.txt /home/*/.config/vobrel.conf > "$kept"
pass "$suite: two accounts recorded with $old ($(wc -l < "$kept") files)"

# The repository gets the new release.
ln -sfn /srv/soranika/after /srv/soranika/apt
logged /tmp/apt-update.log "apt-get update" apt-get update -q
logged /tmp/apt-upgrade.log "apt-get upgrade" apt-get upgrade -y -q
[ "$(installed)" = "$new" ] || give_up "$suite: apt-get upgrade left $(installed), not $new"
pass "$suite: apt-get upgrade: $old -> $new"
sha256sum --quiet -c "$kept" || give_up "$suite: the upgrade changed a user's file"
pass "$suite: every user's history and settings are as they were"

as hanako record
count=$(sed -n 's/^Rireki=\([0-9]*\).*/\1/p' "$settings")
[ "$count" = 2 ] || give_up "$suite: after the upgrade hanako's count is ${count:-empty}, not 2"
grep -q '^Color=12639424' "$settings" || give_up "$suite: hanako's colour is gone"
pass "$suite: $new starts on them: hanako's second reading is counted, her colour kept"
check_summary
