#!/usr/bin/env bash
# Makes the source release, uragae-VERSION.tar.gz (VERSION from project() in CMakeLists.txt): the
# project's files under uragae-VERSION/, without a build, git's own folder or an editor's leftovers.
# It reads the tree, not git, so it works as well in an unpacked release as in a clone, and any copy
# of the same files gives the same bytes: the files in byte order of their names, owned by root,
# 0644 or (executable) 0755, all dated SOURCE_DATE_EPOCH when it is set and otherwise the release's
# date (URAGAE_RELEASE_DATE in CMakeLists.txt), and no name or time in the gzip header.
# Usage: scripts/make-source-tarball.sh [OUTPUT_DIR (default: build/)]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "${1:-$root/build}"
out=$(realpath "${1:-$root/build}")
cd "$root"
version=$(sed -n 's/^project(Uragae VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no version in project() in CMakeLists.txt" >&2; exit 1; }
date=$(sed -n 's/^set(URAGAE_RELEASE_DATE \([0-9-]*\))$/\1/p' CMakeLists.txt)
[ -n "$date" ] || { echo "no URAGAE_RELEASE_DATE in CMakeLists.txt" >&2; exit 1; }
epoch=${SOURCE_DATE_EPOCH:-$(date -u -d "$date" +%s)}
name=uragae-$version
# Left out: what .gitignore leaves out (the builds, the editor's cache), git's own folder (a file
# in a worktree), earlier releases, and editors' backup, swap and lock files.
files() {
    find . \( -path ./.git -o -path ./build -o -path ./.cache \) -prune -o ! -type d ! -name 'uragae-*.tar.gz' \
        ! -name '*~' ! -name '.*.sw?' ! -name '.#*' ! -name '#*#' -printf '%P\n' | LC_ALL=C sort
}
# The GNU format keeps no access or change times; a file stored twice (a hard link) is stored whole.
tar --create --file - --format=gnu --no-recursion --hard-dereference --files-from <(files) \
    --transform "s|^|$name/|" --owner=0 --group=0 --numeric-owner --mode=u=rwX,go=rX --mtime="@$epoch" |
    gzip -9n > "$out/$name.tar.gz"
echo "$out/$name.tar.gz"
