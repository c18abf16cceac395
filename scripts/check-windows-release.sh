#!/usr/bin/env bash
# Checks what the Windows release ships: ウラガエ.exe (its hardening, the DLLs it needs, its size, its
# version record and manifest) and uragae-VERSION-windows-x64.zip (its entries and their UTF-8 names), which must
# be the same bytes when the game is built again from another copy of the source, in another folder,
# with other file times, another umask, time zone and locale.
# Usage: scripts/check-windows-release.sh BUILD_DIR   (a build of the windows preset)
set -euo pipefail
build=$(realpath "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=check-frame.sh
source "$root/scripts/check-frame.sh" "windows release check"
exe="$build/win32/ウラガエ.exe"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

echo "== ウラガエ.exe"
objdump=(x86_64-w64-mingw32-objdump -p "$exe")
size=$(stat -c %s "$exe")
echo "  $size bytes"
((size <= 1048576)) || { echo "larger than 1 MiB"; exit 1; }
# Address-space layout randomization with a 64-bit base, and no executable data; relocations, without
# which Windows cannot move the program.
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
    "${objdump[@]}" | sed -n '/^DllCharacteristics/,/^[A-Z]/p' | grep -qw "$flag" || { echo "not $flag"; exit 1; }
done
x86_64-w64-mingw32-objdump -h "$exe" | grep -qw '\.reloc' || { echo "no relocations"; exit 1; }
echo "  $("${objdump[@]}" | grep '^DllCharacteristics' | tr -s '\t ' ' '): high-entropy ASLR, NX, relocations"
# Windows' own DLLs alone, each of every Windows 10 and 11: nothing to install beside the program.
dlls=$("${objdump[@]}" | sed -n 's/^\tDLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort | xargs)
echo "  imports: $dlls"
for dll in $dlls; do
    case $dll in
        advapi32.dll | comctl32.dll | gdi32.dll | kernel32.dll | msvcrt.dll | ole32.dll | oleacc.dll | user32.dll) ;;
        *) echo "imports $dll, not one of Windows' own"; exit 1 ;;
    esac
done
[[ $("${objdump[@]}" | sed -n 's/^Time\/Date\t*//p') == "Thu Jan  1 00:00:00 1970" ]] ||
    { echo "the PE header holds a link time"; exit 1; }

echo "== The version record and the manifest, read from the .exe"
x86_64-w64-mingw32-windres -i "$exe" -O rc -o "$work/resources.rc"
IFS=. read -r major minor <<< "$version"
numbers="$major, $((10#$minor)), 0, 0"
name='L"\x30a6\x30e9\x30ac\x30a8'   # ウラガエ, as the compiled resource holds it
for line in 'LANGUAGE 17, 1' "FILEVERSION $numbers" "PRODUCTVERSION $numbers" \
        "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
        "VALUE \"ProductName\", $name\"" "VALUE \"InternalName\", $name\"" \
        "VALUE \"OriginalFilename\", $name.exe\"" 'VALUE "Translation", 0x411, 1200'; do
    grep -qF -- "$line" "$work/resources.rc" || { echo "missing: $line"; exit 1; }
    echo "  $line"
done
# Sharp on every monitor, and the common controls' visual styles: what Windows reads of the manifest.
# (Wine takes every program as aware of each monitor's dots per inch, so only the manifest tells.)
for line in '>PerMonitorV2</dpiAwareness>' '>true/pm</dpiAware>' \
        'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""'; do
    grep -qF -- "$line" "$work/resources.rc" || { echo "the manifest lacks $line"; exit 1; }
    echo "  manifest: $line"
done

echo "== uragae-$version-windows-x64.zip (scripts/make-windows-release.sh)"
zip=$("$root/scripts/make-windows-release.sh" "$build" "$work/release")
entries=$(zipinfo -1 "$zip" | xargs)
[[ $entries == "ウラガエ.exe README.txt LICENSE.txt" ]] || { echo "entries: $entries"; exit 1; }
cmp "$exe" <(unzip -p "$zip" ウラガエ.exe) || { echo "the zip's ウラガエ.exe is not the build's"; exit 1; }
# Bit 11 of the flags in an entry's local header says its name is UTF-8: ウラガエ.exe comes first. (The
# others' names are ASCII, the same in any encoding.)
flags=$(od -A n -t u2 -j 6 -N 2 "$zip" | tr -d ' ')
((flags & 2048)) || { echo "ウラガエ.exe's name is not marked UTF-8"; exit 1; }
echo "  $entries, ウラガエ.exe marked UTF-8"

# Another builder: the source release unpacked elsewhere, its files dated now, built under umask 077
# in another time zone and locale.
echo "== The same bytes from another folder, time, umask, time zone and locale"
tarball=$("$root/scripts/make-source-tarball.sh" "$work/source")
mkdir "$work/elsewhere"
tar -xzf "$tarball" -C "$work/elsewhere"
other=$(echo "$work"/elsewhere/*)
find "$other" -exec touch {} +
(
    umask 077
    cd "$other"
    export TZ=Asia/Tokyo LC_ALL=C.UTF-8
    if ! { cmake --preset windows -DURAGAE_BUILD_TESTS=OFF && cmake --build --preset windows --target uragae_windows; } \
        > "$work/build.log" 2>&1; then
        cat "$work/build.log"
        exit 1
    fi
)
again=$("$root/scripts/make-windows-release.sh" "$other/build/windows" "$work/again")
if ! cmp "$zip" "$again"; then
    diffoscope "$zip" "$again" || true
    echo "built elsewhere, the Windows release is not the same bytes"
    exit 1
fi
echo "  $(sha256sum "$zip" | cut -d ' ' -f 1)"
