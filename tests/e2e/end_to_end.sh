#!/usr/bin/env bash
# ウラガエ played to its end by real clicks and keys on a dark desktop in Xvfb, then started in weston.
set -u
# shellcheck source=board.sh
source "$(dirname "$(realpath "$0")")/board.sh"
exe=${1:?usage: end_to_end.sh EXECUTABLE}
work=$(mktemp -d) pid="" win="" x="" wm="" weston="" corners="" result_ink="" boxes=0  # mktemp's folder is private (0700)
trap 'kill ${pid:+"$pid"} "$wm" "$x" ${weston:+"$weston"} 2> /dev/null; rm -rf "$work"' EXIT
fail() { echo "e2e: FAIL: $*"; import -window root "${AUTOPKGTEST_ARTIFACTS:-${TMPDIR:-/tmp}}/uragae-e2e-failed.png"; tail -n +1 "$work"/*.log 2> /dev/null; exit 1; }
start_display
game() { exec env QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME="$1" "$exe" 2>> "$work/x11.log"; }  # kept for a failure

game_window() { win=$(xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ ver\.1\.7$' 2> /dev/null | head -n 1) && [[ -n $win ]]; }
box() { xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ$' 2> /dev/null | head -n 1; }
# The start position: the four light-green squares, every other face "srgb(239,239,239)" alone.
read_faces_at 2
started() { snap && [[ $(faces) == "19 26 37 44 srgb(239,239,239)" ]]; }
# Moved aside, a box shows the inactive board; the result's, half as wide as a pass's, a grey パス.
answer() {
    wait_for "the box to take the focus" eval "[[ \$(xdotool getwindowfocus) == $message ]]" && xdotool windowmove --sync "$message" 0 0
    wait_for "the board's own light faces behind the box" eval "snap && [[ \$(faces) == 'srgb(239,239,239)' ]]"  # once repainted
    if (($(xdotool getwindowgeometry "$message" | awk -F '[ x]+' '/Geometry/ { print $3 }') < 200)); then
        result_ink=$(pass_ink)
        ((result_ink > 150 && result_ink < 230)) || fail "behind the result パス's caption has the grey $result_ink"
    fi
    xdotool key Return && wait_for "Return to close the box" eval "[[ \$(box) != $message ]]" && ((++boxes))
}

game Adwaita:dark & pid=$! && wait_for "the start position" started && cp "$work/now.png" "$work/dark.png"
check_look
play_game
click 168 412 && wait_for "the program to end after 終了" ended && { wait "$pid" || fail "終了 ended it with status $?"; }
xdotool mousemove 0 0 && { game Adwaita & pid=$!; } && wait_for "the window on a light desktop" started  # pointer off it
[[ $(convert "$work/now.png" "$work/dark.png" -compose difference -composite -fill black -draw 'rectangle 32,336 72,360' -colorspace gray -threshold 0 -format '%[fx:int(w*h*mean)]' info:) == 0 ]] || fail "the window differs on a dark desktop (Text1 aside: its frame shows the focus)"
wmctrl -c 'ウラガエ ver.1.7' && wait_for "the frame to end the program" ended && { wait "$pid" || fail "the frame ended it with status $?"; }

backend=headless  # weston 12 and later; weston 10 (Debian 12) knows only the module's name
weston --help 2>&1 | grep -q -- --renderer || backend=headless-backend.so
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=wayland-uragae
weston --backend=$backend --no-config --socket="$WAYLAND_DISPLAY" --idle-time=0 > "$work/weston.log" 2>&1 &
weston=$! && wait_for "the compositor" test -S "$work/$WAYLAND_DISPLAY"

QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$exe" 2> "$work/game.err" & pid=$!
asked() { grep -qs "$1" "$work/game.err"; }  # -s: the file may not be made yet
wait_for "the title" asked 'xdg_toplevel[@#][0-9]*\.set_title("ウラガエ ver\.1\.7")'
wait_for "the app id" asked 'xdg_toplevel[@#][0-9]*\.set_app_id("io\.github\.uragae\.Uragae")'
wait_for "the first picture" asked 'wl_surface[@#][0-9]*\.attach(wl_buffer'
kill "$pid" && wait "$pid"
warnings=$(grep -v '^\[[0-9. ]*\] ' "$work/game.err")  # WAYLAND_DEBUG's protocol lines start with a time
[[ -z $warnings ]] || fail "the game printed: $warnings"
echo "e2e: ok: $((turn - 1)) real turns, $boxes boxes answered once focused, the board light behind them; 終了 and the frame ended it; Wayland: title, app id"
