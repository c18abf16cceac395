#!/usr/bin/env bash
# Makes the Wine prefix the Windows build runs in for its tests: made once, brought up to date when
# run again.
# Usage: scripts/wine-setup.sh [PREFIX]   (default build/wine: the windows test preset's WINEPREFIX)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
WINEPREFIX=$(realpath -m "${1:-$root/build/wine}")
# No debug chatter; no offer to download Wine's .NET and browser engines, which nothing here uses.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    start=$SECONDS
    wineboot --init > /dev/null 2>&1
    echo "wine-setup: made the prefix $WINEPREFIX in $((SECONDS - start)) s"
fi
# What a Japanese Windows has, where Debian has it: the design's faces and the message boxes' face
# are Debian's IPA Gothic faces, under their Japanese and their English names. A program that
# crashes ends with its status instead of opening Wine's crash dialog, which would wait for a click.
# regedit reads UTF-16 files; one import is one Wine program, not one a value.
settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in 'ＭＳ Ｐゴシック=IPAPGothic' 'MS PGothic=IPAPGothic' 'ＭＳ ゴシック=IPAGothic' \
            'MS Gothic=IPAGothic' 'MS UI Gothic=IPAPGothic'; do
        printf '"%s"="%s"\r\n' "${face%%=*}" "${face#*=}"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
    # The design's 96 dots per inch, whatever a run before left.
    printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:00000060\r\n'
} | iconv -f UTF-8 -t UTF-16 > "$settings"
wine regedit /S "$(winepath -w "$settings" 2> /dev/null)" > /dev/null 2>&1
# Wine's desktop takes the display of the first program a server runs: the tests' programs start a
# server of their own, in the X server they run in.
wineserver -k 2> /dev/null || true
echo "wine-setup: $WINEPREFIX ready ($(wine --version 2> /dev/null))"
