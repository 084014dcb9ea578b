#!/usr/bin/env bash
# Installs the Debian 12 or 13 packages ソラニカ needs, and nothing when they are all there already.
# Run as root, or as a user who may use sudo.
#   scripts/setup-debian.sh --start      what building and running the program needs
#   scripts/setup-debian.sh              that, and everything the test command needs besides
#   scripts/setup-debian.sh PACKAGE...   only those (other scripts name what they need besides)
set -euo pipefail

start=(
    cmake g++ make                 # the build
    qt6-base-dev                   # Qt 6 Core, Gui, Widgets, PrintSupport, Test
    scdoc                          # the manual pages, built to roff with the program
    fonts-ipafont-gothic           # Japanese gothic faces in place of "ＭＳ Ｐゴシック"
    fonts-mplus                    # a heavy Japanese gothic for the about window's title
    qt6-translations-l10n          # Japanese texts on the standard dialogs' buttons
    qt6-wayland                    # the program as a client of a Wayland compositor
)
tests=(
    clang libclang-rt-dev          # the libFuzzer targets
    clang-format-19                # the formatting check: one version on Debian 12 and 13 alike
    clang-tools-19                 # the include check (clang-include-cleaner-19)
    xvfb xdotool                   # end-to-end tests of the real program in a private X server
    strace                         # ... and what it asks of the disk
    libfuse3-dev fuse3 pkgconf     # the power-cut test's recording file system
    at-spi2-core gir1.2-atspi-2.0 python3-gi dbus   # the program read as a screen reader reads it
    orca                           # ... and as a screen reader speaks it
    weston                         # a Wayland compositor to run the program in
    imagemagick poppler-utils      # screenshots, and printed pages turned into pictures
    desktop-file-utils             # checks the installed desktop entry
    man-db                         # checks the manual pages (man --warnings)
    appstream                      # checks the installed metainfo (appstreamcli validate)
    reuse                          # every file's licence (reuse lint, from .reuse/dep5)
)

if [ "${1:-}" = --start ]; then
    packages=("${start[@]}")
elif [ $# -eq 0 ]; then
    packages=("${start[@]}" "${tests[@]}")
else
    packages=("$@")
fi
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
