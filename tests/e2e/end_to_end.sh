#!/usr/bin/env bash
# ウラガエ in Xvfb under openbox: real clicks until a message box takes the focus and closes on Return,
# then 終了 and the window's frame end it; then under a headless weston, the title and app id it asks for.
set -u
# shellcheck source=wait_for.sh
source "$(dirname "$(realpath "$0")")/wait_for.sh"
exe=${1:?usage: end_to_end.sh EXECUTABLE}
work=$(mktemp -d) pid="" win="" x="" wm="" weston="" corners="" message=""  # mktemp's folder is private (0700)
trap 'kill ${pid:+"$pid"} "$wm" "$x" ${weston:+"$weston"} 2> /dev/null; rm -rf "$work"' EXIT
fail() { echo "e2e: FAIL: $*"; [[ -z $weston ]] || sed 's/^/  weston: /' "$work/weston.log"; exit 1; }
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 &
x=$! && wait_for "the X server" test -s "$work/display"
DISPLAY=":$(cat "$work/display")" && export DISPLAY
openbox --sm-disable > /dev/null 2>&1 &
wm=$! && wait_for "the window manager" eval 'wmctrl -m > /dev/null 2>&1'

for ((i = 0; i < 64; i++)); do corners+="%[pixel:p{$((16 + 40 * (i % 8))),$((16 + 40 * (i / 8)))}]\n"; done
greens() { import -window "$win" png:- | convert - -format "$corners" info: | awk '$0 == "srgb(128,255,128)" { printf "%d ", NR - 1 }'; }
empties() { import -window "$win" png:- | convert - -crop 41x25+240+336 +repage rgb:- | md5sum; }  # Text3, the empty squares
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
box() { xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ$' 2> /dev/null | head -n 1; }
started() { win=$(xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ ver\.1\.7$') && [[ $(greens) == "19 26 37 44 " ]]; }
turn_over() { [[ -n $(box) || $(empties) != "$before" ]]; }
focused() { [[ $(xdotool getwindowfocus) == "$message" ]]; }
closed() { [[ -z $(box) ]]; }
ended() { ! kill -0 "$pid" 2> /dev/null; }

QT_QPA_PLATFORM=xcb "$exe" & pid=$! && wait_for "the start position" started
for ((turn = 1; turn <= 61 && ${#message} == 0; turn++)); do  # the first light-green square, or パス
    before=$(empties) target=$(greens | cut -d ' ' -f 1)
    if [[ -n $target ]]; then click $((28 + 40 * (target % 8))) $((28 + 40 * (target / 8))); else click 84 380; fi
    wait_for "the end of turn $turn" turn_over && message=$(box)
done
wait_for "a message box to take the focus" focused && xdotool key Return && wait_for "Return to close the box" closed
for how in 終了 "closing the window through its frame"; do
    if [[ $how == 終了 ]]; then click 168 412; else QT_QPA_PLATFORM=xcb "$exe" & pid=$! && wait_for "the window" started && wmctrl -c 'ウラガエ ver.1.7'; fi
    wait_for "the program to end after $how" ended && { wait "$pid" || fail "$how ended the program with status $?"; }
done

backend=headless  # weston 12 and later; weston 10 (Debian 12) knows only the module's name
weston --help 2>&1 | grep -q -- --renderer || backend=headless-backend.so
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=wayland-uragae
weston --backend=$backend --no-config --socket="$WAYLAND_DISPLAY" --idle-time=0 > "$work/weston.log" 2>&1 &
weston=$! && wait_for "the compositor" test -S "$work/$WAYLAND_DISPLAY"

QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$exe" 2> "$work/game.err" & pid=$!
asked() { grep -q "$1" "$work/game.err"; }
wait_for "the title" asked 'xdg_toplevel[@#][0-9]*\.set_title("ウラガエ ver\.1\.7")'
wait_for "the app id" asked 'xdg_toplevel[@#][0-9]*\.set_app_id("io\.github\.uragae\.Uragae")'
wait_for "the first picture" asked 'wl_surface[@#][0-9]*\.attach(wl_buffer'
kill "$pid" && wait "$pid"
warnings=$(grep -v '^\[[0-9. ]*\] ' "$work/game.err")  # WAYLAND_DEBUG's protocol lines start with a time
[[ -z $warnings ]] || fail "the game printed: $warnings"
echo "e2e: ok: $((turn - 1)) real turns; the box took the focus; 終了 and the frame ended it; Wayland: title, app id"
