#!/usr/bin/env bash
# Drives the real window on a virtual X display: starts it, finds it by its title, checks its
# client size and saves a screenshot.
#   window_e2e.sh BIN_DIR OUTPUT_DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"
title='ZIFRANO - Numeri in lettere per Assegni/Fatture'

fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
display_file="$work/display"
cleanup() {
    [[ -n "${app:-}" ]] && kill "$app" 2>/dev/null || true
    [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$display_file" ]] && break; sleep 0.05; done
[[ -s "$display_file" ]] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$display_file")"
export XDG_RUNTIME_DIR="$work"

"$bin/zifrano" 2>"$work/app.log" &
app=$!

window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1) || true
    [[ -n "$window" ]] && break
    sleep 0.05
done
[[ -n "$window" ]] || fail "no window titled '$title'"

# The window is the client area, 508 x 107, with the menu bar above it.
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[[ "$width" == 508 ]] || fail "window width $width, expected 508"
((height > 107 && height < 107 + 40)) || fail "window height $height: not the client area and a menu bar"
read -r left top < <(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}')

sleep 0.3 # let the first paint land
"$bin/zifrano_screen_grab" "$out/zifrano-window.png" "$left" "$top" "$width" "$height" ||
    fail "no screenshot"
echo "window $width x $height at $left,$top; screenshot $out/zifrano-window.png"
