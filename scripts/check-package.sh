#!/usr/bin/env bash
# Checks what the game ships: the tree a prefix install lays out, the Windows version record, the
# source release, and the Debian package: its executable hardened as Debian's own (hardening-check,
# and the compile flags for fortify), and lintian reporting no tag at any level.
# Usage: scripts/check-package.sh BUILD_DIR   (a release build in which the uragae target is built)
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'status=$?; rm -rf "$work"; [ $status -eq 0 ] && echo "package check: ok" || echo "package check: FAILED"' EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no CMAKE_PROJECT_VERSION in $build/CMakeCache.txt"; exit 1; }
id=io.github.uragae.Uragae

echo "== cmake --install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
expected=(bin/uragae share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/man/man6/uragae.6.gz share/icons/hicolor/scalable/apps/$id.svg)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort) > "$work/installed.txt"
sed 's/^/  /' "$work/installed.txt"
diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) "$work/installed.txt"
[ -x "$prefix/bin/uragae" ]
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop"
# The one issue expected, and so a sign that the file was read, is the capital letter in the
# application id, which keeps its published form; AppStream before 1.0 (Debian 12) does not know
# the <developer> element yet and says so. Anything else fails, infos included.
LC_ALL=C.UTF-8 appstreamcli validate --no-net --strict --pedantic "$metainfo" > "$work/appstream.txt" 2>&1 || true
sed 's/^/  /' "$work/appstream.txt"
grep -q '^[A-Z]: .*: cid-contains-uppercase-letter ' "$work/appstream.txt" || { echo "appstreamcli did not validate"; exit 1; }
if grep -E '^[A-Z]: ' "$work/appstream.txt" | grep -v ': cid-contains-uppercase-letter ' |
        grep -v '^I: .*: unknown-tag developer$' | grep -q .; then
    echo "appstreamcli reports more than the id's capital letter"; exit 1
fi
grep -qx "Exec=uragae" "$desktop"
grep -qx "Icon=$id" "$desktop"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
# man prints rendering problems as warnings but still succeeds, so any output on stderr fails.
warnings=$(man --warnings -E UTF-8 -l -Tutf8 -Z "$prefix/share/man/man6/uragae.6.gz" 2>&1 > /dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
lexgrog "$prefix/share/man/man6/uragae.6.gz" | grep -F '"uragae - '
echo "installed tree, desktop entry, metainfo and manual page: ok"

echo "== Windows version record (MinGW resource compiler, read back)"
# No MinGW compiler is needed: the host's C preprocessor reads a resource script just as well.
windres=(x86_64-w64-mingw32-windres --preprocessor=cpp --codepage=65001)
"${windres[@]}" -i "$build/window/uragae.rc" -o "$work/uragae_rc.o"
"${windres[@]}" -i "$work/uragae_rc.o" -O rc -o "$work/uragae_rc.rc"
IFS=. read -r major minor <<< "$version"
numbers="$major, $((10#$minor)), 0, 0"
name='L"\x30a6\x30e9\x30ac\x30a8'   # ウラガエ, as the compiled resource holds it
for line in 'LANGUAGE 17, 1' "FILEVERSION $numbers" "PRODUCTVERSION $numbers" \
        "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
        "VALUE \"ProductName\", $name\"" "VALUE \"InternalName\", $name\"" \
        "VALUE \"OriginalFilename\", $name.exe\"" 'VALUE "Translation", 0x411, 1200'; do
    grep -qF -- "$line" "$work/uragae_rc.rc" || { echo "missing: $line"; cat "$work/uragae_rc.rc"; exit 1; }
    echo "  $line"
done
echo "Windows version record: ok"

echo "== Source release (scripts/make-source-tarball.sh)"
root=$(cd "$(dirname "$0")/.." && pwd)
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
echo "Source release: ok"

echo "== Debian package (cpack -G DEB, hardening-check, lintian)"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > /dev/null)
deb=$work/package/uragae_${version}_$(dpkg --print-architecture).deb
dpkg-deb -c "$deb" | awk '{ print $6 }' > "$work/contents.txt"
sed 's/^/  /' "$work/contents.txt"
grep -qx './usr/games/uragae' "$work/contents.txt"
dpkg-deb -x "$deb" "$work/unpacked"
# Its exit status counts fortify too, which is judged below; the lines themselves are read here.
hardening-check "$work/unpacked/usr/games/uragae" > "$work/hardening.txt" || true
sed 's/^/  /' "$work/hardening.txt"
for feature in 'Position Independent Executable' 'Stack protected' 'Read-only relocations' 'Immediate binding'; do
    grep -q "^ $feature: yes" "$work/hardening.txt" || { echo "not hardened: $feature"; exit 1; }
done
# hardening-check says "no" to fortify when the program calls no function that fortify guards,
# so the compile flags tell instead: every source compiled at the level dpkg-buildflags gives.
# (Where dpkg-buildflags leaves fortify to the compiler's own default, any level will do.)
level=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS |
    sed -n 's/.*-D_FORTIFY_SOURCE=\([0-9]\).*/\1/p')
fortify="-D_FORTIFY_SOURCE=${level:-[0-9]}"
compiled=$(grep -c '"command":' "$build/compile_commands.json")
fortified=$(grep '"command":' "$build/compile_commands.json" | grep -c -- " $fortify " || true)
echo "  compiled with $fortify: $fortified of $compiled sources"
[ "$compiled" -gt 0 ] && [ "$fortified" -eq "$compiled" ] || { echo "not every source is compiled with $fortify"; exit 1; }
lintian=(lintian --display-info --display-experimental --pedantic)
echo "${lintian[*]} $(basename "$deb"):"
lintian_status=0
"${lintian[@]}" "$deb" > "$work/lintian.txt" || lintian_status=$?
sed 's/^/  /' "$work/lintian.txt"
if [ $lintian_status -ne 0 ] || [ -s "$work/lintian.txt" ]; then
    echo "lintian reports tags (or did not run)"; exit 1
fi
echo "Debian package: ok"
