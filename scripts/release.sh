#!/usr/bin/env bash
# Makes everything a version of ソラニカ ships, from a clean commit tagged vVERSION, into
# OUTPUT/VERSION/ (release/ when not given), and adds its packages to the apt repository in
# OUTPUT/apt/, which keeps every earlier release:
#   soranika-VERSION.tar.gz                      the source (git archive of the tag)
#   soranika_VERSION-1~deb12u1_amd64.deb         for Debian 12, built in a fresh Debian 12 root
#   soranika_VERSION-1~deb13u1_amd64.deb         for Debian 13, built in a fresh Debian 13 root
#   soranika-setup.exe, soranika-VERSION-windows-x86_64.zip   for Windows
#   SHA256SUMS, SHA256SUMS.asc                   the digests, signed with KEY
# The apt repository has a suite for each Debian release (bookworm, trixie), its Release files
# signed with KEY, and KEY's public half as soranika-archive-keyring.gpg.
#
# KEY is the maintainers' OpenPGP key (its id or fingerprint), in the gpg keyring of GNUPGHOME or
# of the user. Run as root (the packages are built in fresh roots); needs Debian's archive.
# --debian-only leaves the Windows files out: for checking the Debian side alone, not for a
# release.
#   scripts/release.sh --key KEY [--debian-only] [OUTPUT]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
key=
if [ "${1:-}" = --key ]; then
    key=${2:?--key needs a key id}
    shift 2
fi
windows=1
if [ "${1:-}" = --debian-only ]; then
    windows=0
    shift
fi
[ -n "$key" ] || { echo "usage: scripts/release.sh --key KEY [--debian-only] [OUTPUT]" >&2; exit 2; }
output=${1:-"$here/release"}
refuse() {
    echo "release.sh: $*" >&2
    exit 1
}

# What a release is made from: the tagged commit, nothing else.
cd "$here"
[ -z "$(git status --porcelain --untracked-files=normal)" ] ||
    refuse "the working tree has changes; a release is made from a clean commit"
. scripts/lib/version.sh
version=$(project_version)
tag="v$version"
[ "$(git rev-parse -q --verify "refs/tags/$tag^{commit}" || true)" = "$(git rev-parse HEAD)" ] ||
    refuse "HEAD is not tagged $tag, the version project() in CMakeLists.txt gives"
scripts/check-release-notes.py . > /dev/null ||
    refuse "$(scripts/check-release-notes.py . | head -n 3)"
gpg --batch --list-secret-keys "$key" > /dev/null 2>&1 || refuse "no secret key $key for gpg"

. scripts/lib/debian-root.sh
why=$(debian_root_usable) || refuse "$why"
scripts/setup-debian.sh debootstrap zstd reprepro gnupg git
mkdir -p "$output"
output=$(cd "$output" && pwd)
files="$output/$version"
rm -rf "$files"
mkdir -p "$files"
work=$(mktemp -d)
roots=()
trap 'for r in "${roots[@]}"; do debian_root_remove "$r"; done; rm -rf --one-file-system "$work"' EXIT

echo "== the source"
tarball="soranika-$version.tar.gz"
git archive --format=tar.gz --prefix="soranika-$version/" -o "$files/$tarball" "$tag"

# Each Debian release's package, built in a fresh root of it from the source tarball alone.
built="$work/debian"
for suite in $DEBIAN_SUITES; do
    echo "== the package for $suite"
    root="$work/$suite"
    roots+=("$root")
    debian_root_make "$suite" "$root" || refuse "no fresh $suite root"
    mkdir -p "$root/root/release"
    cp "$files/$tarball" "$root/root/release/"
    tar -C "$root/root/release" -xzf "$files/$tarball"
    debian_root_run "$root" bash -c "cd /root/release &&
        soranika-$version/scripts/package-deb.sh --source $tarball /root/release/out" \
        > "$output/build-$suite.log" 2>&1 ||
        { tail -n 30 "$output/build-$suite.log"; refuse "the $suite package did not build"; }
    mkdir -p "$built/$suite"
    cp "$root"/root/release/out/soranika* "$built/$suite/"
    cp "$root"/root/release/out/soranika_*_amd64.deb "$files/"
    debian_root_remove "$root"
done

if [ $windows = 1 ]; then
    echo "== Windows"
    scripts/windows/build.sh > "$output/build-windows.log" 2>&1 ||
        { tail -n 30 "$output/build-windows.log"; refuse "the Windows build failed"; }
    cp build-windows/package/soranika-setup.exe \
        "build-windows/package/soranika-$version-windows-x86_64.zip" "$files/"
fi

echo "== digests and signature"
(cd "$files" && sha256sum -- * > SHA256SUMS)
gpg --batch --yes --local-user "$key" --armor --detach-sign --output "$files/SHA256SUMS.asc" \
    "$files/SHA256SUMS"

echo "== the apt repository"
repository="$output/apt"
mkdir -p "$repository/conf"
{
    for suite in $DEBIAN_SUITES; do
        release=$(debian_release_number $suite)
        printf 'Origin: Soranika\nLabel: Soranika\nCodename: %s\n' "$suite"
        printf 'Architectures: amd64 source\nComponents: main\n'
        printf 'Description: ソラニカ for Debian %s\nSignWith: %s\n\n' "$release" "$key"
    done
} > "$repository/conf/distributions"
for suite in $DEBIAN_SUITES; do
    reprepro -b "$repository" --ignore=wrongdistribution include "$suite" \
        "$built/$suite"/soranika_*_amd64.changes
done
gpg --batch --yes --export "$key" > "$repository/soranika-archive-keyring.gpg"

(cd "$files" && sha256sum -c --quiet SHA256SUMS)
gpg --batch --verify "$files/SHA256SUMS.asc" "$files/SHA256SUMS" 2> /dev/null ||
    refuse "the signature over SHA256SUMS does not verify"
echo "released $version:"
(cd "$files" && ls -1)
echo "apt repository: $repository (suites: $DEBIAN_SUITES)"
