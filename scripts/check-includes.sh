#!/usr/bin/env bash
# Fails when a program source includes a header it uses nothing of, and names both: clang's
# include cleaner, on the compile database a build writes (compile_commands.json). Headers the
# cleaner would add are not asked for: a source may lean on what its own header includes.
# The tests, benchmarks, fuzzers and tools are left out; they are not the program.
# Qt's forwarding headers (<QTimer> is one line, #include "qtimer.h", without a guard) look to the
# cleaner like headers meant to be pasted in, which it never calls unused: a stale Qt include
# passes. The program's own headers and the standard library's are checked.
#   scripts/check-includes.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:?usage: check-includes.sh BUILD_DIR}")
[ -f "$build/compile_commands.json" ] || { echo "no compile database in $build" >&2; exit 1; }
"$here/scripts/setup-debian.sh" clang-tools-19
cd "$here"
# The sources this build compiles (not the other platform's halves), as git knows them.
mapfile -t sources < <(python3 -c '
import json, os, sys
root, build = sys.argv[1], sys.argv[2]
built = {os.path.relpath(os.path.join(e["directory"], e["file"]), root)
         for e in json.load(open(os.path.join(build, "compile_commands.json")))}
print("\n".join(sorted(built)))' "$here" "$build" |
    grep -vE '^(tests|bench|fuzz|tools|build[^/]*)/|^\.\./' | grep -Fxf <(git ls-files '*.cpp'))
# One source a run (the cleaner prints changes for a single file only), one a core.
unused=$(printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} sh -c '
    changes=$(clang-include-cleaner-19 -p "$1" --print=changes --insert=0 --remove "$2" 2>&1) ||
        { echo "$2: the include cleaner failed: $changes"; exit 0; }
    [ -z "$changes" ] || printf "%s\n" "$changes" | sed "s|^|$2: |"' _ "$build" {})
if [ -n "$unused" ]; then
    echo "$unused"
    echo "includes: unused includes above (clang-include-cleaner-19 --edit --insert=0 FILE removes them)"
    exit 1
fi
echo "includes: ${#sources[@]} program sources include only what they use"
