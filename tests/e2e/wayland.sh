#!/usr/bin/env bash
# ウラガエ as a native Wayland client of a headless weston: its title, app id, first picture and a quiet stderr.
set -u
source "$(dirname "$(realpath "$0")")/wait_for.sh"
exe=$(realpath "${1:?usage: wayland.sh EXECUTABLE}")
work=$(mktemp -d) pid="" weston="" && cd "$work" || exit 1  # mktemp makes it private (0700), as XDG_RUNTIME_DIR must be
trap '[[ -n $pid ]] && kill "$pid"; [[ -n $weston ]] && kill "$weston"; cd /; rm -rf "$work"' EXIT
fail() { echo "wayland: FAIL: $*"; sed 's/^/  weston: /' weston.log; exit 1; }

# Weston 12 and later name the back-end and the renderer themselves; weston 10 (Debian 12) knows only
# the module name and --use-pixman. The pixman renderer gives the screenshots real pixels, and
# --debug lets any client take them (weston 10's screenshooter global, weston 14's capture authority).
if weston --help 2>&1 | grep -q -- --renderer; then options=(--backend=headless --renderer=pixman)
else options=(--backend=headless-backend.so --use-pixman); fi
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=wayland-uragae
weston "${options[@]}" --debug --no-config --socket="$WAYLAND_DISPLAY" --idle-time=0 --width=1024 --height=768 \
    > weston.log 2>&1 &
weston=$! && wait_for "the compositor" test -S "$WAYLAND_DISPLAY"

# The protocol log on stderr names what the window asks of the compositor.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$exe" 2> game.err &
pid=$!
asked() { grep -q "xdg_toplevel[@#][0-9]*\.$1(\"$2\")" game.err; }
wait_for "the title" asked set_title 'ウラガエ ver\.1\.7'
wait_for "the app id" asked set_app_id 'io\.github\.uragae\.Uragae'
echo "wayland: ok: the window asks for the title ウラガエ ver.1.7 and the app id io.github.uragae.Uragae"

# The shell places the window anywhere: the light-green squares' top-left corner (c4's left edge,
# d3's top edge) locates the board, and each square is sampled 4 px inside its own corner. Shrinking
# the green by 2 px first drops the few green pixels of the window's icon in the title bar.
shoot() { rm -f wayland-screenshot-*.png && weston-screenshooter > /dev/null 2>&1 && mv wayland-screenshot-*.png shot.png; }
green=srgb\(128,255,128\)
greens() {
    local x y corners=""
    IFS=x+ read -r _ _ x y < <(convert shot.png -fill black +opaque "$green" -morphology Erode Square:2 -format '%@' info:)
    for ((i = 0; i < 64; i++)); do corners+="%[pixel:p{$((x - 78 + 40 * (i % 8))),$((y - 78 + 40 * (i / 8)))}]\n"; done
    convert shot.png -format "$corners" info: | awk -v green="$green" '$0 == green { printf "%d ", NR - 1 }'
}
at_start() { { shoot && [[ $(greens) == "19 26 37 44 " ]]; } 2> /dev/null; }  # quiet until painted
wait_for "the start position in a screenshot" at_start
echo "wayland: ok: a screenshot through the compositor shows squares 19 26 37 44 light green, the others not"

kill -0 "$pid" 2> /dev/null || fail "the game ended by itself"
kill "$pid" && wait "$pid"
pid=""
warnings=$(grep -v '^\[[0-9. ]*\] ' game.err)  # every protocol line starts with its time stamp
[[ -z $warnings ]] || fail "the game printed: $warnings"
echo "wayland: ok: the game ran until it was ended, with nothing on stderr but the protocol"
