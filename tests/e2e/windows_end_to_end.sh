#!/usr/bin/env bash
# ウラガエ.exe under Wine in Xvfb with a window manager, played to its end by real clicks and keys;
# then started at 144 dots per inch, and on a Windows that knows the design's faces by their English
# names only.
#
# Usage: windows_end_to_end.sh EXECUTABLE   (in the Wine prefix scripts/wine-setup.sh made: WINEPREFIX)
#
# It waits for what the screen shows, never for a time. When a check fails it leaves a picture of the
# screen, uragae-windows-e2e-failed.png, in $TMPDIR. With E2E_PICTURES set to a folder it keeps the
# window's pictures at 96 and 144 dots per inch there.
set -u
# shellcheck source=wait_for.sh
source "$(dirname "$(realpath "$0")")/wait_for.sh"
exe=${1:?usage: windows_end_to_end.sh EXECUTABLE}
: "${WINEPREFIX:?the Wine prefix that scripts/wine-setup.sh makes}"
export WINEDEBUG=-all
work=$(mktemp -d) pid="" win="" x="" wm="" boxes=0 result_ink=""
trap 'kill ${pid:+"$pid"} "$wm" "$x" 2> /dev/null; rm -rf "$work"' EXIT

fail() {
    echo "windows e2e: FAIL: $*"
    import -window root "${TMPDIR:-/tmp}/uragae-windows-e2e-failed.png"
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 &
x=$! && wait_for "the X server" test -s "$work/display"
DISPLAY=":$(cat "$work/display")" && export DISPLAY
# Wine waits for a window manager's word when a window closes; openbox gives it at once.
openbox --sm-disable > /dev/null 2>&1 &
wm=$! && wait_for "the window manager" eval 'wmctrl -m > /dev/null 2>&1'

# Wine's desktop keeps the display of the first program of a server: this run's programs need a
# server of their own, which goes with the run.
wineserver -k 2> /dev/null
wineserver -w

# The system settings each run changes, put back at the end whatever happens: the button face, the
# dots per inch and the faces' Japanese names.
registry() { wine reg "$@" > /dev/null 2>&1; }
colors='HKCU\Control Panel\Colors' desktop='HKCU\Control Panel\Desktop'
faces='HKCU\Software\Wine\Fonts\Replacements'
button_face=$(wine reg query "$colors" /v ButtonFace 2> /dev/null | awk '/ButtonFace/ { print $3, $4, $5 }' | tr -d '\r')
restore() {
    registry add "$colors" /v ButtonFace /d "${button_face:-245 245 245}" /f
    registry add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f
    registry add "$faces" /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f
    registry add "$faces" /v 'ＭＳ ゴシック' /d IPAGothic /f
}
# The server saves the registry when it ends by itself: it is waited for, not killed.
trap 'kill ${pid:+"$pid"} 2> /dev/null; restore; wineserver -w; kill "$wm" "$x" 2> /dev/null; rm -rf "$work"' EXIT
# A button face no Linux board has (Windows XP's), so that the squares must show the system's own.
face="236 233 216"
registry add "$colors" /v ButtonFace /d "$face" /f
face_rgb="srgb(${face// /,})"

# Where each square's face is read: a point inside it, clear of its caption; scaled for the run.
faces_at() {
    local scale=$1 i
    corners=""
    for ((i = 0; i < 64; i++)); do
        corners+="%[pixel:p{$(((16 + 40 * (i % 8)) * scale / 2)),$(((16 + 40 * (i / 8)) * scale / 2))}]\n"
    done
}
# The game's window, by its title: in this X server only the game has it (the X window's process
# number Wine does not always give). Wine may make its X window again while it starts, so it is
# looked up each time.
# import can hang on a window that is being mapped or unmapped; the next try reads it.
find_window() {
    win=$(xdotool search --all --onlyvisible --name '^ウラガエ ver\.1\.7$' 2> /dev/null | head -n 1)
    [[ -n $win ]]
}
snap() { find_window && timeout 5 import -window "$win" "$work/now.png"; }
# The light-green squares' indexes, then every other face colour seen.
faces() {
    convert "$work/now.png" -format "$corners" info: |
        awk '{ print $0 == "srgb(128,255,128)" ? NR - 1 : $0 }' | sort -u | xargs
}
pixel() { convert "$work/now.png" -format "%[pixel:p{$1,$2}]" info:; }
empties() { convert "$work/now.png" -crop 41x25+240+336 +repage rgb:- | md5sum; }  # Text3's digits
# The darkest grey of パス's caption: black while enabled, grey while disabled.
pass_ink() { convert "$work/now.png" -crop 137x17+16+372 -colorspace gray -format '%[fx:int(255*minima)]' info:; }
click() { find_window && xdotool mousemove --window "$win" "$1" "$2" click 1; }
box() { xdotool search --all --onlyvisible --name '^ウラガエ$' 2> /dev/null | head -n 1; }
ended() { ! kill -0 "$pid" 2> /dev/null; }

# How many pixels differ between two pictures of the window at 96 dots per inch, Text1 aside, where the
# caret blinks.
differ() {
    convert "$1" "$2" -compose difference -composite -fill black -draw 'rectangle 32,336 72,360' \
        -colorspace gray -threshold 0 -format '%[fx:int(w*h*mean)]' info:
}
# Starts the game and waits for its window with the start position: the four light-green squares
# and every other square in the system's button face, and every control painted: two pictures in a
# row the same.
start() {
    wine "$exe" > /dev/null 2>&1 &
    pid=$!
    wait_for "the window" find_window
    wait_for "the start position" eval 'snap && [[ $(faces) == "19 26 37 44 $face_rgb" ]]'
    wait_for "the whole window painted" eval 'cp "$work/now.png" "$work/before.png" && snap && [[ $(differ "$work/now.png" "$work/before.png") == 0 ]]'
}
size() { find_window && xdotool getwindowgeometry "$win" | awk '/Geometry/ { print $2 }'; }

# --- A whole game at 96 dots per inch, by the mouse ---
faces_at 2
start
[[ $(size) == 337x433 ]] || fail "the window is $(size), not 337x433"
[[ $(pixel 182 374) == "srgb(128,128,255)" ]] || fail "リセット is $(pixel 182 374), not blue-violet"
cp "$work/now.png" "$work/start-96.png"

# The person's turn again: the counts have changed, and a square is green or パス enabled (black).
next_turn() { [[ -n $(box) ]] || { snap && [[ $(empties) != "$before" && ($(faces) != srgb* || $(pass_ink) -lt 100) ]]; }; }
# A box takes the focus by itself. Moved aside, it shows the inactive board behind it in the system's
# face with no square green; behind the result (the narrower box: its text is shorter than the
# computer's pass) パス is disabled, its caption grey. The first box is asked to close the window
# through its frame: Wine refuses while the window waits for the box, or the game ends at once with
# status 0. Return answers it.
answer() {
    wait_for "the box to take the focus" eval "[[ \$(xdotool getwindowfocus) == $message ]]"
    xdotool windowmove --sync "$message" 700 0
    wait_for "the board's faces behind the box" eval "snap && [[ \$(faces) == '$face_rgb' ]]"
    if (($(xdotool getwindowgeometry "$message" | awk -F '[ x]+' '/Geometry/ { print $3 }') < box_width)); then
        result_ink=$(pass_ink)
        ((result_ink > 130 && result_ink < 230)) || fail "behind the result パス's caption has the grey $result_ink"
    fi
    if ((boxes == 0)); then
        wmctrl -c 'ウラガエ ver.1.7'
        sleep 0.5  # the only wait for a time: for something that must not happen
        if ended; then
            wait "$pid" || fail "closed behind a box, it ended with status $?"
            echo "windows e2e: closed through the frame behind a box, the game ended with status 0"
            exit_early=1
            return
        fi
        [[ $(box) == "$message" ]] || fail "closing the window behind the box took the box away"
        # The refused close may leave the focus on the window; a person clicks the box again.
        wait_for "the box to take the focus again" eval \
            "[[ \$(xdotool getwindowfocus) == $message ]] || ! xdotool mousemove --window $message 20 10 click 1"
    fi
    xdotool key Return && wait_for "the box to close" eval "[[ \$(box) != $message ]]" && ((++boxes))
}
box_width=150  # between the result's box (95 or 97 pixels wide here) and the computer's pass (194)
exit_early=""
for ((turn = 1; turn <= 61 && ${#result_ink} == 0 && ${#exit_early} == 0; turn++)); do
    before=$(empties) target=$(faces | cut -d ' ' -f 1)
    if [[ $target != srgb* ]]; then click $((28 + 40 * (target % 8))) $((28 + 40 * (target / 8))); else click 84 380; fi
    while [[ -z $result_ink && -z $exit_early ]] && wait_for "the end of turn $turn" next_turn && message=$(box) && [[ -n $message ]]; do
        answer
    done
done
if [[ -z $exit_early ]]; then
    click 168 412 && wait_for "the program to end after 終了" ended
    wait "$pid" || fail "終了 ended it with status $?"
fi
played=$((turn - 1))

# --- At 144 dots per inch: half as large again, the layout and the text drawn at that size ---
# Windows reads its dots per inch when a session begins: the server ends, and a new one begins at 144.
registry add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f
wineserver -w
faces_at 3
start
[[ $(size) == 506x650 ]] || fail "at 144 dots per inch the window is $(size), not 506x650"
# The black stone on e4 drawn at 15 points at 144 dots per inch: its width in black pixels is half as
# large again as at 96, not the same stone stretched.
stone() { convert "$1" -crop "$2" -threshold 20% -negate -format '%[fx:int(w*h*mean)]' info:; }
cp "$work/now.png" "$work/start-144.png"
small=$(stone "$work/start-96.png" 41x41+168+128) large=$(stone "$work/start-144.png" 62x62+252+192)
((large * 100 > small * 200 && large * 100 < small * 250)) ||
    fail "the stone on e4 has $large black pixels at 144 dots per inch and $small at 96: not drawn at size"
wmctrl -c 'ウラガエ ver.1.7' && wait_for "the frame to end the program" ended
wait "$pid" || fail "the frame ended it with status $?"
registry add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f
wineserver -w

# --- A Windows that knows the design's faces by their English names only: the same window ---
registry delete "$faces" /v 'ＭＳ Ｐゴシック' /f
registry delete "$faces" /v 'ＭＳ ゴシック' /f
wineserver -w
faces_at 2
xdotool mousemove 0 0
start
difference=$(differ "$work/now.png" "$work/start-96.png")
((difference == 0)) || fail "$difference pixels differ where the faces go by their English names (Text1 aside)"
click 168 412 && wait_for "the program to end after 終了" ended
wait "$pid" || fail "終了 ended it with status $?"

if [[ -n ${E2E_PICTURES:-} ]]; then
    cp "$work/start-96.png" "$E2E_PICTURES/windows-96dpi.png" && cp "$work/start-144.png" "$E2E_PICTURES/windows-144dpi.png"
fi
echo "windows e2e: ok: $played real turns, $boxes boxes answered once focused, the board in the system's face behind" \
    "them; 144 dpi at 1.5 times; the English faces' window the same; 終了 and the frame ended it with status 0"
