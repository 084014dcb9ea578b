#!/usr/bin/env bash
# Inside a fresh Debian root, as root: installs the package as a user would (apt pulls in what it
# needs), checks the installed files, lets two accounts record, view and clear their own
# histories in the real program, and purges the package, which must leave nothing of its own
# and every user's history and settings as they were. Then autopkgtest installs it again and runs
# its tests (debian/tests) from the source beside this script.
#   install-check.sh /PATH/TO/soranika_VERSION_ARCH.deb
set -euo pipefail
deb=${1:?usage: install-check.sh PACKAGE.deb}
here=$(cd "$(dirname "$0")" && pwd)
export DEBIAN_FRONTEND=noninteractive
. "$here/package-steps.sh"

logged /tmp/apt-update.log "apt-get update" apt-get update -q
logged /tmp/apt-install.log "apt-get install of the package" apt-get install -y -q "$deb"
pulled=$(grep -c '^Setting up ' /tmp/apt-install.log || true)
pass "apt-get install $(basename "$deb") pulled in $pulled packages"

# What the package's own dependencies give, before any tool of this check is added.
reading=$(soranika-cli 昭和 60 5 12) || give_up "soranika-cli ended with $?"
grep -q 磁気を帯びたイノシシ <<< "$reading" || give_up "soranika-cli printed: $reading"
pass "soranika-cli 昭和 60 5 12 prints 磁気を帯びたイノシシ"
missing=$(ldd /usr/bin/soranika | grep 'not found' || true)
[ -z "$missing" ] || give_up "libraries missing for /usr/bin/soranika: $missing"
[ -f /usr/share/soranika/readme.txt ] && [ -f "/usr/share/soranika/Image(60).tkb" ] ||
    give_up "no help text or pictures in /usr/share/soranika"
pass "the desktop program's libraries, help text and pictures are all there"

logged /tmp/apt-tools.log "installing the check's tools" \
    apt-get install -y -q --no-install-recommends xvfb xdotool desktop-file-utils appstream man-db
desktop-file-validate /usr/share/applications/jp.example.soranika.desktop ||
    give_up "desktop-file-validate"
appstreamcli validate --no-net --pedantic /usr/share/metainfo/jp.example.soranika.metainfo.xml \
    > /tmp/appstream.log 2>&1 || { cat /tmp/appstream.log; give_up "appstreamcli validate"; }
for page in soranika soranika-cli; do
    man -w "$page" > /dev/null || give_up "man $page finds no page"
    man "$page" 2> /dev/null | grep -q "$page" || give_up "man $page shows nothing"
done
zcat /usr/share/man/man1/soranika.1.gz | grep -q 'local/share/soranika/SanRireki' ||
    give_up "man soranika does not say where the history is"
pass "desktop entry, metainfo and manual pages are valid where the system looks for them"

# Two accounts, each with a history of its own in their data folder.
for user in hanako taro; do useradd --create-home --shell /bin/bash "$user"; done
history_of() { echo "/home/$1/.local/share/soranika/SanRireki.txt"; }
as hanako record
as hanako view
as taro record
as taro clear
hanako=$(history_of hanako)
taro=$(history_of taro)
iconv -f CP932 -t UTF-8 "$hanako" | grep -q 磁気を帯びたイノシシ ||
    give_up "hanako's history has no reading"
[ "$(tr -cd '\n' < "$hanako" | wc -c)" = "$(grep -c $'\r$' "$hanako")" ] ||
    give_up "hanako's history has a line without CR LF"
[ "$(tail -c 2 "$hanako" | od -An -c | tr -d ' ')" = '\r\n' ] || give_up "hanako's entry is not whole"
[ "$(stat -c %U "$hanako")" = hanako ] || give_up "hanako's history is not hers"
[ "$(od -An -c "$taro" | tr -d ' ')" = '\r\n' ] || give_up "taro's cleared history is not empty"
[ ! -e /usr/share/soranika/SanRireki.txt ] && [ ! -e /root/.local/share/soranika ] ||
    give_up "a history was written outside the users' data folders"
pass "two accounts record, view and clear, each in ~/.local/share/soranika/SanRireki.txt"

# Purge: nothing of the package stays; the users' files stay as they were.
kept=/tmp/users-files.sha256
sha256sum "$hanako" "$taro" /home/*/.config/vobrel.conf > "$kept"
files=$(dpkg -L soranika)
logged /tmp/apt-purge.log purge apt-get purge -y -q soranika
left=$(while read -r path; do
    if [ -f "$path" ] || [ -L "$path" ]; then echo "$path"; fi
done <<< "$files")
[ -z "$left" ] || give_up "purge left: $left"
[ ! -e /usr/share/soranika ] || give_up "purge left /usr/share/soranika"
sha256sum --quiet -c "$kept" || give_up "purge changed a user's file"
pass "purge leaves no file of the package, and $(wc -l < "$kept") files of the users as they were"

# The package's own tests, as autopkgtest runs them on an installed package (the null runner: this
# root is the test bed).
logged /tmp/apt-autopkgtest.log "installing autopkgtest" \
    apt-get install -y -q --no-install-recommends autopkgtest
status=0
autopkgtest --output-dir /tmp/autopkgtest "$deb" "$here/source" -- null > /tmp/autopkgtest.log 2>&1 ||
    status=$?
summary=$(cat /tmp/autopkgtest/summary 2> /dev/null || true)
[ $status -eq 0 ] ||
    { tail -n 40 /tmp/autopkgtest.log; give_up "autopkgtest ended with $status: $summary"; }
pass "autopkgtest: $(tr '\n' ';' <<< "$summary" | sed 's/ \+/ /g; s/;$//')"
check_summary
