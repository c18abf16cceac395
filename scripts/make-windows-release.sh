#!/usr/bin/env bash
# Makes the Windows release, uragae-VERSION-windows-x64.zip: ウラガエ.exe, the licence and a short
# read-me in Japanese and English. The names are stored as UTF-8 with the zip's language flag set, so
# that Explorer shows ウラガエ.exe; the entries go in a fixed order, all dated the release's date, with
# fixed modes and owners: the same bytes from any builder, folder, time, time zone or umask.
# Usage: scripts/make-windows-release.sh BUILD_DIR [OUT_DIR]
#   BUILD_DIR: a build of the windows preset; OUT_DIR (default BUILD_DIR) gets the zip, whose path
#   the script prints.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
out=$(realpath -m "${2:-$1}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
release_date=$(sed -n 's/^set(URAGAE_RELEASE_DATE \([0-9-]*\))$/\1/p' "$root/CMakeLists.txt")
exe="$build/win32/ウラガエ.exe"
[ -f "$exe" ] || { echo "make-windows-release: no $exe (build the windows preset first)" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/ウラガエ.exe"
# Text files as Windows' own editors read them: CRLF line ends, and the read-me marked as UTF-8.
sed 's/$/\r/' "$root/LICENSE" > "$stage/LICENSE.txt"
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$root/packaging/windows/README.txt"; } > "$stage/README.txt"

mkdir -p "$out"
zip="$out/uragae-$version-windows-x64.zip"
rm -f "$zip"
# What each entry is, in order, described to libarchive's bsdtar (Debian package libarchive-tools) as
# an mtree: its mode, root's ownership and the release's date, nothing taken from the files on disk
# (their times and this builder's umask). bsdtar writes the language flag, which Info-ZIP's zip
# leaves to an extra field Explorer does not read. mtree names escape other bytes than ASCII as octal.
escape() { printf '%s' "$1" | od -A n -t u1 -v | xargs -n 1 | awk '{ printf ($1 > 32 && $1 < 127 && $1 != 92) ? "%c" : "\\%03o", $1 }'; }
epoch=$(date -u -d "$release_date" +%s)
{
    echo '#mtree'
    for entry in ウラガエ.exe README.txt LICENSE.txt; do
        name=$(escape "$entry")
        echo "$name type=file mode=0644 uid=0 gid=0 time=$epoch.0 contents=$name"
    done
} > "$stage/manifest.mtree"
# A zip's dates are local times: in UTC they are the release's date anywhere.
(cd "$stage" && TZ=UTC0 LC_ALL=C.UTF-8 bsdtar --format zip \
    --options zip:compression=deflate,zip:hdrcharset=UTF-8 -cf "$zip" @manifest.mtree)
echo "$zip"
