#!/usr/bin/env bash
# Builds the Debian source package from the source release and checks it with Debian's own tools,
# as Debian's build daemons and CI do: the binary package built by an unprivileged user in a
# brand-new chroot that holds only build-essential and the Build-Depends; reprotest building it
# again there with its variations and requiring the same bytes; lintian on the .dsc, the .changes
# and the .deb; and autopkgtest running debian/tests against the installed game in another
# brand-new chroot. Needs root (it runs itself through sudo otherwise). The pristine chroot, made
# by debootstrap's buildd variant of this machine's Debian release, and the packages downloaded
# into its copies are kept under build/debian-chroot/, so a second run fetches neither again.
# Usage: scripts/check-debian-package.sh [OUTPUT_DIR (default: build/debian)]
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo -- "$0" "$@"
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/debian}
rm -rf "$out" && mkdir -p "$out" && out=$(realpath "$out")
mkdir -p "$root/build" && work=$(mktemp -d "$root/build/debian-work.XXXX")
mounted=()
finish() {
    local status=$? dir point
    for dir in "${mounted[@]}"; do
        for point in var/cache/apt/archives dev/shm dev/pts dev sys proc; do umount -l "$dir/$point" || true; done
    done
    # Nothing is removed while anything is still mounted below it.
    if ! grep -qF " $work/" /proc/mounts; then rm -rf "$work"; fi
    if [ $status -eq 0 ]; then echo "Debian package check: ok"; else echo "Debian package check: FAILED"; fi
}
trap finish EXIT
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
cache=$root/build/debian-chroot
pristine=$cache/$codename
archives=$cache/$codename-archives
mkdir -p "$archives/partial"

# Gives the chroot DIR the kernel's file systems and the cached downloads until the script ends.
# Each is mounted alone, not recursively, so that unmounting it touches nothing of this machine's.
mount_chroot() {
    mounted+=("$1")
    mount -t proc proc "$1/proc"
    mount --bind /sys "$1/sys"
    mount --bind /dev "$1/dev"
    mount --bind /dev/pts "$1/dev/pts"
    mount -t tmpfs tmpfs "$1/dev/shm"
    mount --bind "$archives" "$1/var/cache/apt/archives"
}
# A brand-new copy of the pristine chroot, brought up to date.
fresh_chroot() {
    cp -a "$pristine" "$1"
    cp /etc/resolv.conf /etc/hosts "$1/etc/"
    mount_chroot "$1"
    chroot "$1" sh -c 'apt-get -q update && DEBIAN_FRONTEND=noninteractive apt-get -q -y dist-upgrade' \
        > "$work/update.log" 2>&1 || { tail -n 20 "$work/update.log"; exit 1; }
}

if [ ! -x "$pristine/usr/bin/dpkg-buildpackage" ]; then
    echo "== Making a pristine Debian $codename chroot (debootstrap --variant=buildd, once) in $pristine"
    mirror=$(cat /etc/apt/sources.list.d/*.sources 2> /dev/null | sed -n 's/^URIs: *\([^ ]*\).*/\1/p' | head -n 1 || true)
    [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list)
    rm -rf "$pristine.tmp"
    debootstrap --variant=buildd --include=passwd,util-linux "$codename" "$pristine.tmp" "$mirror" > "$work/debootstrap.log" ||
        { tail -n 20 "$work/debootstrap.log"; exit 1; }
    # The same archive, updates and security sources as this machine's.
    rm -f "$pristine.tmp/etc/apt/sources.list"
    cp -r /etc/apt/sources.list* "$pristine.tmp/etc/apt/"
    # Builds run as an ordinary user, as on Debian's build daemons (Rules-Requires-Root: no).
    chroot "$pristine.tmp" useradd --create-home --user-group builder
    chroot "$pristine.tmp" useradd --create-home --user-group builder2
    chroot "$pristine.tmp" apt-get clean
    mv "$pristine.tmp" "$pristine"
fi

echo "== Source package (3.0 (quilt): the source release as the orig tarball)"
version=$(cd "$root" && dpkg-parsechangelog -S Version)
upstream=${version%-*}
tarball=$("$root/scripts/make-source-tarball.sh" "$work")
mv "$tarball" "$out/uragae_$upstream.orig.tar.gz"
tar -xzf "$out/uragae_$upstream.orig.tar.gz" -C "$out"
(cd "$out" && dpkg-source --build "uragae-$upstream" > /dev/null)
rm -rf "$out/uragae-$upstream"
dsc=$out/uragae_$version.dsc
sed 's/^/  /' "$dsc"

echo "== Binary package, built in a brand-new chroot from the Build-Depends alone"
chroot=$work/chroot
fresh_chroot "$chroot"
mkdir "$chroot/build"
cp "$dsc" "$out"/uragae_"$upstream".orig.tar.gz "$out"/uragae_"$version".debian.tar.* "$chroot/build/"
chroot "$chroot" chown -R builder:builder /build
in_build_chroot() { chroot "$chroot" "$@"; }
in_build_chroot env DEBIAN_FRONTEND=noninteractive apt-get -q -y --no-install-recommends \
    build-dep "/build/$(basename "$dsc")" > "$work/build-dep.log" 2>&1 || { tail -n 30 "$work/build-dep.log"; exit 1; }
in_build_chroot runuser -u builder -- env -i PATH=/usr/bin:/bin HOME=/home/builder LANG=C.UTF-8 \
    DEB_BUILD_OPTIONS="parallel=$(nproc)" sh -ec "cd /build && dpkg-source --extract $(basename "$dsc") uragae &&
        cd uragae && dpkg-buildpackage --no-sign --build=binary" > "$out/build.log" 2>&1 ||
    { tail -n 60 "$out/build.log"; echo "the package did not build"; exit 1; }
tail -n 12 "$out/build.log" | sed 's/^/  /'
mkdir -p "$work/control/source-root"
cp "$chroot"/build/*.*deb "$work/control/source-root/"
cp "$chroot"/build/*.*deb "$chroot"/build/*.changes "$chroot"/build/*.buildinfo "$out/"
deb=$(ls "$out"/uragae_"$version"_*.deb)
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Architecture\|Section\|Depends\|Recommends\):/  \1:/p'

echo "== reprotest: the same package again, built there with variations, must be the same bytes"
# What cannot be varied here is left out: the user and the host name, which reprotest changes through
# `sudo -h localhost` (refused by Debian 12's sudo) and `unshare --uts`, and the file order where FUSE
# (disorderfs) is not usable.
variations=+all,time.faketimes+=+398days+6hours,-user_group,-domain_host
[ -c /dev/fuse ] && [ -w /dev/fuse ] || variations+=,-fileordering
echo "  --vary=$variations"
env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 reprotest --verbosity=1 --control-build "$work/control" --store-dir "$work/reprotest" \
    --vary="$variations" \
    "$dsc" -- chroot "$chroot" > "$out/reprotest.log" 2>&1 || {
    tail -n 400 "$out/reprotest.log" | grep -v '^    ' | tail -n 60
    echo "reprotest: not reproducible (or the build failed)"; exit 1; }
grep -E 'VARIATION|variation' "$out/reprotest.log" | sed 's/^.*INFO:reprotest.build://; s/^/  /' | sort -u
sed -n '/^=\+$/,$p' "$out/reprotest.log" | sed 's/^/  /'

echo "== lintian on the .dsc, the .changes and the .deb"
# Run as nobody, as lintian asks not to run as root, on copies in a folder nobody may enter: the
# checkout may be private (Debian 12 makes home folders 0700). Lintian on Debian 12 is older than the
# package: it knows Policy up to 4.6.2 and not autopkgtest's @recommends@, so it may warn of those two alone.
readable=$(mktemp -d /tmp/uragae-lintian.XXXX) && chmod 755 "$readable" && cp "$out"/uragae[-_]* "$readable"/
lintian=(runuser -u nobody -- env -C "$readable" HOME=/tmp lintian --display-info --display-experimental --pedantic)
if dpkg --compare-versions "$(dpkg-query -W -f '${Version}' lintian)" lt 2.117; then
    lintian+=(--suppress-tags "newer-standards-version,testsuite-dependency-has-unparsable-elements")
fi
changes=$(ls "$out"/uragae_"$version"_*.changes)
lintian_status=0
for file in "$dsc" "$changes" "$deb"; do
    echo "  lintian $(basename "$file"):"
    "${lintian[@]}" "$(basename "$file")" > "$work/lintian.txt" 2>&1 || lintian_status=1
    sed 's/^/    /' "$work/lintian.txt"
    [ ! -s "$work/lintian.txt" ] || lintian_status=1
done
rm -rf "$readable"
[ $lintian_status -eq 0 ] || { echo "lintian reports tags (or did not run)"; exit 1; }

echo "== autopkgtest: debian/tests against the package installed in another brand-new chroot"
testbed=$work/testbed
fresh_chroot "$testbed"
dpkg-source --extract "$dsc" "$work/source" > /dev/null
autopkgtest --no-built-binaries --output-dir "$work/autopkgtest" \
    "$deb" "$work/source/" -- chroot "$testbed" > "$out/autopkgtest.log" 2>&1 || autopkgtest_status=$?
# What the tests said of themselves, and each one's verdict.
grep -E '^(e2e: |no Japanese|(end-to-end|command[0-9]+) +(PASS|FAIL|SKIP|FLAKY))' "$out/autopkgtest.log" | sed 's/^/  /'
[ "${autopkgtest_status:-0}" -eq 0 ] || { tail -n 30 "$out/autopkgtest.log"; echo "autopkgtest failed"; exit 1; }
