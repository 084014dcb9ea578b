#!/usr/bin/env bash
# The committed pictures, icons and pointer are exactly what the generator draws: it runs into
# a temporary folder and every file is compared byte for byte.
#   pictures-up-to-date.sh GENERATOR SOURCE_DIR
set -euo pipefail
generator=${1:?usage: pictures-up-to-date.sh GENERATOR SOURCE_DIR}
source=${2:?}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$generator" "$out/pictures" --icons "$out/icons" > /dev/null 2>&1
differ=0
for file in "$source"/data/pictures/*.tkb "$source"/data/icons/*.png "$source"/data/icons/*.xpm; do
    kind=$(basename "$(dirname "$file")")
    if ! cmp -s "$file" "$out/$kind/$(basename "$file")"; then
        echo "differs from the generator's drawing: $file"
        differ=$((differ + 1))
    fi
done
count=$(ls "$source"/data/pictures/*.tkb | wc -l)
[ "$count" -eq 60 ] || { echo "expected 60 pictures, found $count"; exit 1; }
[ $differ -eq 0 ] || { echo "run data/pictures/generate.sh and commit the result"; exit 1; }
echo "1 passed, 0 failed"
