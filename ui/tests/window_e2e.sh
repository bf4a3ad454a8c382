#!/usr/bin/env bash
# Drives the real window on a virtual X display: starts it, finds it by its title, checks its
# client size and that its frame stands at the screen's corner, saves a screenshot, then types
# amounts and copies their wordings by access key, pastes the primary selection with the middle
# button, leaves a menu with Escape, pastes through the field's Italian context menu, checks the
# corner again after "Informazioni" and ends the program with Return on "Fine".
#   window_e2e.sh BIN_DIR OUTPUT_DIR [openbox]
# With "openbox" the same run happens under that window manager, and no screenshot is taken.
set -euo pipefail
bin=$1
out=$2
wm=${3:-}
mkdir -p "$out"
title='ZIFRANO - Numeri in lettere per Assegni/Fatture'

fail() {
    echo "FAIL: $*" >&2
    # What the program said, when it said anything: a sanitizer report, a Qt warning.
    [[ -s "${work:-}/app.log" ]] && sed "s/^/zifrano: /" "$work/app.log" >&2
    exit 1
}

# Waits for a visible window whose title is exactly $1; prints its id.
wait_for_window() {
    local id
    # Up to about fifteen seconds: a sanitizer build on a busy machine starts slowly.
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

notice_shown() { xdotool search --onlyvisible --name '^ZIFRANO$' >/dev/null 2>&1; }

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# Waits up to two seconds for the clipboard to hold exactly $1.
expect_clipboard() {
    for _ in $(seq 40); do [[ "$(clipboard)" == "$1" ]] && return 0; sleep 0.05; done
    fail "clipboard holds '$(clipboard)', expected '$1' $2"
}

# The top-left corner of the window's frame: its client area less the frame a window manager
# put around it.
frame_corner() {
    local x y extents
    read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}')
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r left _ top _ <<<"${extents:-0,0,0,0}"
    echo "$((x - left)),$((y - top))"
}

# The program's visible windows, its popup menus included.
shown_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }

# Clicks button $1 at $2 $3 in the window and waits for a popup menu to open.
open_menu() {
    local before
    before=$(shown_windows)
    xdotool mousemove --window "$window" "$2" "$3" click "$1"
    for _ in $(seq 100); do (($(shown_windows) > before)) && return 0; sleep 0.05; done
    fail "no menu opened"
}

expect_corner() {
    local corner
    for _ in $(seq 40); do corner=$(frame_corner); [[ "$corner" == 0,0 ]] && return 0; sleep 0.05; done
    fail "the window's frame stands at $corner $1, not at the screen's corner"
}

work=$(mktemp -d)
display_file="$work/display"
cleanup() {
    [[ -n "${app:-}" ]] && kill "$app" 2>/dev/null || true
    [[ -n "${selection_owner:-}" ]] && kill "$selection_owner" 2>/dev/null || true
    [[ -n "${manager:-}" ]] && kill "$manager" 2>/dev/null || true
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

if [[ "$wm" == openbox ]]; then
    openbox --sm-disable >/dev/null 2>&1 &
    manager=$!
    # Ready once it puts a frame around a new window: a probe window, closed again. The probe
    # waits until openbox names itself on the root window: a window mapped while it is still
    # taking the screen over may never be framed.
    for _ in $(seq 300); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xmessage -name zifrano-probe probe 2>/dev/null &
    probe=$!
    managed() {
        local id
        id=$(xdotool search --onlyvisible --classname '^zifrano-probe$' 2>/dev/null | head -1) || true
        [[ -n "$id" && "$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null)" == *=* ]]
    }
    for _ in $(seq 300); do managed && break; sleep 0.1; done
    kill -0 "$manager" 2>/dev/null || fail "openbox ended"
    managed || fail "openbox did not frame the probe window within 30 seconds"
    kill "$probe"
    wait "$probe" 2>/dev/null || true
fi

"$bin/zifrano" 2>"$work/app.log" &
app=$!

window=$(wait_for_window "$title") || fail "no window titled '$title'"

# The window is the client area, 508 x 107, with the menu bar above it.
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[[ "$width" == 508 ]] || fail "window width $width, expected 508"
((height > 107 && height < 107 + 40)) || fail "window height $height: not the client area and a menu bar"
menu_bar=$((height - 107))

# The window asks for the keyboard itself; wait until it has it. Its first activation puts the
# frame, title bar included, at the screen's corner.
for _ in $(seq 100); do
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$window" ]] && break
    sleep 0.05
done
expect_corner "at start"

if [[ -z "$wm" ]]; then
    sleep 0.3 # let the first paint land
    scrot --overwrite --autoselect "0,0,$width,$height" "$out/zifrano-window.png" || fail "no screenshot"
    echo "window $width x $height; screenshot $out/zifrano-window.png"
fi

[[ "$(xdotool getwindowfocus 2>/dev/null)" == "$window" ]] || fail "the window did not take the keyboard"

# Typing replaces the selected "123"; the comma arrives as a full stop. Alt+C copies the euro
# wording and, the first time, shows the notice.
xdotool type --delay 30 '12,5'
xdotool key alt+c
wait_for_window ZIFRANO >/dev/null || fail "no notice after the first copy"
xdotool key Return
for _ in $(seq 100); do notice_shown || break; sleep 0.05; done
notice_shown && fail "the notice did not close"
expect_clipboard 'dodici / 50' "after the first copy"

# The second copy replaces the clipboard without a notice.
xdotool type --delay 30 '7'
xdotool key alt+c
expect_clipboard 'sette / 00' "after the second copy"
sleep 0.5
notice_shown && fail "a notice was shown on the second copy"
kill -0 "$app" || fail "the program ended"
echo "typed, copied twice: 'dodici / 50', then 'sette / 00' without a notice"

# The primary selection made in another program survives a click into the field (which selects
# the whole text), and a middle click pastes it in place of that text.
printf 1500 | xclip -selection primary -quiet 2>/dev/null &
selection_owner=$!
sleep 0.2
xdotool mousemove --window "$window" 48 $((menu_bar + 29)) click 1
sleep 0.2
xdotool click 2
xdotool key alt+c
expect_clipboard 'millecinquecento / 00' "after a click and a middle click"
echo "middle click pasted the primary selection: 'millecinquecento / 00'"

# A menu closed with Escape gives the keyboard back to the field, its whole text selected.
open_menu 1 12 $((menu_bar / 2))
xdotool key Escape
xdotool type --delay 30 '8'
xdotool key alt+c
expect_clipboard 'otto / 00' "after Escape closed a menu and 8 was typed"
echo "after Escape the field had the keyboard: 'otto / 00'"

# The field's context menu is Italian: "I" is the access key of "Incolla".
printf 2500 | xclip -selection clipboard
open_menu 3 48 $((menu_bar + 29))
xdotool key i
xdotool key alt+c
expect_clipboard 'duemilacinquecento / 00' "after pasting through the context menu"
echo "pasted through the Italian context menu: 'duemilacinquecento / 00'"

# "Informazioni" sends the frame back to the corner, also after the user moved the window.
xdotool windowmove "$window" 200 150
sleep 0.3
xdotool key alt+i
wait_for_window ZIFRANO >/dev/null || fail "no about box"
xdotool key Return
expect_corner "after Informazioni"
echo "frame at the screen's corner at start and after Informazioni"

# Return on the focused "Fine" ends the program.
xdotool key Tab Tab Return
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app" 2>/dev/null && fail "Return on Fine did not end the program"
wait "$app" || fail "the program ended with status $?"
app=
echo "Return on Fine ended the program"
