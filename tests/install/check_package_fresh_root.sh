#!/usr/bin/env bash
# Installs the package into a fresh minimal Debian 12 root without its Recommends, as a newcomer's
# machine takes it, and starts it there offscreen: what Depends brings must be all the program
# needs, a face with Japanese glyphs included. Making the root takes root; without it the test is
# skipped (status 77). The base root is kept in WORK_DIR for the next run.
# Usage: check_package_fresh_root.sh PACKAGE_DIR WORK_DIR
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: making a Debian root and entering it takes root"
    exit 77
fi
package=$(find "$1" -maxdepth 1 -name 'sorba_*.deb' | head -n 1)
[ -n "$package" ] || { echo "FAIL: no sorba_*.deb in $1"; exit 1; }
work=$2
mkdir -p "$work"

# The Debian mirror this machine's own apt uses, so the test reaches what apt reaches.
mirror=$(grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}' |
    grep -v security | head -n 1 || true)
[ -n "$mirror" ] || mirror=$(grep -hs '^deb ' /etc/apt/sources.list | awk '{print $2}' |
    grep -v security | head -n 1 || true)
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian

base=$work/bookworm-minbase.tar
if [ ! -f "$base" ]; then
    rm -rf "$work/base"
    debootstrap --variant=minbase bookworm "$work/base" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -20 "$work/debootstrap.log"; echo "FAIL: debootstrap from $mirror"; exit 1; }
    tar -C "$work/base" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf "$work/base"
    echo "made the base root in $SECONDS s"
fi
root=$work/root
cleanup() {
    umount "$root/dev" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    # Never remove through a mount still in place: its /dev is the machine's own.
    if ! mountpoint -q "$root/dev" && ! mountpoint -q "$root/proc" &&
        ! grep -qs " $root/" /proc/mounts; then
        rm -rf "$root"
    fi
}
cleanup
trap cleanup EXIT
mkdir -p "$root"
tar -C "$root" -xf "$base"
cp "$package" "$root/tmp/"
cp /etc/resolv.conf "$root/etc/" 2>/dev/null || true

# A mount namespace of its own, so the mounts go with it however the test ends. Inside a chroot
# (a fresh-machine check runs the tests in one) the root is no mount point and no private
# namespace can be made; there the mounts stay in this one and the cleanup above undoes them.
wrap=(unshare --mount --propagation private)
"${wrap[@]}" true 2>/dev/null || wrap=()
"${wrap[@]}" bash -s "$root" "$(basename "$package")" <<'OUTSIDE'
set -euo pipefail
root=$1
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
chroot "$root" /bin/bash -s "$2" <<'INSIDE'
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; exit 1; }
# The root is thrown away afterwards: dpkg need not wait for each file to reach the disk.
apt-get install -y -qq --no-install-recommends -o Dpkg::Options::=--force-unsafe-io "/tmp/$1" \
    >>/tmp/apt.log 2>&1 ||
    { tail -30 /tmp/apt.log; echo "FAIL: apt-get install of $1"; exit 1; }
echo "installed with:" $(dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' fonts-noto-cjk \
    fonts-ipafont-gothic fonts-vlgothic libqt6widgets6 qt6-translations-l10n 2>/dev/null |
    awk '$1 == "ii" { print $2 }')

mkdir -p /tmp/home
SORBA_REPORT_SHOWN=1 HOME=/tmp/home sorba -platform offscreen >/tmp/out 2>/tmp/err &
pid=$!
for _ in $(seq 1200); do
    grep -q '^shown ' /tmp/out && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
if ! grep -q '^shown ' /tmp/out; then
    kill -KILL "$pid" 2>/dev/null || true
    echo "FAIL: the installed program never showed its window: $(cat /tmp/err)"
    exit 1
fi
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: ended with $status after SIGTERM: $(cat /tmp/err)"; exit 1; }
if grep -q 'no installed font has Japanese glyphs' /tmp/err; then
    echo "FAIL: the package's Depends brought no Japanese font: $(cat /tmp/err)"
    exit 1
fi
[ -f /tmp/home/.config/sorba/SORBA.INI ] || { echo "FAIL: no settings in ~/.config/sorba"; exit 1; }
INSIDE
OUTSIDE
echo "$(basename "$package") installs without Recommends on a fresh Debian 12 and starts" \
    "($SECONDS s in all)"
