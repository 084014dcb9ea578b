#!/usr/bin/env bash
# The installer over an installed older version, under Wine: silently, then with its pages
# clicked through. The older version is made here from the same program folder, with its own
# version number and a file the new version no longer has. After each upgrade the new version
# must be in place (its number in the uninstall entry, its files, none of the older one's), in
# the folder the older one was installed to, and the user's history file and settings must be
# as they were; the uninstaller afterwards still leaves them.
#   scripts/windows/upgrade-check.sh PACKAGE_FOLDER VERSION
# PACKAGE_FOLDER is build-windows/package (soranika/, files.nsh, soranika-setup.exe); WINEPREFIX
# is the tests' own.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
package=$(realpath "${1:?usage: upgrade-check.sh PACKAGE_FOLDER VERSION}")
version=${2:?}
. "$here/scripts/lib/desktop-session.sh"
. "$here/scripts/lib/checks.sh"
work=$(mktemp -d)
trap 'session_end; wineserver -k 2> /dev/null || true; rm -rf "$work"' EXIT

# The older version: the same files, another number, and one file of its own.
cp -r "$package/soranika" "$work/soranika"
printf 'only in the older version\r\n' > "$work/soranika/older-only.txt"
# shellcheck disable=SC2016 # $INSTDIR is the installer's own
(cd "$work/soranika" && {
    find . -type f | sed 's|^\./||; s|/|\\|g; s|^|    Delete "$INSTDIR\\|; s|$|"|'
    find . -mindepth 1 -depth -type d | sed 's|^\./||; s|/|\\|g; s|^|    RMDir "$INSTDIR\\|; s|$|"|'
}) > "$work/files.nsh"
makensis -V1 -DVERSION=0.9 -DPACKAGE="$work/soranika" -DFILELIST="$work/files.nsh" \
    -DOUTFILE="$work/older-setup.exe" "$here/scripts/windows/installer.nsi"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\jp.example.soranika'
settings='HKCU\Software\vobrel\OrganizationDefaults\section1'
# The folder the older version goes to: not the default one, so that the new one must find it.
folder_windows='C:\Soranika-test'
folder=$(winepath -u "$folder_windows" 2> /dev/null)
registry_value() { # KEY NAME
    wine reg query "$1" /v "$2" 2> /dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
install_older() {
    rm -rf "$folder"
    wine "$work/older-setup.exe" /S "/D=$folder_windows" && wineserver -w
    [ -f "$folder/older-only.txt" ] && [ "$(registry_value "$key" DisplayVersion)" = 0.9 ] ||
        { fail "the older version did not install into $folder_windows"; return 1; }
    # A user's history and settings, as the program writes them.
    printf '\x8f\xba\x98\x61 60\x94\x4e 5\x8c\x8e12\x93\xfa\r\n' > "$folder/SanRireki.txt"
    for value in Rireki=3 'Time=2026/12/08 9:30:00' Color=12639424; do
        wine reg add "$settings" /v "${value%%=*}" /d "${value#*=}" /f > /dev/null 2>&1
    done
    md5sum < "$folder/SanRireki.txt" > "$work/history.md5"
}
check_upgraded() { # HOW
    local settings_now
    settings_now="$(registry_value "$settings" Rireki)|$(registry_value "$settings" Time)|$(registry_value "$settings" Color)"
    if [ "$(registry_value "$key" DisplayVersion)" != "$version" ]; then
        fail "$1: the uninstall entry says $(registry_value "$key" DisplayVersion), not $version"
    elif [ -e "$folder/older-only.txt" ]; then
        fail "$1: the older version's own file is still there"
    elif ! cmp -s "$folder/soranika.exe" "$package/soranika/soranika.exe"; then
        fail "$1: $folder_windows\\soranika.exe is not the new one"
    elif [ "$(md5sum < "$folder/SanRireki.txt")" != "$(cat "$work/history.md5")" ]; then
        fail "$1: the history changed"
    elif [ "$settings_now" != "3|2026/12/08 9:30:00|12639424" ]; then
        fail "$1: the settings are now $settings_now"
    else
        pass "$1: 0.9 -> $version in $folder_windows, the older files gone, history and settings kept"
    fi
}

# Silently, as an update script or a software manager runs it.
if install_older; then
    wine "$package/soranika-setup.exe" /S && wineserver -w
    check_upgraded "silent upgrade"
fi

# With its pages: the folder page offers the older version's folder, then 次へ/Install, Close.
session_start
if install_older; then
    wine "$package/soranika-setup.exe" > "$work/setup.log" 2>&1 &
    setup=$!
    if window=$(window_named "Setup" 20); then
        xdotool windowfocus --sync "$window" key Return # the folder page: Install
        wait_until 60 test "$(registry_value "$key" DisplayVersion)" = "$version" || true
        sleep 2
        xdotool search --name "Setup" windowfocus --sync key Return 2> /dev/null || true # Close
        wait_until 20 process_gone "$setup" || true
        wineserver -w
        check_upgraded "upgrade through the installer's pages"
    else
        fail "the installer shows no window"
    fi
    end_process "$setup"
fi

# The uninstaller after an upgrade still leaves the history and the settings.
wine "$(winepath -w "$folder/uninstall.exe")" /S && wineserver -w
sleep 2
left=$(ls "$folder" 2> /dev/null | tr '\n' ' ')
if [ "$left" = "SanRireki.txt " ] && [ "$(registry_value "$settings" Rireki)" = 3 ]; then
    pass "uninstalling the upgraded version leaves the history and the settings"
else
    fail "after uninstalling the upgraded version: left '$left', Rireki '$(registry_value "$settings" Rireki)'"
fi
rm -rf "$folder"
check_summary
