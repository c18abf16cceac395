#!/usr/bin/env bash
# Checks what the game ships, apart from the Debian package (scripts/check-debian-package.sh) and the
# Windows release (scripts/check-windows-release.sh): the version and the release date that
# debian/changelog repeats, the source release, reproducible from any copy of the tree whose files
# carry other times and modes, the tree a prefix install lays out, and the executable's hardening.
# Usage: scripts/check-package.sh BUILD_DIR   (a configured build; SOURCE_DATE_EPOCH, if set, is the
# source release's date)
set -euo pipefail
build=$(realpath "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=check-frame.sh
source "$root/scripts/check-frame.sh" "package check"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no CMAKE_PROJECT_VERSION in $build/CMakeCache.txt"; exit 1; }
id=io.github.uragae.Uragae
release_date=$(sed -n 's/^set(URAGAE_RELEASE_DATE \([0-9-]*\))$/\1/p' "$root/CMakeLists.txt")
epoch=${SOURCE_DATE_EPOCH:-$(date -u -d "$release_date" +%s)}
stamp=$(date -u -d "@$epoch" '+%F %T')  # as tar lists it in UTC

echo "== The version and the release date, in CMakeLists.txt and in debian/changelog"
debian_version=$(cd "$root" && dpkg-parsechangelog -S Version)
debian_date=$(date -u -d "@$(cd "$root" && dpkg-parsechangelog -S Timestamp)" +%F)
echo "  project $version of $release_date; debian/changelog $debian_version of $debian_date"
[ "${debian_version%-*}" = "$version" ] || { echo "debian/changelog is not of version $version"; exit 1; }
[ "$debian_date" = "$release_date" ] || { echo "debian/changelog is not dated $release_date"; exit 1; }

# Fails unless the two files are the same bytes, and then shows what differs.
same() {
    cmp "$1" "$2" && return
    diffoscope "$1" "$2" || true
    echo "$3: not the same bytes"
    exit 1
}

echo "== Source release (scripts/make-source-tarball.sh)"
tarball=$("$root/scripts/make-source-tarball.sh" "$work")
tar -tzf "$tarball" | LC_ALL=C sort > "$work/source.txt"
echo "  $(basename "$tarball"): $(wc -l < "$work/source.txt") files"
[ "$(basename "$tarball")" = "uragae-$version.tar.gz" ]
for file in CMakeLists.txt .clang-format .clang-tidy scripts/test.sh; do
    grep -qx "uragae-$version/$file" "$work/source.txt" || { echo "missing from the release: $file"; exit 1; }
done
# In a clone with nothing uncommitted, the release holds exactly the files git keeps.
if command -v git > /dev/null && [ -e "$root/.git" ] && [ -z "$(git -C "$root" status --porcelain)" ]; then
    diff <(git -C "$root" ls-files | sed "s|^|uragae-$version/|" | LC_ALL=C sort) "$work/source.txt"
    echo "  the same files as git ls-files"
fi
# Files alone, in byte order of their names, owned by root, 0644 or 0755, dated the release's date.
TZ=UTC0 tar -tvzf "$tarball" --full-time --numeric-owner > "$work/source-entries.txt"
awk -v stamp="$stamp" '!($1 ~ /^-rw(-|x)r-(-|x)r-(-|x)$/ && $2 == "0/0" && $4 " " $5 == stamp) { print "  " $0; bad = 1 }
    END { exit bad }' "$work/source-entries.txt" || { echo "entries above are not root's, 0644 or 0755, dated $stamp"; exit 1; }
awk '{ print $6 }' "$work/source-entries.txt" | LC_ALL=C sort -c || { echo "the entries are not in byte order"; exit 1; }
echo "  every entry root's, 0644 or 0755, dated $stamp UTC"
# The same bytes from the unpacked release, and from another copy whose files carry the time of
# now and the modes of a checkout under umask 007.
mkdir "$work/unpacked-release" "$work/copy"
tar -xzf "$tarball" -C "$work/unpacked-release"
tar -xzf "$tarball" -C "$work/copy"
find "$work/copy" -exec touch {} + -exec chmod g+w,o-rwx {} +
for tree in unpacked-release copy; do
    again=$(bash "$work/$tree/uragae-$version/scripts/make-source-tarball.sh" "$work/$tree-tarball")
    same "$tarball" "$again" "the source release made from the $tree"
done
echo "  the same bytes made from the unpacked release and from a copy with other times and modes:"
echo "  $(sha256sum "$tarball" | cut -d ' ' -f 1)"
echo "Source release: ok"

echo "== cmake --install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
expected=(bin/uragae "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          share/man/man6/uragae.6 "share/icons/hicolor/scalable/apps/$id.svg")
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort) > "$work/installed.txt"
sed 's/^/  /' "$work/installed.txt"
diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) "$work/installed.txt"
[ -x "$prefix/bin/uragae" ]
echo "installed tree: ok"

echo "== Hardening of the build's executable (hardening-check, from Debian's devscripts)"
# What cmake/hardening.cmake asks for, read from the program: a position-independent executable,
# the stack protector, read-only relocations bound at start-up. Fortified functions and control-flow
# protection are left to where the compiler and Qt have them: hardening-check reports them and does
# not fail on them. Debian 13's hardening-check also asks for branch protection, a feature of ARM
# processors (-mbranch-protection) that no x86 program can have; the older one neither knows it nor
# the option (so the script itself is asked).
skip=(--nofortify --nocfprotection)
if grep -q nobranchprotection "$(command -v hardening-check)"; then
    skip+=(--nobranchprotection)
fi
hardening-check "${skip[@]}" "$build/qt/uragae" | sed 's/^/  /'
