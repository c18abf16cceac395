#!/usr/bin/env bash
# Compiles the Windows version record with the MinGW resource compiler and reads it back.
# Usage: windows_resource_test.sh WINDRES RC_FILE WORK_DIR VERSION
set -euo pipefail
windres=$1 rc_file=$2 work=$3 version=$4
mkdir -p "$work"
# No MinGW compiler is needed: the host's C preprocessor reads a resource script just as well.
"$windres" --preprocessor=cpp --codepage=65001 -i "$rc_file" -o "$work/uragae_rc.o"
"$windres" --preprocessor=cpp --codepage=65001 -i "$work/uragae_rc.o" -O rc -o "$work/uragae_rc.rc"

name='L"\x30a6\x30e9\x30ac\x30a8'   # ウラガエ, as the compiled resource holds it
failures=0
expect() {
    if grep -qF -- "$1" "$work/uragae_rc.rc"; then
        echo "ok: $1"
    else
        echo "missing: $1"; failures=$((failures + 1))
    fi
}
expect 'LANGUAGE 17, 1'
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect "VALUE \"FileVersion\", \"$version\""
expect "VALUE \"ProductVersion\", \"$version\""
expect "VALUE \"ProductName\", ${name}\""
expect "VALUE \"InternalName\", ${name}\""
expect "VALUE \"OriginalFilename\", ${name}.exe\""
expect 'VALUE "Translation", 0x411, 1200'
[ "$failures" -eq 0 ] || { cat "$work/uragae_rc.rc"; exit 1; }
