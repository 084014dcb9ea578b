#!/usr/bin/env bash
# What a maintainer runs before tagging a release, as root: the release command on this commit
# and on a throw-away later version, and the update path between the two.
#
# In a temporary clone, with a throw-away signing key: this commit is tagged vVERSION and
# released (scripts/release.sh); the digests and the signature are checked. Then a later version
# VERSION.1 is made there (project(), a changelog entry, a metainfo release), tagged and released
# into the same apt repository. A fresh Debian 12 and a fresh Debian 13 root each install the
# first from the repository, two users record, and `apt-get upgrade` takes them to the second
# (upgrade-steps.sh); piuparts installs, purges and upgrades the second on both releases
# (piuparts-check.sh). Nothing of the clone, its tags or its key outlives the check.
#   tests/package/release-check.sh [--debian-only] [KEEP_FOLDER]
# KEEP_FOLDER, when given, keeps both releases' files there to look at, with the repository as it
# was before the second (apt-before); --debian-only is passed on to release.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
only=()
if [ "${1:-}" = --debian-only ]; then
    only=(--debian-only)
    shift
fi
. "$here/scripts/lib/debian-root.sh"
. "$here/scripts/lib/version.sh"
why=$(debian_root_usable) || { echo "SKIP: release-check.sh: $why"; exit 77; }
# The upgrade's users click by the control table a build of this source writes.
table="$here/build/control-table.txt"
[ -s "$table" ] || { echo "no control table at $table: build first (scripts/build.sh)" >&2; exit 1; }
"$here/scripts/setup-debian.sh" gnupg git reprepro debootstrap zstd
work=$(mktemp -d)
roots=()
trap 'for r in "${roots[@]}"; do debian_root_remove "$r"; done; rm -rf --one-file-system "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
pass() { echo "PASS: $*"; }

export GNUPGHOME="$work/gnupg"
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-gen-key 'Soranika test release <release@localhost>' \
    ed25519 sign never 2> /dev/null
key=$(gpg --batch --with-colons --list-secret-keys | awk -F: '/^fpr/ { print $10; exit }')

clone="$work/clone"
git clone -q "$here" "$clone"
git -C "$clone" config user.name release-check
git -C "$clone" config user.email release@localhost
version=$(project_version "$clone")
later="$version.1"
release="$work/release"

# A dirty tree and an untagged commit are refused.
touch "$clone/stray"
status=0
(cd "$clone" && scripts/release.sh --key "$key" "$release") > "$work/refused.log" 2>&1 || status=$?
grep -q 'working tree has changes' "$work/refused.log" && [ $status -ne 0 ] ||
    fail "release.sh took a dirty tree: $(tail -n 3 "$work/refused.log")"
rm "$clone/stray"
status=0
(cd "$clone" && scripts/release.sh --key "$key" "$release") > "$work/refused.log" 2>&1 || status=$?
grep -q "not tagged v$version" "$work/refused.log" && [ $status -ne 0 ] ||
    fail "release.sh took an untagged commit: $(tail -n 3 "$work/refused.log")"
pass "release.sh refuses a dirty tree and a commit without its tag"

release_in_clone() { # VERSION
    local started=$SECONDS
    git -C "$clone" tag "v$1"
    (cd "$clone" && scripts/release.sh --key "$key" "${only[@]}" "$release") \
        > "$work/release-$1.log" 2>&1 ||
        { tail -n 30 "$work/release-$1.log"; fail "release.sh $1"; }
    (cd "$release/$1" && sha256sum --quiet -c SHA256SUMS) || fail "sha256sum -c for $1"
    gpg --batch --verify "$release/$1/SHA256SUMS.asc" "$release/$1/SHA256SUMS" 2> /dev/null ||
        fail "gpg --verify for $1"
    pass "release $1 in $((SECONDS - started)) s: $(cd "$release/$1" && ls | tr '\n' ' ')"
}
release_in_clone "$version"
cp -a "$release/apt" "$work/apt-before"

# The throw-away later version: what a maintainer changes for a release.
when=$(date -R)
today=$(date +%F)
(
    cd "$clone"
    sed -i "s/^project(Soranika VERSION $version /project(Soranika VERSION $later /" CMakeLists.txt
    {
        printf 'soranika (%s-1) unstable; urgency=medium\n\n' "$later"
        printf '  * A test release, never published.\n    公開しない試験用のリリースです。\n\n'
        printf ' -- The Soranika developers <developers@soranika.example.jp>  %s\n\n' "$when"
        cat debian/changelog
    } > debian/changelog.new && mv debian/changelog.new debian/changelog
    metainfo=data/metainfo/jp.example.soranika.metainfo.xml.in
    sed -i "s|^  <releases>$|&\n    <release version=\"$later\" date=\"$today\">\n      <description>\n        <p>A test release, never published.</p>\n        <p xml:lang=\"ja\">公開しない試験用のリリースです。</p>\n      </description>\n    </release>|" "$metainfo"
    scripts/check-release-notes.py . > /dev/null || fail "$(scripts/check-release-notes.py .)"
    git commit -q -a -m "Release $later (a test)"
)
release_in_clone "$later"

for suite in $DEBIAN_SUITES; do
    release_number=$(debian_release_number $suite)
    root="$work/root-$suite"
    roots+=("$root")
    status=0
    debian_root_make "$suite" "$root" || status=$?
    [ $status -eq 0 ] || fail "no fresh $suite root"
    mkdir -p "$root/srv/soranika" "$root/tmp/upgrade/lib"
    cp -a "$work/apt-before" "$root/srv/soranika/before"
    cp -a "$release/apt" "$root/srv/soranika/after"
    cp "$release/apt/soranika-archive-keyring.gpg" \
        "$here"/tests/package/{upgrade-steps,package-steps,user-session}.sh "$root/tmp/upgrade/"
    cp "$here"/scripts/lib/*.sh "$root/tmp/upgrade/lib/"
    cp "$table" "$root/tmp/upgrade/"
    debian_root_run "$root" bash /tmp/upgrade/upgrade-steps.sh "$suite" \
        "$version-1~deb${release_number}u1" "$later-1~deb${release_number}u1" ||
        fail "the upgrade on $suite"
    debian_root_remove "$root"
done
# piuparts: the new package installs and purges cleanly, and upgrades the release before it.
for suite in $DEBIAN_SUITES; do
    release_number=$(debian_release_number $suite)
    "$here/tests/package/piuparts-check.sh" "$work/apt-before" \
        "$release/$later/soranika_$later-1~deb${release_number}u1_amd64.deb" "$suite" ||
        fail "piuparts on $suite"
done
if [ -n "${1:-}" ]; then
    mkdir -p "$1" && cp -a "$release"/. "$1/" && cp -a "$work/apt-before" "$1/"
fi
pass "both releases made, signed and checked; apt upgrade keeps every user's files on 12 and 13"
