#!/usr/bin/env bash
# Removes what `cmake --install build` put in place, as listed in build/install_manifest.txt.
# The history file SanRireki.txt in the program folder is the user's own and stays, and so does
# the folder while it holds it; the settings in ~/.config/vobrel.conf stay too.
#   scripts/uninstall.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
manifest="${1:-"$here/build"}/install_manifest.txt"
[ -f "$manifest" ] || { echo "no $manifest: nothing was installed from this build" >&2; exit 1; }

folders=()
while IFS= read -r file; do
    [ -n "$file" ] || continue
    rm -f -- "$file"
    folders+=("$(dirname -- "$file")")
done < "$manifest"
# Folders left empty go too (the program folder only when no history file is in it).
printf '%s\n' "${folders[@]}" | sort -u -r | while IFS= read -r folder; do
    rmdir -p --ignore-fail-on-non-empty -- "$folder" 2>/dev/null || true
done
echo "removed the files listed in $manifest"
