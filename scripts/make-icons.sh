#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG; run after changing the SVG, then commit
# the PNGs and the icon. Needs rsvg-convert (Debian package librsvg2-bin) and icotool (icoutils).
set -euo pipefail
cd "$(dirname "$0")/.."
svg=packaging/icons/io.github.uragae.Uragae.svg
for size in 16 24 32 48 64 128 256; do
    mkdir -p "packaging/icons/${size}x${size}"
    rsvg-convert --width "$size" --height "$size" "$svg" -o "packaging/icons/${size}x${size}/io.github.uragae.Uragae.png"
done
# The Windows executable's icon, from the same PNGs (icotool, Debian package icoutils); the largest
# stays a PNG inside the icon, as Windows keeps 256-pixel icons.
icons=packaging/icons
icotool -c -o "$icons/io.github.uragae.Uragae.ico" "$icons"/{16x16,24x24,32x32,48x48,64x64}/io.github.uragae.Uragae.png \
    -r "$icons/256x256/io.github.uragae.Uragae.png"
