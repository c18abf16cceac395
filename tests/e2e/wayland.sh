#!/usr/bin/env bash
# ウラガエ as a native Wayland client of a headless weston: the title and app id it asks for, and a quiet stderr.
set -u
# shellcheck source-path=SCRIPTDIR source=wait_for.sh
source "$(dirname "$(realpath "$0")")/wait_for.sh"
exe=$(realpath "${1:?usage: wayland.sh EXECUTABLE}")
work=$(mktemp -d) pid="" weston="" && cd "$work" || exit 1  # private (0700), as XDG_RUNTIME_DIR must be
trap '[[ -n $pid ]] && kill "$pid"; [[ -n $weston ]] && kill "$weston"; cd /; rm -rf "$work"' EXIT
fail() { echo "wayland: FAIL: $*"; sed 's/^/  weston: /' weston.log; exit 1; }
backend=headless  # weston 12 and later; weston 10 (Debian 12) knows only the module's name
weston --help 2>&1 | grep -q -- --renderer || backend=headless-backend.so
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=wayland-uragae
weston --backend=$backend --no-config --socket="$WAYLAND_DISPLAY" --idle-time=0 > weston.log 2>&1 &
weston=$! && wait_for "the compositor" test -S "$WAYLAND_DISPLAY"

# The protocol log on stderr names what the window asks of the compositor; each of its lines starts with a time.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$exe" 2> game.err &
pid=$!
asked() { grep -q "$1" game.err; }
wait_for "the title" asked 'xdg_toplevel[@#][0-9]*\.set_title("ウラガエ ver\.1\.7")'
wait_for "the app id" asked 'xdg_toplevel[@#][0-9]*\.set_app_id("io\.github\.uragae\.Uragae")'
wait_for "the first picture" asked 'wl_surface[@#][0-9]*\.attach(wl_buffer'
kill "$pid" && wait "$pid"
pid=""
warnings=$(grep -v '^\[[0-9. ]*\] ' game.err)
[[ -z $warnings ]] || fail "the game printed: $warnings"
echo "wayland: ok: asked for the title ウラガエ ver.1.7 and the app id io.github.uragae.Uragae, and printed nothing else"
