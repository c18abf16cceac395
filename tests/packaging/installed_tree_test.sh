#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the tree is exactly what a desktop expects,
# and validates the desktop entry and the AppStream metainfo.
# Usage: installed_tree_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

id=io.github.uragae.Uragae
expected=(
    "bin/uragae"
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done

actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
echo "installed:"; printf '  %s\n' $actual
if [ "$actual" != "$wanted" ]; then
    echo "the installed tree differs from the expected one:"
    diff <(echo "$wanted") <(echo "$actual") || true
    exit 1
fi
[ -x "$prefix/bin/uragae" ] || { echo "the executable is not executable"; exit 1; }

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -q "^Icon=$id\$" "$prefix/share/applications/$id.desktop"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed tree: ok"
