# What the end-to-end runs share: waiting for what the screen shows, an X server with a window
# manager, the board read from the game window's pixels, and a whole game played by the mouse.
# The caller sets work (a private folder) and pid (the game's process), and defines fail MESSAGE,
# game_window (sets win to the game's window; fails while there is none), box (prints the open
# message box, or nothing) and answer (reads the box $message and closes it; sets result_ink once it
# was the result's).
# shellcheck disable=SC2034,SC2154  # x and wm are for the caller; work, pid and win are the caller's

# wait_for WHAT COMMAND... polls COMMAND until it succeeds, up to E2E_TIMEOUT seconds, then calls fail.
wait_for() {
    local what=$1 deadline=$((SECONDS + ${E2E_TIMEOUT:-60}))
    shift
    until "$@"; do ((SECONDS < deadline)) || fail "timed out waiting for $what"; sleep 0.05; done
}

# Xvfb with openbox on it, which DISPLAY then names; x and wm are their processes.
start_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 &
    x=$! && wait_for "the X server" test -s "$work/display"
    DISPLAY=":$(cat "$work/display")" && export DISPLAY
    openbox --sm-disable > /dev/null 2>&1 &
    wm=$! && wait_for "the window manager" eval 'wmctrl -m > /dev/null 2>&1'
}

# Where each square's face is read: a point 8 pixels into it at 96 dots per inch, clear of its
# caption; SCALE is the window's size in halves of that (2 at 96 dots per inch, 3 at 144).
read_faces_at() {
    corners=""
    for ((i = 0; i < 64; i++)); do
        corners+="%[pixel:p{$(((16 + 40 * (i % 8)) * $1 / 2)),$(((16 + 40 * (i / 8)) * $1 / 2))}]\n"
    done
}
# What the window shows now, for the reads below. import can hang on a window being mapped or
# unmapped; the next try reads it.
snap() { game_window && timeout 5 import -window "$win" "$work/now.png"; }
# The light-green squares' indexes, then every other face colour seen.
faces() {
    convert "$work/now.png" -format "$corners" info: |
        awk '{ print $0 == "srgb(128,255,128)" ? NR - 1 : $0 }' | sort -u | xargs
}
empties() { convert "$work/now.png" -crop 41x25+240+336 +repage rgb:- | md5sum; }  # Text3's digits
# The darkest grey of パス's caption: black while enabled, grey while disabled.
pass_ink() { convert "$work/now.png" -crop 137x17+16+372 -colorspace gray -format '%[fx:int(255*minima)]' info:; }
click() { game_window && xdotool mousemove --window "$win" "$1" "$2" click 1; }
gray() { convert "$work/now.png" -format "%[fx:int(255*p{$1,$2}.intensity)]" info:; }
ended() { ! kill -0 "$pid" 2> /dev/null; }
# The person's turn again, or a box: the counts have changed, and a square is green or パス enabled.
next_turn() {
    [[ -n $(box) ]] || { snap && [[ $(empties) != "$before" && ($(faces) != srgb* || $(pass_ink) -lt 100) ]]; }
}

# The board's own look at 96 dots per inch, read from the start in now.png: リセット blue-violet, the
# counts red, a1 raised in a dark outline (its lower bevel one row higher in one front end than in the
# other). Then Tab, from the black count where the focus starts past the other two, frames a1 in dark,
# evenly inside it: the only change in a1.
check_look() {
    [[ $(convert "$work/now.png" -format "%[pixel:p{182,374}]" info:) == "srgb(128,128,255)" ]] || fail "リセット is not blue-violet"
    local reds light face shade width height left top
    reds=$(convert "$work/now.png" -crop 41x25+128+336 +repage -fill black +opaque red -format '%[fx:int(w*h*mean)]' info:)
    ((reds > 0)) || fail "Text2's digits are not red"
    light=$(gray 28 9) face=$(gray 28 20) shade=$(($(gray 28 46) < $(gray 28 47) ? $(gray 28 46) : $(gray 28 47)))
    ((light > face && face > shade && shade > $(gray 28 8))) || fail "a1 is not raised in a dark outline"
    cp "$work/now.png" "$work/unfocused.png"
    xdotool key Tab Tab Tab
    wait_for "the focus frame on a1" framed
    read -r width height left top < <(frame)
    ((width == height && left == top && 2 * left + width == 41)) ||
        fail "the focus frame is $width×$height at $left, $top: not even inside a1"
    (($(gray $((8 + left)) 28) < 128)) || fail "the focus frame is not dark"
}
# Where a1 differs from before the Tab: the size and place of the frame, or 1 1 0 0 for none.
frame() {
    snap && convert "$work/unfocused.png" "$work/now.png" -compose difference -composite -crop 41x41+8+8 +repage \
        -threshold 0 -trim -format '%w %h %X %Y' info:
}
framed() { [[ $(frame) != "1 1 "* ]]; }

# A whole game at 96 dots per inch from the start, by the mouse: each turn the first light-green
# square, or パス when there is none; every box answered, so that a result that follows the
# computer's pass at once is answered too, until the result has been. turn counts the turns.
play_game() {
    read_faces_at 2
    for ((turn = 1; turn <= 61 && ${#result_ink} == 0; turn++)); do
        before=$(empties) target=$(faces | cut -d ' ' -f 1)
        if [[ $target != srgb* ]]; then click $((28 + 40 * (target % 8))) $((28 + 40 * (target / 8))); else click 84 380; fi
        while [[ -z $result_ink ]] && wait_for "the end of turn $turn" next_turn && message=$(box) && [[ -n $message ]]; do
            answer
        done
    done
}
