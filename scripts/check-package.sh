#!/usr/bin/env bash
# Checks what the game ships: the tree a prefix install lays out, the Windows version record, the
# source release, and the Debian package: its control fields, modes and dates, its executable
# hardened as Debian's own (hardening-check, and the compile flags for fortify), nothing of where it
# was built, and lintian reporting no tag at any level. Both are reproducible: copies of the tree
# whose files carry other times and modes give the same source release, and the package built again
# from that release, elsewhere, under umask 002 and another time zone and locale, the same bytes.
# Usage: scripts/check-package.sh BUILD_DIR   (a release build in which the uragae target is built;
# SOURCE_DATE_EPOCH, if set, as it was when BUILD_DIR was configured)
set -euo pipefail
build=$(realpath "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
finish() {
    local status=$?
    if [ -n "${second:-}" ]; then kill -- -"$second" 2> /dev/null; wait "$second" || true; fi
    rm -rf "$work"
    if [ $status -eq 0 ]; then echo "package check: ok"; else echo "package check: FAILED"; fi
}
trap finish EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no CMAKE_PROJECT_VERSION in $build/CMakeCache.txt"; exit 1; }
id=io.github.uragae.Uragae
# Every date the package and the source release carry: SOURCE_DATE_EPOCH when the builder sets it,
# and otherwise the release's date (URAGAE_RELEASE_DATE in CMakeLists.txt).
release_date=$(sed -n 's/^set(URAGAE_RELEASE_DATE \([0-9-]*\))$/\1/p' "$root/CMakeLists.txt")
epoch=${SOURCE_DATE_EPOCH:-$(date -u -d "$release_date" +%s)}
stamp=$(date -u -d "@$epoch" '+%F %T')  # as tar lists it in UTC

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

# The second build of the package takes longest, so it starts here and the checks below run
# meanwhile: the game alone in the play preset's configuration, built anew from the source release
# unpacked at another path and depth, its build folder outside it, under umask 002 and another time
# zone and locale; nothing of $build is used. It runs in a process group of its own, so that an
# early failure can end it whole.
elsewhere=$work/elsewhere/at/another/depth
mkdir -p "$elsewhere"
tar -xzf "$tarball" -C "$elsewhere"
build2=$work/elsewhere/build
if [ "$(locale charmap 2> /dev/null)" = UTF-8 ]; then other_locale=C; else other_locale=C.UTF-8; fi
set -m
(umask 002
 export TZ=LINT-14 LC_ALL=$other_locale LANG=$other_locale
 cd "$elsewhere/uragae-$version"
 cmake --preset play -B "$build2" && cmake --build "$build2" --target uragae &&
     cd "$work/elsewhere" && cpack --config "$build2/CPackConfig.cmake" -G DEB -B "$work/package2") \
    > "$work/build2.txt" 2>&1 &
second=$!
set +m

echo "== cmake --install into a temporary prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
expected=(bin/uragae "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          share/man/man6/uragae.6.gz "share/icons/hicolor/scalable/apps/$id.svg")
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

echo "== Debian package (cpack -G DEB: control fields, contents, modes and dates, hardening-check)"
# Under umask 022 here, and 002 for the second build below.
(umask 022 && cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > /dev/null)
deb=$work/package/uragae_${version}_$(dpkg --print-architecture).deb
field() { dpkg-deb --field "$deb" "$1"; }
dpkg-deb --field "$deb" Package Version Architecture Section Depends Recommends | sed 's/^/  /'
[ "$(field Package)" = uragae ] || { echo "the package is not named uragae"; exit 1; }
[ "$(field Version)" = "$version" ] || { echo "the package's version is not $version"; exit 1; }
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || { echo "the package is not for this architecture"; exit 1; }
[ "$(field Section)" = games ] || { echo "the package is not in the games section"; exit 1; }
[ "$(field Recommends)" = qt6-wayland ] || { echo "the package does not recommend qt6-wayland alone"; exit 1; }
# The libraries dpkg-shlibdeps reads from the executable, and what no scan finds: Qt's platform
# plugins and a Japanese font.
field Depends | sed 's/, /\n/g' > "$work/depends.txt"
for needed in '^libc6 ' '^libqt6widgets6 ' '^qt6-qpa-plugins$' '^fonts-ipafont-gothic | fonts-noto-cjk$'; do
    grep -q -- "$needed" "$work/depends.txt" || { echo "Depends lacks $needed"; exit 1; }
done
TZ=UTC0 dpkg-deb --fsys-tarfile "$deb" | TZ=UTC0 tar -tv --full-time > "$work/contents.txt"
sed 's/^/  /' "$work/contents.txt"
grep -q ' \./usr/games/uragae$' "$work/contents.txt" || { echo "no /usr/games/uragae in the package"; exit 1; }
# Root's, folders 0755, files 0644 but the executable 0755, every entry dated the release's date; and
# so the archive's own members (ar lists them in the local time).
awk -v stamp="$stamp" '{ mode = $6 == "./usr/games/uragae" ? "-rwxr-xr-x" : $1 ~ /^d/ ? "drwxr-xr-x" : "-rw-r--r--" }
    !($1 == mode && $2 == "root/root" && $4 " " $5 == stamp) { print "  " $0; bad = 1 } END { exit bad }' \
    "$work/contents.txt" || { echo "entries above are not root's, 0755 or 0644, dated $stamp"; exit 1; }
TZ=UTC0 LC_ALL=C ar tv "$deb" > "$work/members.txt"
awk -v stamp="$(TZ=UTC0 LC_ALL=C date -d "@$epoch" '+%b %-d %H:%M %Y')" \
    '!($1 == "rw-r--r--" && $2 == "0/0" && $4 " " $5 " " $6 " " $7 == stamp) { print "  " $0; bad = 1 } END { exit bad }' \
    "$work/members.txt" || { echo "the archive's members above are not 0644, dated $stamp"; exit 1; }
echo "  every entry root's, folders 0755, files 0644 but the executable 0755, dated $stamp UTC"
dpkg-deb -x "$deb" "$work/unpacked"
# Nothing of the build's or the sources' paths, nor of the builder's home, in any shipped file (the
# compressed ones read uncompressed); nor the builder's or the host's name, where it is long enough
# to mean something and the sources themselves do not hold it. The second build below, at other
# paths, must then give the same bytes.
paths=("$root" "$build")
[ "${HOME:-/}" != / ] && paths+=("$HOME")
names=()
for name in "$(id -un)" "$(uname -n)"; do
    if [ ${#name} -ge 4 ] && ! grep -rqwF --exclude-dir=.git --exclude-dir=build -- "$name" "$root"; then names+=("$name"); fi
done
while IFS= read -r file; do
    case $file in *.gz) zcat "$file" ;; *) cat "$file" ;; esac > "$work/shipped"
    if grep -aqF "${paths[@]/#/-e}" "$work/shipped" ||
            { [ ${#names[@]} -gt 0 ] && grep -aqwF "${names[@]/#/-e}" "$work/shipped"; }; then
        echo "${file#"$work/unpacked"} names where or by whom it was built"; exit 1
    fi
done < <(find "$work/unpacked" -type f)
echo "  no shipped file names ${paths[*]}${names[*]:+ or ${names[*]}}"
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
if [ "$compiled" -eq 0 ] || [ "$fortified" -ne "$compiled" ]; then
    echo "not every source is compiled with $fortify"; exit 1
fi
echo "Debian package: ok"

echo "== The same package again: from the source release, elsewhere, under umask 002, another zone and locale"
echo "  in $elsewhere/uragae-$version, TZ=LINT-14 LC_ALL=$other_locale"
wait "$second" || { cat "$work/build2.txt"; echo "the second build failed"; exit 1; }
second=""
deb2=$work/package2/$(basename "$deb")
same "$deb" "$deb2" "the package built again"
echo "  the same bytes: $(sha256sum "$deb2" | cut -d ' ' -f 1)"
lintian=(lintian --display-info --display-experimental --pedantic)
echo "${lintian[*]} on the package built under umask 002:"
lintian_status=0
"${lintian[@]}" "$deb2" > "$work/lintian.txt" || lintian_status=$?
sed 's/^/  /' "$work/lintian.txt"
if [ $lintian_status -ne 0 ] || [ -s "$work/lintian.txt" ]; then
    echo "lintian reports tags (or did not run)"; exit 1
fi
echo "The same package again: ok"
