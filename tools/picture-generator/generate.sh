#!/bin/sh
# Builds the picture generator (the project with SORANIKA_PICTURE_GENERATOR on, in /tmp) and
# regenerates, in place, the committed files:
#   data/pictures/Image(1).tkb ... Image(60).tkb
#   data/icons/soranika-32.png, soranika-128.png, soranika-256.png, hand-cursor.png,
#   program_icon.xpm, hand_cursor.xpm
# Extra arguments go to the generator, e.g.  --contact-sheet /tmp/pictures-sheet.png
set -eu

here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
build=${SORANIKA_PICTURE_BUILD:-/tmp/soranika-pictures-build}
pictures="$source/data/pictures"
icons="$source/data/icons"

cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSORANIKA_PICTURE_GENERATOR=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target soranika-picture-generator --parallel "$(nproc)" >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
    "$build/tools/picture-generator/soranika-picture-generator" "$pictures" --icons "$icons" "$@"
echo "pictures written to $pictures, icons to $icons"
