#!/usr/bin/env bash
# Plays ウラガエ end to end in a real X server with a window manager: real clicks and keys go in,
# real pixels and the real message boxes' texts come back.
# Usage: end_to_end.sh EXECUTABLE   (under xvfb-run; E2E_TIMEOUT bounds each wait, in seconds)
set -u
exe=${1:?usage: end_to_end.sh EXECUTABLE}
timeout_s=${E2E_TIMEOUT:-20}
export QT_QPA_PLATFORM=xcb  # the unit tests' presets choose offscreen; this one needs X
work=$(mktemp -d)
shot=$work/window.png
passed=0 pid="" win=""
trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; kill "$wm" 2>/dev/null; rm -rf "$work"' EXIT

ok() { passed=$((passed + 1)); echo "e2e: ok: $*"; }
fail() { echo "e2e: FAIL: $*"; echo "$passed passed, 1 failed"; exit 1; }
# Polls a command until it succeeds: the test never assumes how long the program takes.
wait_for() {
    local what=$1 deadline=$((SECONDS + timeout_s))
    shift
    until "$@"; do ((SECONDS < deadline)) || fail "timed out waiting for $what"; sleep 0.05; done
}

openbox --sm-disable > /dev/null 2>&1 &
wm=$!
wm_up() { wmctrl -m > /dev/null 2>&1; }
wait_for "the window manager" wm_up

# Reading the window: coordinates are pixels from the client area's top-left.
shoot() { import -window "$win" "$shot" 2>/dev/null || fail "could not capture the window"; }
pixel() { convert "$shot" -format "%[pixel:p{$1,$2}]" info:; }
count_hash() { convert "$shot" -crop 41x25+240+336 +repage rgb:- | md5sum; }  # the empty squares
pass_enabled() { (($(convert "$shot" -crop 93x15+38+373 -colorspace gray -format '%[fx:round(255*minima)]' info:) < 100)); }
green_format=""
for ((i = 0; i < 64; i++)); do green_format+="%[pixel:p{$((16 + 40 * (i % 8))),$((16 + 40 * (i / 8)))}]\n"; done
# A stone, ● or ○, is dark ink in the middle of an unmarked square.
stone() {
    [[ " $(greens)" != *" $1 "* ]] &&
        (($(convert "$shot" -crop 15x15+$((21 + 40 * ($1 % 8)))+$((21 + 40 * ($1 / 8))) -colorspace gray -format '%[fx:round(255*minima)]' info:) < 100))
}
greens() { convert "$shot" -format "$green_format" info: | awk '$0 == "srgb(128,255,128)" { printf "%d ", NR - 1 }'; }

click() { xdotool mousemove --window "$win" "$1" "$2" click 1 mousemove --window "$win" 2 2; }
click_square() { click $((28 + 40 * ($1 % 8))) $((28 + 40 * ($1 / 8))); }
# From the square that holds the focus: up and left into the corner, where the arrows must stop,
# then across to the square, and Space.
key_square() {
    local keys=(Up Up Up Up Up Up Up Left Left Left Left Left Left Left)
    for ((k = 0; k < $1 % 8; k++)); do keys+=(Right); done
    for ((k = 0; k < $1 / 8; k++)); do keys+=(Down); done
    xdotool windowactivate --sync "$win" key --delay 2 "${keys[@]}" space
}
# A message box is a window titled just ウラガエ. The computer's pass, "○を置ける場所がありませんでした。",
# is more than twice as long as any result ("●の勝ちです。", "引き分けです。", "○の勝ちです。"), and so is
# its box: wider than half the main window. Return closes a box.
box() { xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ$' 2>/dev/null | head -n 1; }
read_and_close_box() {
    local width
    width=$(xdotool getwindowgeometry "$1" | awk '/Geometry/ { split($2, size, "x"); print size[1] }')
    kind=result
    ((width > 337 / 2)) && kind=pass
    xdotool windowactivate --sync "$1" key Return 2>/dev/null
    gone() { [[ -z $(box) ]]; }
    wait_for "the box to close" gone
}

start() {
    "$exe" &
    pid=$!
    found() { win=$(xdotool search --all --pid "$pid" --onlyvisible --name '^ウラガエ ver\.1\.7$' | head -n 1); [[ -n $win ]]; }
    wait_for "the main window" found
    at_start() { shoot; [[ $(greens) == "19 26 37 44 " ]]; }
    wait_for "the start position" at_start
}

start
[[ $(identify -format '%wx%h' "$shot") == 337x433 ]] || fail "the window is not 337x433"
[[ $(pixel 252 372) == "srgb(128,128,255)" ]] || fail "リセット is not blue-violet"
[[ $(convert "$shot" -crop 41x25+32+336 -fx 'r>0.9&&g<0.3&&b<0.3' -format '%[fx:maxima]' info:) == 1 ]] ||
    fail "the count has no red digits"
ok "titled ウラガエ ver.1.7, 337x433, squares 19 26 37 44 light green, リセット blue-violet, red counts"

# A whole game: the first green square each turn, by mouse or, while a square holds the focus,
# by keys; パス when nothing is green. Every box is closed as it comes.
result="" boxes=() keyed=0 focus_on_square=0
for ((turn = 0; turn < 100; turn++)); do
    [[ -z $result ]] || break
    before=$(count_hash) now=$(greens) target=""
    if [[ -n $now ]]; then
        target=${now%% *}
        if ((focus_on_square)); then key_square "$target"; keyed=$((keyed + 1)); else click_square "$target"; fi
    elif pass_enabled; then
        click 84 380
    else
        fail "nothing is green, パス is dead and no result came"
    fi
    ended() {
        local b
        b=$(box)
        if [[ -n $b ]]; then
            read_and_close_box "$b"
            boxes+=("$kind")
            [[ $kind == pass ]] || { result=$kind; return 0; }
        fi
        shoot
        # Over when nothing is green and パス is dead: then the result box is still to come.
        [[ $(count_hash) != "$before" ]] && { [[ -n $(greens) ]] || pass_enabled; }
    }
    wait_for "the end of turn $turn" ended
    [[ -z $target || -n $result ]] || stone "$target" || fail "square $target holds no stone"
    # The computer focuses its square when it moves; after its pass the focus is where it was.
    [[ -n $target && ${boxes[-1]:-} != pass ]] && focus_on_square=1 || focus_on_square=0
done
[[ -n $result ]] || fail "no result after 100 turns"
ok "a whole game in $turn turns, $keyed moves by keys; boxes: ${boxes[*]}"
shoot
[[ -z $(greens) ]] && ! pass_enabled || fail "squares or パス still live after the result"

click 252 380
wait_for "the start position after リセット" bash -c "import -window $win $shot && [[ \$(convert $shot -format '$green_format' info: | grep -c 'srgb(128,255,128)') == 4 ]]"
ok "リセット brings the start back"

click 168 412
exited() { ! kill -0 "$pid" 2>/dev/null; }
wait_for "the program to end after 終了" exited
wait "$pid" || fail "終了 ended the program with status $?"
ok "終了 ends the program with status 0"

start
wmctrl -c 'ウラガエ ver.1.7'
wait_for "the program to end after closing its window" exited
wait "$pid" || fail "closing the window ended the program with status $?"
pid=""
ok "closing the window through its frame ends the program"
echo "$passed passed, 0 failed"
