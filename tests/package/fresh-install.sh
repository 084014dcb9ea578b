#!/usr/bin/env bash
# Installs a built package on a brand-new Debian root, as a user of that release would, and checks
# it there (install-check.sh): what apt pulls in, the program for two accounts, a purge, and the
# package's own tests (debian/tests) run by autopkgtest.
# Run as root; the root comes from scripts/lib/debian-root.sh, a fresh copy of a cached
# debootstrap.
#   tests/package/fresh-install.sh PATH/TO/soranika_VERSION_ARCH.deb [bookworm|trixie]
# Exits 0 when every check passed, 1 when one failed, 77 when no root could be made here.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
deb=$(realpath "${1:?usage: fresh-install.sh PACKAGE.deb [SUITE]}")
suite=${2:-bookworm}
. "$here/scripts/lib/debian-root.sh"
why=$(debian_root_usable) || { echo "SKIP: fresh-install.sh: $why"; exit 77; }
"$here/scripts/setup-debian.sh" debootstrap zstd

work=$(mktemp -d)
root="$work/root"
trap 'debian_root_remove "$root"; rmdir "$work" 2> /dev/null || true' EXIT
status=0
debian_root_make "$suite" "$root" || status=$?
[ $status -ne 77 ] || { echo "SKIP: no $suite root could be made here"; exit 77; }
[ $status -eq 0 ] || exit $status
# The checks with the helpers they share and the control table they click by, which a build of
# the same source writes (scripts/build.sh).
table=${SORANIKA_CONTROL_TABLE:-$here/build/control-table.txt}
[ -s "$table" ] || { echo "no control table at $table: build first (scripts/build.sh)" >&2; exit 1; }
mkdir -p "$root/tmp/package-check/lib"
cp "$deb" "$here"/tests/package/{install-check,package-steps,user-session}.sh \
    "$root/tmp/package-check/"
cp "$table" "$root/tmp/package-check/control-table.txt"
cp "$here"/scripts/lib/*.sh "$root/tmp/package-check/lib/"
# What autopkgtest reads of the source: the package's tests and the helpers they share.
mkdir -p "$root/tmp/package-check/source/scripts"
cp -r "$here/debian" "$root/tmp/package-check/source/"
cp -r "$here/scripts/lib" "$root/tmp/package-check/source/scripts/"
debian_root_run "$root" \
    bash /tmp/package-check/install-check.sh "/tmp/package-check/$(basename "$deb")"
