#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG; run after changing the SVG, then commit
# the PNGs. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
svg=packaging/icons/io.github.uragae.Uragae.svg
for size in 16 24 32 48 64 128 256; do
    mkdir -p "packaging/icons/${size}x${size}"
    rsvg-convert --width "$size" --height "$size" "$svg" -o "packaging/icons/${size}x${size}/io.github.uragae.Uragae.png"
done
