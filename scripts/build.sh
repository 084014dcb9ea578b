#!/usr/bin/env bash
# Configures and builds ソラニカ in build/ (or the folder given), after installing what building
# needs and is missing (the test command installs the rest first).
#   scripts/build.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build"}
shift $(( $# > 0 ? 1 : 0 ))

"$here/scripts/setup-debian.sh" --start
cmake -S "$here" -B "$build" "$@" > "$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)"
