#!/usr/bin/env bash
# ウラガエ.exe under Wine in Xvfb with a window manager, played to its end by real clicks and keys;
# then started at 144 dots per inch. (Which face a Windows that knows the design's by their English
# names only gives the window, the Windows widget test tells.)
#
# Usage: windows_end_to_end.sh EXECUTABLE
#
# It waits for what the screen shows, never for a time. When a check fails it leaves a picture of the
# screen, uragae-windows-e2e-failed.png, in $TMPDIR.
set -u
# shellcheck source=board.sh
source "$(dirname "$(realpath "$0")")/board.sh"
exe=${1:?usage: windows_end_to_end.sh EXECUTABLE}
export WINEDEBUG=-all
work=$(mktemp -d) pid="" win="" x="" wm="" boxes=0 result_ink=""
trap 'kill ${pid:+"$pid"} "$wm" "$x" 2> /dev/null; rm -rf "$work"' EXIT

fail() {
    echo "windows e2e: FAIL: $*"
    import -window root "${TMPDIR:-/tmp}/uragae-windows-e2e-failed.png"
    exit 1
}

# Wine waits for a window manager's word when a window closes; openbox gives it at once.
start_display

# A Wine prefix of the run's own, made as the tests' is, whose settings the run changes freely.
WINEPREFIX="$work/prefix" && export WINEPREFIX
"$(dirname "$(realpath "$0")")/../../scripts/wine-setup.sh" "$WINEPREFIX" > /dev/null || fail "no Wine prefix"
trap 'kill ${pid:+"$pid"} 2> /dev/null; wineserver -k; kill "$wm" "$x" 2> /dev/null; rm -rf "$work"' EXIT

# A button face no Linux board has (Windows XP's), so that the squares must show the system's own.
wine reg add 'HKCU\Control Panel\Colors' /v ButtonFace /d "236 233 216" /f > /dev/null 2>&1
face_rgb="srgb(236,233,216)"

# The game's window, by its title: in this X server only the game has it (the X window's process
# number Wine does not always give). Wine may make its X window again while it starts, so it is
# looked up each time.
game_window() { win=$(xdotool search --all --onlyvisible --name '^ウラガエ ver\.1\.7$' 2> /dev/null | head -n 1) && [[ -n $win ]]; }
box() { xdotool search --all --onlyvisible --name '^ウラガエ$' 2> /dev/null | head -n 1; }
# Starts the game and waits for its window with the start position: the four light-green squares
# and every other square in the system's button face, and every control painted: two pictures in a
# row the same.
# Wine's log of the program goes to game.log: for the names it gives its controls, in the first run.
start() {
    WINEDEBUG=${1:--all} wine "$exe" > /dev/null 2> "$work/game.log" &
    pid=$!
    wait_for "the window" game_window
    wait_for "the start position" at_start
    wait_for "the whole window painted" settled
}
at_start() { snap && [[ $(faces) == "19 26 37 44 $face_rgb" ]]; }
settled() { cp "$work/now.png" "$work/before.png" && snap && cmp -s <(convert "$work/now.png" rgb:-) <(convert "$work/before.png" rgb:-); }
size() { game_window && xdotool getwindowgeometry "$win" | awk '/Geometry/ { print $2 }'; }

# --- A whole game at 96 dots per inch, by the mouse ---
read_faces_at 2
start fixme+oleacc
[[ $(size) == 337x433 ]] || fail "the window is $(size), not 337x433"
cp "$work/now.png" "$work/start-96.png"

# What the program tells Windows' accessibility interface each control is called: Wine 8 keeps none of
# it (its dynamic annotation is a stub), but logs each name it is given, as Wine writes text: other
# characters than ASCII as \ and four hexadecimal digits.
wine_names() { grep -o 'L"[^"]*"' "$work/game.log" | sed 's/\\\([0-9a-f]\{4\}\)/\\u\1/g' | while read -r name; do printf '%b\n' "$name"; done; }
wine_names > "$work/names.txt"
for name in "a1 空き" "d3 空き 1枚" "d4 白" "e4 黒" "黒の石の数" "枚、白の石"; do
    grep -qxF "L\"$name\"" "$work/names.txt" || fail "no control was named $name"
done

check_look

# The keys, through the program's own message loop, from a1, which the Tab above reached: the arrows
# walk the board and stop at its edges (where an arrow taken elsewhere would leave no square framed
# for the next); Enter on the green d3 does nothing, Space plays it.
framed_square() {
    snap && convert "$work/unfocused.png" "$work/now.png" -compose difference -composite -crop 329x329+8+8 \
        +repage -threshold 0 -trim -format '%[fx:8 * floor(page.y / 40) + floor(page.x / 40)]' info:
}
for keys in "Right Down=9" "Left Left Up Up Right=1" "Right Right Down Down=19"; do
    # shellcheck disable=SC2086  # each key a word
    xdotool key ${keys%=*} && wait_for "the focus after $keys" eval "[[ \$(framed_square) == ${keys#*=} ]]"
done
xdotool key Return && sleep 0.5  # a wait for a time, for something that must not happen
at_start || fail "Enter played d3"
before=$(empties) && xdotool key space && wait_for "Space to play d3" next_turn

# A box takes the focus by itself. Moved aside, it shows the inactive board behind it in the system's
# face with no square green; behind the result (the narrower box: its text is shorter than the
# computer's pass) パス is disabled, its caption grey. The first box is asked to close the window
# through its frame, which Wine refuses while the window waits for the box: the box stays and, once
# a person clicks it again, takes the focus back. Return answers it.
answer() {
    wait_for "the box to take the focus" eval "[[ \$(xdotool getwindowfocus) == $message ]]"
    xdotool windowmove --sync "$message" 700 0
    wait_for "the board's faces behind the box" eval "snap && [[ \$(faces) == '$face_rgb' ]]"
    if (($(xdotool getwindowgeometry "$message" | awk -F '[ x]+' '/Geometry/ { print $3 }') < 150)); then
        result_ink=$(pass_ink)  # the result's box is 95 or 97 pixels wide here, the computer's pass 194
        ((result_ink > 130 && result_ink < 230)) || fail "behind the result パス's caption has the grey $result_ink"
    fi
    if ((boxes == 0)); then
        wmctrl -c 'ウラガエ ver.1.7'
        sleep 0.5  # the only wait for a time: for something that must not happen
        if ended || [[ $(box) != "$message" ]]; then fail "closing the window behind the box took the box away"; fi
        wait_for "the box to take the focus again" eval \
            "[[ \$(xdotool getwindowfocus) == $message ]] || ! xdotool mousemove --window $message 20 10 click 1"
    fi
    xdotool key Return && wait_for "the box to close" eval "[[ \$(box) != $message ]]" && ((++boxes))
}
play_game
click 168 412 && wait_for "the program to end after 終了" ended
wait "$pid" || fail "終了 ended it with status $?"
played=$((turn - 1))

# --- At 144 dots per inch: half as large again, the layout and the text drawn at that size ---
# Windows reads its dots per inch when a session begins: the server ends, and a new one begins at 144.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f > /dev/null 2>&1
wineserver -w
read_faces_at 3
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

echo "windows e2e: ok: $played real turns, $boxes boxes answered once focused, the board in the system's face behind" \
    "them; 144 dpi at 1.5 times; 終了 and the frame ended it with status 0"
