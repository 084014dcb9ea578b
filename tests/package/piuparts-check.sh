#!/usr/bin/env bash
# piuparts on a new package, as root: it installs and purges it on a fresh root of its Debian
# release, then installs the release before it from the apt repository given, upgrades that to
# the new package and purges; every step must leave the root as piuparts expects (no file left,
# none changed that is not the package's).
#   tests/package/piuparts-check.sh REPOSITORY_BEFORE NEW.deb SUITE
# The base root piuparts starts from is kept in ~/.cache/soranika/piuparts-SUITE.tgz.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
before=$(realpath "${1:?usage: piuparts-check.sh REPOSITORY_BEFORE NEW.deb SUITE}")
deb=$(realpath "${2:?}")
suite=${3:?}
. "$here/scripts/lib/debian-root.sh"
"$here/scripts/setup-debian.sh" piuparts debootstrap
cache=${XDG_CACHE_HOME:-$HOME/.cache}/soranika
mkdir -p "$cache"
base="$cache/piuparts-$suite.tgz"
keep=(--save="$base")
[ -s "$base" ] && keep=(--basetgz="$base")
# The log stays beside the package.
log="$(dirname "$deb")/piuparts-$suite.log"
# The repository is bound into the root at its own path, so that the same line serves inside.
# Debian 13's debconf leaves /var/cache/debconf/tmp.ci/ in every root, which Debian 12's piuparts
# does not know yet and counts against the package.
if ! piuparts -d "$suite" -m "$(debian_root_mirror)" "${keep[@]}" --bindmount="$before" \
    --ignore=/var/cache/debconf/tmp.ci/ \
    --extra-repo="deb [signed-by=$before/soranika-archive-keyring.gpg] file://$before $suite main" \
    "$deb" > "$log" 2>&1; then
    grep -E 'ERROR|FAIL' "$log" | tail -n 30
    echo "FAIL: piuparts on $(basename "$deb") ($suite); its log: $log"
    exit 1
fi
# piuparts says which tests it ran: the upgrade test only when it found the release before.
grep -q 'PASS: Installation, upgrade and purging tests' "$log" ||
    { echo "FAIL: piuparts ran no upgrade from the release before ($log)"; exit 1; }
echo "PASS: piuparts on $(basename "$deb") ($suite): $(sed -n 's/.*INFO: PASS: //p' "$log" | tr '\n' ' ')"
