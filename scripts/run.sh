#!/usr/bin/env bash
# Installs what building and running need and is missing (no test tools), builds and starts
# ソラニカ.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" "$here/build" > "$here/build.log" 2>&1 ||
    { tail -n 40 "$here/build.log"; exit 1; }
exec "$here/build/program/soranika"
