# shellcheck shell=bash
# Brand-new Debian roots to build or install in, as root: debootstrap (minbase) once per release,
# kept as a tarball in the cache, and a fresh copy of it each time, with Debian's archive as this
# machine reaches it. Source this file.
#
#   debian_root_usable            succeeds when this machine can make one (root, mounts allowed),
#                                 else prints why not
#   debian_root_make SUITE ROOT   a fresh bookworm or trixie root at ROOT, /proc, /sys and /dev
#                                 mounted; returns 77 when no root can be made (archive out of
#                                 reach)
#   debian_root_remove ROOT       what runs inside is ended, the mounts and the folder go
#   debian_root_run ROOT CMD...   CMD as root inside, with a clean environment
#   debian_root_mirror            Debian's archive as this machine's apt reaches it
#   DEBIAN_SUITES                 the releases ソラニカ is built for, oldest first
#   debian_release_number SUITE   12 for bookworm, 13 for trixie (the ~debNNu1 of a package)

DEBIAN_SUITES="bookworm trixie"
debian_release_number() {
    case $1 in
    bookworm) echo 12 ;;
    trixie) echo 13 ;;
    *) echo "no Debian release number for '$1'" >&2; return 1 ;;
    esac
}

debian_root_usable() {
    local probe
    [ "$(id -u)" -eq 0 ] || { echo "making a Debian root needs root"; return 1; }
    probe=$(mktemp -d)
    if ! mount -t tmpfs none "$probe" 2> /dev/null; then
        rmdir "$probe"
        echo "this machine allows no mounts, and a root needs /proc and /dev"
        return 1
    fi
    umount "$probe" && rmdir "$probe"
}

debian_root_mirror() {
    local mirror
    mirror=$(sed -n 's|^URIs: *\(http[^ ]*/debian\)/*$|\1|p' /etc/apt/sources.list.d/*.sources \
        2> /dev/null | head -n1)
    echo "${mirror:-http://deb.debian.org/debian}"
}

debian_root_make() {
    local suite=$1 root=$2 cache base making mirror setting point proxy
    mirror=$(debian_root_mirror)
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
        if ! debootstrap --variant=minbase "$suite" "$making/root" "$mirror" \
            > "$cache/debootstrap.log" 2>&1; then
            tail -n 20 "$cache/debootstrap.log"
            rm -rf "$making"
            echo "no fresh $suite root could be made here (Debian's archive out of reach?)"
            return 77
        fi
        tar -C "$making/root" --zstd -cf "$base.part" . && mv "$base.part" "$base"
        rm -rf "$making"
    fi
    mkdir -p "$root"
    tar -C "$root" --zstd -xf "$base"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    printf 'Types: deb\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' \
        "$mirror" "$suite" /usr/share/keyrings/debian-archive-keyring.gpg \
        > "$root/etc/apt/sources.list.d/debian.sources"
    rm -f "$root/etc/apt/sources.list"
    # How the host's apt reaches the archive (proxies, a frozen archive's dates); nothing else.
    for setting in /etc/apt/apt.conf.d/*; do
        grep -qiE 'proxy|Check-Valid-Until|Check-Date' "$setting" 2> /dev/null &&
            cp "$setting" "$root/etc/apt/apt.conf.d/"
    done
    for point in proc sys dev dev/pts dev/shm; do
        mount --bind "/$point" "$root/$point"
    done
}

debian_root_remove() {
    local root=$1 point
    [ -d "$root" ] || return 0
    # Whatever ran inside (an X server) goes with the root.
    for point in /proc/[0-9]*/root; do
        [ "$(readlink "$point" 2> /dev/null)" = "$root" ] &&
            kill -9 "$(basename "$(dirname "$point")")" 2> /dev/null
    done
    for point in dev/shm dev/pts dev sys proc; do
        umount -l "$root/$point" 2> /dev/null || true
        if mountpoint -q "$root/$point"; then
            echo "$root/$point is still mounted: $root is left as it is" >&2
            return 1
        fi
    done
    rm -rf --one-file-system "$root"
}

debian_root_run() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 HOME=/root \
        "$@"
}
