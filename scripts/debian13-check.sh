#!/usr/bin/env bash
# Builds the game and runs its tests on Debian 13 (trixie), whose Qt (6.8) and GCC (14) are newer
# than the Debian 12 the project is built on, to learn early what they change. Not part of CI:
# it needs root, the Debian mirror and a while on two cores.
#
# A minimal trixie is made with debootstrap into a folder (kept for the next run, so that only the
# first run fetches it), the working tree is copied into it (the build folders left out), the
# build dependencies are installed inside with scripts/install-deps.sh, and a Release build with
# the tests and warnings as errors is configured, built and tested there with ctest on the
# offscreen platform. The build folder stays inside the chroot, in /build/trixie, so that a
# second run builds only what changed (a copied file keeps the last run's time while its content
# is the same).
#
# Usage: scripts/debian13-check.sh [chroot folder]   (default /var/tmp/morvane-trixie)
# MORVANE_DEBIAN_MIRROR names another mirror; MORVANE_JOBS the build's jobs (default nproc).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
chroot_dir=${1:-/var/tmp/morvane-trixie}
mirror=${MORVANE_DEBIAN_MIRROR:-http://deb.debian.org/debian}
jobs=${MORVANE_JOBS:-$(nproc)}

if [ "$(id -u)" -ne 0 ]; then
    echo "debian13-check.sh: needs root (debootstrap, chroot, mount)" >&2
    exit 1
fi
if ! command -v debootstrap >/dev/null; then
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap
fi

begin=$SECONDS
step() { echo "== $1: $((SECONDS - begin)) s =="; }

# A folder that debootstrap left half made (a run stopped midway) is made again.
if [ ! -e "$chroot_dir/.morvane-bootstrapped" ]; then
    rm -rf "$chroot_dir"
    debootstrap --variant=minbase trixie "$chroot_dir" "$mirror"
    touch "$chroot_dir/.morvane-bootstrapped"
fi
step bootstrapped

# The chroot sees the machine's processes, devices and shared memory while it runs; they are
# unmounted however the script ends.
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[$i]}" 2>/dev/null || umount -l "${mounted[$i]}" || true
    done
}
trap cleanup EXIT
mount_into() {
    local target=$chroot_dir$2
    mkdir -p "$target"
    if [ "$1" = proc ]; then
        mount -t proc proc "$target"
    else
        mount --bind "$1" "$target"
    fi
    mounted+=("$target")
}
mount_into proc /proc
mount_into /dev /dev
mount_into /dev/pts /dev/pts
mount_into /dev/shm /dev/shm
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"

# The working tree as it stands, uncommitted changes too, without any build output. A file whose
# content is the same as at the last run keeps that run's time, so that the build folder rebuilds
# only what changed; every other file is dated now, whatever time the tree gives it: a tree's
# times can go backwards between runs (another branch, another worktree), and a changed header
# dated before the last build would leave its old compiled output in place.
staged="$chroot_dir/src.next"
rm -rf "$staged"
mkdir -p "$staged"
tar -C "$source_dir" --exclude=./build --exclude='./build-*' --exclude=./out --exclude=./.git \
    -cf - . | tar -C "$staged" --touch -xf -
if [ -d "$chroot_dir/src" ]; then
    (cd "$staged" && find . -type f -print0) | while IFS= read -r -d '' file; do
        if cmp -s "$staged/$file" "$chroot_dir/src/$file"; then
            touch -r "$chroot_dir/src/$file" "$staged/$file"
        fi
    done
fi
rm -rf "$chroot_dir/src"
mv "$staged" "$chroot_dir/src"
step copied

in_chroot() { chroot "$chroot_dir" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 "$@"; }

# What building needs, the fonts the tests draw with, Qt's translations they read, the virtual
# display and window manager of the tests of framed windows, and the message bus of the desktop
# portal's test.
in_chroot bash /src/scripts/install-deps.sh --build fonts-noto-cjk qt6-translations-l10n \
    xvfb openbox xauth x11-utils dbus-daemon
in_chroot sh -c 'echo "trixie: $(g++ --version | head -n 1); Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev)"'
step installed

in_chroot cmake -S /src -B /build/trixie -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMORVANE_WERROR=ON -DMORVANE_BUILD_TESTS=ON
in_chroot cmake --build /build/trixie -j "$jobs"
step built

status=0
in_chroot env QT_QPA_PLATFORM=offscreen ctest --test-dir /build/trixie -j "$jobs" \
    --output-on-failure || status=$?
step tested
exit "$status"
