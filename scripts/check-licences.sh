#!/usr/bin/env bash
# Fails when a file of the project has no licence in .reuse/dep5 (reuse lint names it), or when
# debian/copyright no longer begins with .reuse/dep5 word for word: both say which files are under
# which licence, and must say the same.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if ! git -C "$here" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    echo "licences: skipped, reuse lint needs git to tell the project's files from build output"
    exit 0
fi
"$here/scripts/setup-debian.sh" reuse
# Debian 12's reuse (1.1) reads only .reuse/dep5, and Debian 13's (5.0) refuses a REUSE.toml beside
# it; so dep5 it is, and 13's warning that dep5 is deprecated is expected.
reuse --root "$here" lint
head -n "$(wc -l < "$here/.reuse/dep5")" "$here/debian/copyright" | cmp -s - "$here/.reuse/dep5" ||
    { echo "licences: debian/copyright does not begin with .reuse/dep5" >&2; exit 1; }
