#!/usr/bin/env bash
# Installs a built package on a brand-new Debian root, as a user of that release would, and checks
# it there (install-check.sh): what apt pulls in, the program for two accounts, and a purge.
# Run as root; the root is made with debootstrap (minbase) and kept as a tarball in the cache, so
# the next run starts from the same fresh copy.
#   tests/package/fresh-install.sh PATH/TO/soranika_VERSION_ARCH.deb [bookworm|trixie]
# Exits 0 when every check passed, 1 when one failed, 77 when no root could be made here.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
deb=$(realpath "${1:?usage: fresh-install.sh PACKAGE.deb [SUITE]}")
suite=${2:-bookworm}
# 77: this machine cannot make a root to install into (not root, or no mounts allowed, as in
# some containers).
[ "$(id -u)" -eq 0 ] || { echo "SKIP: fresh-install.sh makes a chroot: run it as root"; exit 77; }
probe=$(mktemp -d)
if ! mount -t tmpfs none "$probe" 2> /dev/null; then
    rmdir "$probe"
    echo "SKIP: this machine allows no mounts, and a chroot needs /proc and /dev"
    exit 77
fi
umount "$probe" && rmdir "$probe"
"$here/scripts/setup-debian.sh" debootstrap zstd

# Debian's archive as this machine reaches it.
mirror=$(sed -n 's|^URIs: *\(http[^ ]*/debian\)/*$|\1|p' /etc/apt/sources.list.d/*.sources \
    2> /dev/null | head -n1)
mirror=${mirror:-http://deb.debian.org/debian}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/soranika
base="$cache/fresh-$suite.tar.zst"
mkdir -p "$cache"
# A proxy apt is told of serves debootstrap too.
if [ -z "${http_proxy:-}" ]; then
    proxy=$(apt-config shell proxy Acquire::http::Proxy | sed -n "s/^proxy='\(.*\)'$/\1/p")
    [ -z "$proxy" ] || export http_proxy=$proxy
fi
if [ ! -s "$base" ]; then
    echo "== making a fresh $suite root (debootstrap minbase, once)"
    making=$(mktemp -d)
    if ! debootstrap --variant=minbase "$suite" "$making/root" "$mirror" > "$cache/debootstrap.log" 2>&1; then
        tail -n 20 "$cache/debootstrap.log"
        rm -rf "$making"
        echo "SKIP: no fresh $suite root could be made here (Debian's archive out of reach?)"
        exit 77
    fi
    tar -C "$making/root" --zstd -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf "$making"
fi

work=$(mktemp -d)
root="$work/root"
mounted=()
finish() {
    local point
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2> /dev/null || true; done
    # Whatever the check left running inside (an X server) goes with the root.
    for point in /proc/[0-9]*/root; do
        [ "$(readlink "$point" 2> /dev/null)" = "$root" ] && kill -9 "$(basename "$(dirname "$point")")" 2> /dev/null
    done
    rm -rf "$work"
}
trap finish EXIT
mkdir -p "$root"
tar -C "$root" --zstd -xf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
printf 'Types: deb\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$mirror" "$suite" > "$root/etc/apt/sources.list.d/debian.sources"
rm -f "$root/etc/apt/sources.list"
# How the host's apt reaches the archive (proxies, a frozen archive's dates); nothing else of it.
for setting in /etc/apt/apt.conf.d/*; do
    grep -qiE 'proxy|Check-Valid-Until|Check-Date' "$setting" 2> /dev/null &&
        cp "$setting" "$root/etc/apt/apt.conf.d/"
done
for point in proc sys dev dev/pts dev/shm; do
    mount --bind "/$point" "$root/$point"
    mounted+=("$root/$point")
done
# The checks with the helpers they share and the control table they click by, which a build of
# the same source writes (scripts/build.sh).
table=${SORANIKA_CONTROL_TABLE:-$here/build/control-table.txt}
[ -s "$table" ] || { echo "no control table at $table: build first (scripts/build.sh)" >&2; exit 1; }
mkdir -p "$root/tmp/package-check/lib"
cp "$deb" "$here/tests/package/install-check.sh" "$here/tests/package/user-session.sh" \
    "$root/tmp/package-check/"
cp "$table" "$root/tmp/package-check/control-table.txt"
cp "$here"/scripts/lib/*.sh "$root/tmp/package-check/lib/"
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 \
    bash /tmp/package-check/install-check.sh "/tmp/package-check/$(basename "$deb")"
