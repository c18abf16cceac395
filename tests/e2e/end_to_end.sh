#!/usr/bin/env bash
# ウラガエ in its own X server (a free display) under a window manager: real clicks and keys in, real pixels out.
set -u
source "$(dirname "$(realpath "$0")")/wait_for.sh"
exe=${1:?usage: end_to_end.sh EXECUTABLE}
export QT_QPA_PLATFORM=xcb  # a real X server, whatever the caller's environment says
work=$(mktemp -d) pid="" win="" wm="" x="" && shot=$work/window.png
cleanup() { local p; for p in "$pid" "$wm" "$x"; do [[ -n $p ]] && kill "$p"; done; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "e2e: FAIL: $*"; exit 1; }
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 &
x=$! && wait_for "the X server" test -s "$work/display"
DISPLAY=:$(cat "$work/display") && export DISPLAY
openbox --sm-disable > /dev/null 2>&1 &
wm=$! && wait_for "the window manager" eval 'wmctrl -m > /dev/null 2>&1'

# Pixels count from the client area's top-left; a square's corner shows its color.
shoot() { import -window "$win" "$shot" 2>/dev/null || fail "could not capture the window"; }
for ((i = 0; i < 64; i++)); do corners+="%[pixel:p{$((16 + 40 * (i % 8))),$((16 + 40 * (i / 8)))}]\n"; done
greens() { convert "$shot" -format "$corners" info: | awk '$0 == "srgb(128,255,128)" { printf "%d ", NR - 1 }'; }
empties() { convert "$shot" -crop 41x25+240+336 +repage rgb:- | md5sum; }  # the empty squares' count
click() { xdotool mousemove --window "$win" "$1" "$2" click 1 mousemove --window "$win" 2 2; }
# A box is titled ウラガエ; the pass message, twice a result's length, makes it over half the window wide.
box() { xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ$' 2>/dev/null | head -n 1; }
box_kind() { xdotool getwindowgeometry "$1" | awk -F '[ x]+' '/Geometry/ { print ($3 > 337 / 2 ? "pass" : "result") }'; }
box_closed() {  # Return again while the box stays up: one pressed before it takes the focus is lost
    [[ $(box) != "$1" ]] || { xdotool windowactivate --sync "$1" key Return 2>/dev/null; sleep 0.2; false; }
}
at_start() { shoot && [[ $(greens) == "19 26 37 44 " ]]; }
found() { win=$(xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ ver\.1\.7$') && [[ -n $win ]]; }
start() { "$exe" & pid=$! && wait_for "the main window" found && wait_for "the start position" at_start; }

start && cp "$shot" "$work/light.png"
[[ $(identify -format '%wx%h' "$shot") == 337x433 ]] || fail "the window is not 337x433"
reset_blue_violet() { [[ $(convert "$shot" -format '%[pixel:p{252,372}]' info:) == "srgb(128,128,255)" ]]; }
reset_blue_violet || fail "リセット is not blue-violet"
light() { convert "$shot" -format "%[fx:round(255*p{28,$1}.intensity)]" info:; }  # down the middle of a1
(($(light 9) > $(light 20) && $(light 20) > $(light 46) && $(light 46) > $(light 8))) || fail "a1 is not raised in a dark outline"
echo "e2e: ok: titled ウラガエ ver.1.7, 337x433, squares 19 26 37 44 light green and raised, リセット blue-violet"

# A whole game, the first green square or else パス, every box closed with Return; a turn ends with a box or a new count.
turn=0 boxes=""
while [[ $boxes != *result* ]] && ((turn++ < 100)); do
    before=$(empties) target=$(greens | cut -d ' ' -f 1)
    if [[ -n $target ]]; then click $((28 + 40 * (target % 8))) $((28 + 40 * (target / 8))); else click 84 380; fi
    turn_over() {
        local b && b=$(box)
        [[ -n $b ]] && boxes+="$(box_kind "$b") " && wait_for "the box to close" box_closed "$b"
        [[ $boxes == *result* ]] || { shoot && [[ $(empties) != "$before" ]]; }
    }
    wait_for "the end of turn $turn" turn_over
done
{ shoot && [[ $boxes == *result* && -z $(greens) ]]; } || fail "no result, or squares still live after it"
echo "e2e: ok: a whole game of $turn turns; boxes: $boxes"

click 252 380
wait_for "the start position after リセット" at_start
echo "e2e: ok: リセット brings the start back"
# On a dark desktop (the GTK theme's Adwaita-dark): the count box's menu follows the desktop and is
# drawn dark; the board and the count row stay as on the light desktop, and the buttons readable.
mean() { convert "$1" -crop "$2" -colorspace Gray -format '%[fx:mean]' info:; }
menu_dark() { import -window root "$work/root.png" && (($(mean "$work/root.png" "40x20+$((X + 4))+$((Y + 4))" | awk '{ print ($1 < 0.35) }'))); }
contrast() { convert "$shot" -crop "$1" -colorspace RGB -grayscale Rec709Luminance -format '%[fx:(maxima + 0.05) / (minima + 0.05) >= 4.5]' info:; }
dark_start() {
    QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark start
    xdotool mousemove --window "$win" 52 348 click 3 && eval "$(xdotool getmouselocation --shell)"
    wait_for "a dark menu: the dark palette in force" menu_dark && xdotool key Escape
    compare -metric AE -crop 337x366+0+0 "$work/light.png" "$shot" null: 2> /dev/null || fail "the board or the count row changed on the dark desktop"
    reset_blue_violet || fail "リセット is not blue-violet on the dark desktop"
    for button in パス:147x19+11+371 リセット:147x19+179+371 終了:315x19+11+403; do
        (($(contrast "${button#*:}"))) || fail "${button%:*} is under 4.5:1 on the dark desktop"
    done
    echo "e2e: ok: on a dark desktop the menus are dark, the board and the count row as on a light one, the buttons readable"
}
for how in 終了 "closing the window through its frame"; do
    if [[ $how == 終了 ]]; then click 168 412; else dark_start && wmctrl -c 'ウラガエ ver.1.7'; fi
    ended() { ! kill -0 "$pid" 2> /dev/null; }
    wait_for "the program to end after $how" ended
    wait "$pid" || fail "$how ended the program with status $?"
    echo "e2e: ok: $how ends the program with status 0"
done
pid=""
