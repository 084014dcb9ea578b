#!/usr/bin/env bash
# Builds the Debian source and binary packages of ソラニカ for the Debian release this machine
# runs, with Debian's own tools (dpkg-buildpackage, debhelper), after installing what building
# them needs, and checks them with lintian: an error or a warning fails.
#
# The version is debian/changelog's newest, with ~deb12u1 or ~deb13u1 after it, so that apt tells
# the two releases' packages apart and orders them (1.0-1~deb12u1 < 1.0-1~deb13u1 < 1.0.1-1~…);
# the entry that says so is added to the copy that is built, dated a second after the newest
# one, so that the package's bytes depend on its source alone.
#
# The sources are the tarball given with --source (the release's `git archive`), or else the
# files git knows, as they are in the working tree. They become soranika_VERSION.orig.tar.gz.
# The .deb, .dsc, .changes and .buildinfo land in build-deb/ (or the folder given).
#   scripts/package-deb.sh [--source soranika-VERSION.tar.gz] [OUTPUT_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tarball=
if [ "${1:-}" = --source ]; then
    tarball=$(realpath "${2:?--source needs a tarball}")
    shift 2
fi
out=${1:-"$here/build-deb"}
mkdir -p "$out"
out=$(cd "$out" && pwd)

"$here/scripts/setup-debian.sh" dpkg-dev debhelper lintian git python3
"$here/scripts/check-release-notes.py" "$here" > /dev/null ||
    { "$here/scripts/check-release-notes.py" "$here"; exit 1; }
upstream=$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version | sed 's/^[0-9]*://; s/-[^-]*$//')
. /etc/os-release
release=${VERSION_ID%%.*}
case $release in
    12 | 13) ;;
    *) echo "package-deb.sh builds on Debian 12 or 13; this is ${PRETTY_NAME:-unknown}" >&2; exit 1 ;;
esac

work="$out/work"
rm -rf "$work"
mkdir -p "$work"
orig="$work/soranika_$upstream.orig.tar.gz"
if [ -n "$tarball" ]; then
    cp "$tarball" "$orig"
else
    # The same layout as `git archive --prefix=soranika-VERSION/`, made the same way each time.
    when=$(git -C "$here" log -1 --format=%ct)
    git -C "$here" ls-files -z |
        tar -C "$here" --null -T - --transform "s,^,soranika-$upstream/," --sort=name \
            --mtime="@$when" --mode=go=rX,u+rw --owner=0 --group=0 --numeric-owner --format=gnu -cf - |
        gzip -9 -n > "$orig"
fi
tar -C "$work" -xzf "$orig"
source="$work/soranika-$upstream"
[ -f "$source/debian/changelog" ] || { echo "$orig holds no soranika-$upstream/debian/" >&2; exit 1; }

base=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
version="$base~deb${release}u1"
dated=$(date -R -u -d "@$(($(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp) + 1))")
maintainer=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Maintainer)
{
    printf 'soranika (%s) %s; urgency=medium\n\n' "$version" "$VERSION_CODENAME"
    printf '  * Built for Debian %s (%s).\n\n' "$release" "$VERSION_CODENAME"
    printf ' -- %s  %s\n\n' "$maintainer" "$dated"
    cat "$source/debian/changelog"
} > "$work/changelog" && mv "$work/changelog" "$source/debian/changelog"

if ! (cd "$source" && dpkg-checkbuilddeps > /dev/null 2>&1); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q "$source"
fi
rm -f "$out"/soranika_"$version"* "$out"/soranika-dbgsym_"$version"_*
(cd "$source" && dpkg-buildpackage -us -uc -sa -j"$(nproc)") > "$out/build.log" 2>&1 ||
    { tail -n 40 "$out/build.log"; exit 1; }
# dpkg-buildpackage writes beside the source.
mv "$work"/soranika*_"$version"* "$orig" "$out/"
rm -rf "$work"
changes=$(ls "$out"/soranika_"${version}"_*.changes)
lintian --info --fail-on error,warning "$changes" | tee "$out/lintian.log"
echo "built: $(ls "$out"/soranika_"$version"_*.deb)"
