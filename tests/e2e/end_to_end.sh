#!/usr/bin/env bash
# Plays ウラガエ end to end in a running X server: real clicks and keys go in, real pixels are read back.
#
# Usage: end_to_end.sh EXECUTABLE   (run it under xvfb-run; QT_SCALE_FACTOR, a whole number, scales every
# coordinate; E2E_TIMEOUT, in seconds, bounds each wait, for slow builds such as the sanitizer one)
set -u

exe=${1:?usage: end_to_end.sh EXECUTABLE}
scale=${QT_SCALE_FACTOR:-1}
timeout_s=${E2E_TIMEOUT:-20}
max_actions=200  # a game has at most 60 moves and a few passes
[[ $scale =~ ^[1-9]$ ]] || { echo "e2e: QT_SCALE_FACTOR must be a whole number, not '$scale'"; exit 2; }
[[ -n ${DISPLAY:-} ]] || { echo "e2e: no DISPLAY: run me under xvfb-run"; exit 2; }
export QT_QPA_PLATFORM=xcb  # the test presets choose offscreen for the unit tests; this one needs X
# In a sanitizer build, leaks of the system libraries Qt uses on X are not the program's.
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS="suppressions=$here/lsan_suppressions.txt:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

work=$(mktemp -d "${TMPDIR:-/tmp}/uragae-e2e.XXXXXX")
shot=$work/window.png
passed=0
pid=""
win=""

log() { printf 'e2e: %s\n' "$*"; }
ok() { passed=$((passed + 1)); log "ok: $*"; }
fail() {
    if [[ -f $shot ]]; then log "FAIL: $* (last screenshot: $shot)"; else log "FAIL: $*"; fi
    [[ -n $pid ]] && kill "$pid" 2>/dev/null
    log "$passed passed, 1 failed"
    exit 1
}

# Polls a command until it succeeds; the test never assumes how long the program takes.
wait_for() {
    local what=$1 deadline=$((SECONDS + timeout_s))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || fail "timed out after ${timeout_s} s waiting for $what"
        sleep 0.05
    done
}

# --- Reading the window. Coordinates are unscaled pixels from the client area's top-left. ---

alive() { kill -0 "$pid" 2>/dev/null || fail "the program has ended by itself"; }
shoot() {
    alive
    import -window "$win" "$shot" 2>/dev/null || fail "could not capture the window"
}

# The hash of a rectangle of the last screenshot, to tell whether it changed.
region_hash() {
    convert "$shot" -crop "$(($3 * scale))x$(($4 * scale))+$(($1 * scale))+$(($2 * scale))" +repage rgb:- | md5sum
}
count_hash() { region_hash 240 336 41 25; }  # the box with the number of empty squares

# The darkest or the lightest grey (0-255) in a rectangle of the last screenshot.
grey() {
    convert "$shot" -crop "$(($4 * scale))x$(($5 * scale))+$(($2 * scale))+$(($3 * scale))" +repage \
        -colorspace gray -format "%[fx:round(255*$1)]" info:
}
# Enabled, the pass button's caption is black; disabled, it is light grey.
pass_enabled() { (($(grey minima 38 373 93 15) < 100)); }
# A black stone is a filled disc: the middle of its square is dark all over.
black_stone() { (($(grey maxima $((26 + 40 * ($1 % 8))) $((26 + 40 * ($1 / 8))) 5 5) < 100)); }

# One pixel near each square's top-left corner: away from the centred caption and the focus frame.
square_pixels=""
for ((i = 0; i < 64; i++)); do
    square_pixels+="%[pixel:p{$(((16 + 40 * (i % 8)) * scale)),$(((16 + 40 * (i / 8)) * scale))}]\n"
done
# The squares painted light green, where the person may play, as "i j k ...".
green_squares() {
    local i=0 color found=()
    while read -r color; do
        [[ $color == "srgb(128,255,128)" ]] && found+=("$i")
        i=$((i + 1))
    done < <(convert "$shot" -format "$square_pixels" info:)
    echo "${found[*]}"
}

# --- Acting on it. ---

click() {
    alive
    xdotool mousemove --window "$win" $(($1 * scale)) $(($2 * scale)) click 1 || fail "could not click at $1,$2"
    # Park the pointer on the window's margin, so no hover look lingers in the next pictures.
    # (After the quit button there is no window left to park on.)
    xdotool mousemove --window "$win" 2 2 2>/dev/null
}
click_square() { click $((28 + 40 * ($1 % 8))) $((28 + 40 * ($1 / 8))); }
click_pass() { click 84 380; }
click_reset() { click 252 380; }
click_quit() { click 168 412; }

# The message boxes are modal top-level windows titled just ウラガエ; the main window's title carries the version.
visible_box() { xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ$' 2>/dev/null | head -n 1; }
box_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
close_box() {
    # Without a window manager nobody gives the box the focus: take it, then press a real Return.
    timeout 10 xdotool windowfocus --sync "$1" key Return 2>/dev/null
    wait_for "message box $1 to close" box_gone "$1"
}

# After a click: poll until the turn it started is over, closing message boxes on the way. The turn
# is over when the count of empty squares has been rewritten (every move changes it) or two boxes came
# (the computer could not move, then the result). Sets greens, pass_on and turn_boxes.
settle() {
    local before=$1 deadline=$((SECONDS + timeout_s)) box
    turn_boxes=0
    while :; do
        shoot
        # Look for a box after the picture: a box is mapped before the window repaints behind it.
        box=$(visible_box)
        if [[ -n $box ]]; then
            close_box "$box"
            turn_boxes=$((turn_boxes + 1))
            log "closed a message box"
            continue
        fi
        if [[ $(count_hash) != "$before" ]] || ((turn_boxes >= 2)); then
            greens=$(green_squares)
            pass_on=0
            pass_enabled && pass_on=1
            # With no move and no pass the result box must come; until it has, keep looking.
            if [[ -n $greens ]] || ((pass_on || turn_boxes > 0)); then
                return
            fi
        fi
        ((SECONDS < deadline)) || fail "timed out after ${timeout_s} s waiting for the turn to end"
        sleep 0.05
    done
}

cleanup() { [[ -n $pid ]] && kill "$pid" 2>/dev/null; }
trap cleanup EXIT

# --- The test. ---

log "starting $exe at scale $scale"
"$exe" &
pid=$!
main_window() {
    alive
    win=$(xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ ver' 2>/dev/null | head -n 1)
    [[ -n $win ]]
}
wait_for "the main window" main_window
ok "the main window is up"

start_picture() { shoot; [[ $(green_squares) == "19 26 37 44" ]]; }
wait_for "the start picture (squares 19 26 37 44 green)" start_picture
ok "start: exactly squares 19 26 37 44 are green"
start_count=$(count_hash)

size=$(identify -format '%wx%h' "$shot")
[[ $size == "$((337 * scale))x$((433 * scale))" ]] || fail "the window is $size, not $((337 * scale))x$((433 * scale))"
ok "the window is $size"

log "playing square 19"
click_square 19
settle "$start_count"
[[ " $greens " != *" 19 "* ]] || fail "square 19 is still green after playing it"
black_stone 19 || fail "square 19 shows no black stone"
[[ $(count_hash) != "$start_count" ]] || fail "the count of empty squares did not change"
ok "square 19 holds a black stone, the computer answered; green now: ${greens:-none}"

actions=1
total_boxes=$turn_boxes
while :; do
    ((actions < max_actions)) || fail "no result after $max_actions moves and passes"
    before=$(count_hash)
    if [[ -n $greens ]]; then
        click_square "${greens%% *}"
    elif ((pass_on)); then
        log "no move for the person: passing"
        click_pass
    elif ((turn_boxes > 0)); then
        break  # no move, no pass, and the result box has been closed: the game is over
    else
        fail "stuck: no green square, the pass button is disabled and no result came"
    fi
    actions=$((actions + 1))
    settle "$before"
    total_boxes=$((total_boxes + turn_boxes))
done
ok "game over after $actions moves and passes; message boxes closed: $total_boxes"

# The disabled pass button must do nothing now. Nothing can be awaited here, so give it a second.
# (The click may activate the window and so show a focus frame: only the board and counts matter.)
final=$(region_hash 0 336 337 25)
click_pass
sleep 1
[[ -z $(visible_box) ]] || fail "a message box appeared after the game was over"
shoot
[[ $(region_hash 0 336 337 25) == "$final" && -z $(green_squares) ]] || fail "the pass button still played"
ok "after the game the pass button does nothing"

log "resetting"
click_reset
wait_for "the start picture after reset" start_picture
[[ $(count_hash) == "$start_count" ]] || fail "the count of empty squares is not back to the start"
ok "reset: exactly squares 19 26 37 44 are green again"

log "quitting"
click_quit
exited() { ! kill -0 "$pid" 2>/dev/null; }
wait_for "the program to exit" exited
wait "$pid"
status=$?
pid=""
((status == 0)) || fail "the program exited with status $status"
ok "the quit button ends the program with status 0"

rm -rf "$work"
log "$passed passed, 0 failed"
