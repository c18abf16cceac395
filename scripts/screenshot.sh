#!/usr/bin/env bash
# Takes the README's picture of ウラガエ with a game just begun. To regenerate it, build the release
# preset and run, from anywhere:   scripts/screenshot.sh [--dark] [EXECUTABLE] [OUTPUT.png]
# (defaults: build/release/qt/uragae and docs/screenshot.png in the repository). --dark starts
# the game on a dark desktop, the GTK theme's Adwaita-dark (package qt6-gtk-platformtheme). It builds
# nothing and needs xvfb-run, xdotool and ImageMagick. The computer's answer is random, so each run's
# picture may differ.
set -euo pipefail
if [[ ${1:-} == --dark ]]; then
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    shift
fi

root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$root/build/release/qt/uragae}")
out=$(realpath -m "${2:-$root/docs/screenshot.png}")
[[ -x $exe ]] || { echo "screenshot: no executable at $exe (build the release preset first)" >&2; exit 1; }

# Run the rest in a private X server of its own, whatever display the caller has.
if [[ -z ${URAGAE_SCREENSHOT_IN_XVFB:-} ]]; then
    URAGAE_SCREENSHOT_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$exe" "$out"
fi

export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR  # the picture is of the window at its designed size
work=$(mktemp -d)
"$exe" &
pid=$!
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# The end-to-end tests' polling, which reports through this script's fail.
fail() { echo "screenshot: $*" >&2; exit 1; }
source "$root/tests/e2e/board.sh"

main_window() { win=$(xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ ver' | head -n 1); [[ -n $win ]]; }
wait_for "the window" main_window

# The light green squares are where the person may play; one pixel near each square's corner tells.
green_format=""
for ((i = 0; i < 64; i++)); do
    green_format+="%[pixel:p{$((16 + 40 * (i % 8))),$((16 + 40 * (i / 8)))}]\n"
done
greens() {
    import -window "$win" "$work/now.png"
    convert "$work/now.png" -format "$green_format" info: | awk '$0 == "srgb(128,255,128)" { printf "%d ", NR - 1 }'
}
count() { convert "$work/now.png" -crop 41x25+240+336 +repage rgb:- | md5sum; }  # the empty squares' count

started() { [[ $(greens) == "19 26 37 44 " ]]; }
wait_for "the start position" started
before=$(count)

# Play square 19; the computer answers in the same click. Then park the pointer on the margin.
xdotool mousemove --window "$win" 148 108 click 1 mousemove --window "$win" 2 2
answered() { [[ -n $(greens) && $(count) != "$before" ]]; }
wait_for "the computer's answer" answered

# A fresh picture, so that nothing of the answer's repaint can be missing from it; no date chunks,
# so an unchanged picture makes an unchanged file.
import -window "$win" "$work/final.png"
mkdir -p "$(dirname "$out")"
convert "$work/final.png" -strip "$out"
echo "screenshot: wrote $out"
