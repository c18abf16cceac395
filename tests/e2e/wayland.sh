#!/usr/bin/env bash
# ウラガエ as a native Wayland client of a headless weston: the title and app id it asks for, and a quiet stderr.
set -u
# shellcheck source-path=SCRIPTDIR source=wait_for.sh
source "$(dirname "$(realpath "$0")")/wait_for.sh"
exe=$(realpath "${1:?usage: wayland.sh EXECUTABLE}")
work=$(mktemp -d) pid="" weston="" && cd "$work" || exit 1  # mktemp makes it private (0700), as XDG_RUNTIME_DIR must be
trap '[[ -n $pid ]] && kill "$pid"; [[ -n $weston ]] && kill "$weston"; cd /; rm -rf "$work"' EXIT
fail() { echo "wayland: FAIL: $*"; sed 's/^/  weston: /' weston.log; exit 1; }

# Weston 12 and later name the back-end themselves; weston 10 (Debian 12) knows only the module name.
backend=headless
weston --help 2>&1 | grep -q -- --renderer || backend=headless-backend.so
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=wayland-uragae
weston --backend=$backend --no-config --socket="$WAYLAND_DISPLAY" --idle-time=0 > weston.log 2>&1 &
weston=$! && wait_for "the compositor" test -S "$WAYLAND_DISPLAY"

# The protocol log on stderr names what the window asks of the compositor.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$exe" 2> game.err &
pid=$!
asked() { grep -q "xdg_toplevel[@#][0-9]*\.$1(\"$2\")" game.err; }
wait_for "the title" asked set_title 'ウラガエ ver\.1\.7'
wait_for "the app id" asked set_app_id 'io\.github\.uragae\.Uragae'
wait_for "the first picture" grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer' game.err
kill -0 "$pid" 2> /dev/null || fail "the game ended by itself"
kill "$pid" && wait "$pid"
pid=""
warnings=$(grep -v '^\[[0-9. ]*\] ' game.err)  # every protocol line starts with its time stamp
[[ -z $warnings ]] || fail "the game printed: $warnings"
echo "wayland: ok: asked for the title ウラガエ ver.1.7 and the app id io.github.uragae.Uragae, and printed nothing else"
