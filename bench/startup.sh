#!/usr/bin/env bash
# Starts the game, the bare window and the bare window with the game's Japanese text in turn,
# each quitting at its first paint, and prints wall time and peak memory for each run, their
# medians (min, max) and the ratios to the bare window. Given a build of the windows preset too, it
# starts ウラガエ.exe the same way under Wine in each run, beside them.
# Usage: bench/startup.sh [BUILD_DIR (default build/release)] [RUNS (default 15)] [WINDOWS_BUILD_DIR]
# Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise (e.g. xcb under xvfb-run).
# The Windows figure needs an X server and the Wine prefix of scripts/wine-setup.sh (build/wine):
#   xvfb-run -a bench/startup.sh build/release 15 build/windows
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
game="$build/bench/game_first_paint"
bare="$build/bench/bare_window"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for program in "$game" "$bare"; do
    [ -x "$program" ] || { echo "missing $program: build the release preset first" >&2; exit 1; }
done
windows=${3:+$3/bench/game_first_paint_windows.exe}
if [ -n "$windows" ]; then
    [ -f "$windows" ] || { echo "missing $windows: build the windows preset first" >&2; exit 1; }
    export WINEPREFIX=${WINEPREFIX:-$(realpath build/wine)} WINEDEBUG=-all
fi

measure() {  # prints "seconds kilobytes": wall clock to the microsecond, peak resident memory
    local start=$EPOCHREALTIME
    /usr/bin/time -f '%M' -o /tmp/uragae-startup.$$ "$@" > /dev/null 2>&1
    local end=$EPOCHREALTIME
    echo "$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }') $(cat /tmp/uragae-startup.$$)"
}
"$game" > /dev/null 2>&1; "$bare" > /dev/null 2>&1   # warm the file cache once
# Wine's session, started by the first and kept between the runs that follow within seconds, as
# Windows' is there already: each start that is timed is the program's alone.
[ -z "$windows" ] || wine "$windows" > /dev/null 2>&1

game_times=() game_memory=() bare_times=() bare_memory=() text_times=() text_memory=() wine_times=()
for ((run = 1; run <= runs; run++)); do
    read -r seconds kilobytes < <(measure "$game"); game_times+=("$seconds"); game_memory+=("$kilobytes")
    read -r seconds kilobytes < <(measure "$bare"); bare_times+=("$seconds"); bare_memory+=("$kilobytes")
    read -r seconds kilobytes < <(measure "$bare" --japanese); text_times+=("$seconds"); text_memory+=("$kilobytes")
    printf 'run %2d: game %ss %sKB   bare %ss %sKB   bare+text %ss %sKB' "$run" "${game_times[-1]}" \
        "${game_memory[-1]}" "${bare_times[-1]}" "${bare_memory[-1]}" "${text_times[-1]}" "${text_memory[-1]}"
    if [ -n "$windows" ]; then
        read -r seconds _ < <(measure wine "$windows"); wine_times+=("$seconds")
        printf '   wine ウラガエ.exe %ss' "${wine_times[-1]}"
    fi
    echo
done
rm -f /tmp/uragae-startup.$$

summary() {  # median (min, max) of the arguments
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%g (%g, %g)", m, v[1], v[NR] }'
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "platform: $QT_QPA_PLATFORM, $runs runs each"
echo "start-up to first paint and exit, seconds (median (min, max)):"
echo "  game $(summary "${game_times[@]}")  bare $(summary "${bare_times[@]}")  bare+text $(summary "${text_times[@]}")"
[ -z "$windows" ] || echo "  wine ウラガエ.exe to its first paint $(summary "${wine_times[@]}") (Wine's own start-up in it)"
echo "peak memory, KB (median (min, max)):"
echo "  game $(summary "${game_memory[@]}")  bare $(summary "${bare_memory[@]}")  bare+text $(summary "${text_memory[@]}")"
awk -v g="$(median "${game_times[@]}")" -v b="$(median "${bare_times[@]}")" -v t="$(median "${text_times[@]}")" \
    -v gm="$(median "${game_memory[@]}")" -v bm="$(median "${bare_memory[@]}")" -v tm="$(median "${text_memory[@]}")" \
    'BEGIN { printf "ratio to bare: game time %.3f, memory %.3f;  bare+text time %.3f, memory %.3f\n", g / b, gm / bm, t / b, tm / bm }'

executable="$build/qt/uragae"
if [ -x "$executable" ]; then
    stripped=$(mktemp)
    strip -o "$stripped" "$executable"
    echo "executable: $(stat -c %s "$executable") bytes, stripped $(stat -c %s "$stripped") bytes"
    rm -f "$stripped"
fi
