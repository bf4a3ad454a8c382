#!/usr/bin/env bash
# Drives the real window on a virtual X display: starts it, finds it by its title, checks its
# client size, saves a screenshot, then types amounts and copies their wordings by access key.
#   window_e2e.sh BIN_DIR OUTPUT_DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"
title='ZIFRANO - Numeri in lettere per Assegni/Fatture'

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to five seconds for a visible window whose title is exactly $1; prints its id.
wait_for_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

notice_shown() { xdotool search --onlyvisible --name '^ZIFRANO$' >/dev/null 2>&1; }

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

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

window=$(wait_for_window "$title") || fail "no window titled '$title'"

# The window is the client area, 508 x 107, with the menu bar above it.
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[[ "$width" == 508 ]] || fail "window width $width, expected 508"
((height > 107 && height < 107 + 40)) || fail "window height $height: not the client area and a menu bar"
read -r left top < <(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}')

sleep 0.3 # let the first paint land
"$bin/zifrano_screen_grab" "$out/zifrano-window.png" "$left" "$top" "$width" "$height" ||
    fail "no screenshot"
echo "window $width x $height at $left,$top; screenshot $out/zifrano-window.png"

# The window asks for the keyboard itself; wait until it has it.
for _ in $(seq 100); do
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$window" ]] && break
    sleep 0.05
done
[[ "$(xdotool getwindowfocus 2>/dev/null)" == "$window" ]] || fail "the window did not take the keyboard"

# Typing replaces the selected "123"; the comma arrives as a full stop. Alt+C copies the euro
# wording and, the first time, shows the notice.
xdotool type --delay 30 '12,5'
xdotool key alt+c
wait_for_window ZIFRANO >/dev/null || fail "no notice after the first copy"
xdotool key Return
for _ in $(seq 100); do notice_shown || break; sleep 0.05; done
notice_shown && fail "the notice did not close"
[[ "$(clipboard)" == 'dodici / 50' ]] || fail "clipboard holds '$(clipboard)', expected 'dodici / 50'"

# The second copy replaces the clipboard without a notice.
xdotool type --delay 30 '7'
xdotool key alt+c
for _ in $(seq 40); do [[ "$(clipboard)" == 'sette / 00' ]] && break; sleep 0.05; done
[[ "$(clipboard)" == 'sette / 00' ]] || fail "clipboard holds '$(clipboard)', expected 'sette / 00'"
sleep 0.5
notice_shown && fail "a notice was shown on the second copy"
kill -0 "$app" || fail "the program ended"
echo "typed, copied twice: 'dodici / 50', then 'sette / 00' without a notice"
