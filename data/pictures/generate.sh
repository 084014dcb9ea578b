#!/bin/sh
# Rebuilds the picture generator in /tmp and regenerates, in place, the committed files:
#   data/pictures/Image(1).tkb ... Image(60).tkb
#   data/icons/soranika-32.png, soranika-128.png, soranika-256.png, hand-cursor.png
# Extra arguments go to the generator, e.g.  --contact-sheet /tmp/pictures-sheet.png
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=${SORANIKA_PICTURE_BUILD:-/tmp/soranika-picture-generator-build}

cmake -S "$here/generator" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
    "$build/soranika-picture-generator" "$here" --icons "$here/../icons" "$@"
echo "pictures written to $here, icons to $(cd "$here/../icons" && pwd)"
