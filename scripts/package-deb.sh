#!/usr/bin/env bash
# Builds the Debian package of ソラニカ with Debian's own tools (debhelper, dpkg-buildpackage),
# after installing what building it needs, and checks it with lintian: an error or a warning
# fails. The package, its .changes and its .buildinfo land in build-deb/ (or the folder given).
# The package's version is the project's, from CMakeLists.txt, revision 1.
#   scripts/package-deb.sh [OUTPUT_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$here/build-deb"}
mkdir -p "$out"
out=$(cd "$out" && pwd)

"$here/scripts/setup-debian.sh" dpkg-dev debhelper lintian git
version=$(sed -n 's/^project(Soranika VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
[ -n "$version" ] || { echo "no version in CMakeLists.txt" >&2; exit 1; }

# The sources the package is built from: the files git knows, as they are in the working tree,
# without anyone's build folders.
source="$out/soranika-$version"
rm -rf "$source"
mkdir -p "$source"
git -C "$here" ls-files -z | tar -C "$here" --null -T - -cf - | tar -C "$source" -xf -

# The changelog entry carries the project's version and the date of the last commit, so that two
# builds of one commit make the same package.
when=$(date -R -u -d "@$(git -C "$here" log -1 --format=%ct)")
cat > "$source/debian/changelog" << CHANGES
soranika ($version-1) unstable; urgency=medium

  * Release $version.

 -- The Soranika developers <developers@soranika.example.jp>  $when
CHANGES

if ! (cd "$source" && dpkg-checkbuilddeps > /dev/null 2>&1); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q "$source"
fi
rm -f "$out"/soranika_"$version"-1_* "$out"/soranika-dbgsym_"$version"-1_*
(cd "$source" && dpkg-buildpackage -us -uc -b -j"$(nproc)") > "$out/build.log" 2>&1 ||
    { tail -n 40 "$out/build.log"; exit 1; }
changes=$(ls "$out"/soranika_"$version"-1_*.changes)
lintian --info --fail-on error,warning "$changes" | tee "$out/lintian.log"
echo "built: $(ls "$out"/soranika_"$version"-1_*.deb)"
