#!/usr/bin/env bash
# Installs what is missing, builds and starts ソラニカ. Arguments go to the program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" "$here/build" > "$here/build.log" 2>&1 ||
    { tail -n 40 "$here/build.log"; exit 1; }
if [ $# -eq 0 ]; then
    set -- --help
fi
exec "$here/build/program/soranika-cli" "$@"
