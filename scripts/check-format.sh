#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what .clang-format makes of it, and names it.
# `cmake --build build --target format` puts every file right. Always clang-format 19: versions
# disagree on details, and Debian 12 and 13 both ship 19.1.7.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    mapfile -t sources < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t sources < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
"$here/scripts/setup-debian.sh" clang-format-19
clang-format-19 --dry-run -Werror "${sources[@]}"
echo "formatting: ${#sources[@]} files as .clang-format wants them"
