#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Drives the real window on a virtual X display: starts it, finds it by its title, checks its
# client size and that its frame stands at the corner of the screen's available area, saves a
# screenshot, then types amounts and copies their wordings by access key and by the whole-amount
# button, pastes the primary selection with the middle button, leaves a menu with Escape, pastes
# through the field's Italian context menu, opens the about box, checks the corner again after
# "Informazioni" and ends the program with Return on "Fine". Each notice and the about box must
# stand wholly inside the available area, title bar included.
#   window_e2e.sh BUILD_DIR OUTPUT_DIR [openbox|icewm|atspi]
# With "openbox" or "icewm" the same run happens under that window manager, and the screen with
# the long notice open is saved instead of the window; icewm keeps its panel at the top, so that
# the window's corner is the available area's, below the panel. With "atspi" the window runs on
# an accessibility bus of its own, 250 is typed, and atspi_check.py checks what a screen reader
# learns of it; nothing else is done.
set -euo pipefail
bin=$1/bin
out=$2
mode=${3:-}
wm=
[[ "$mode" == openbox || "$mode" == icewm ]] && wm=$mode
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"

# The accessibility check needs a session bus, which lives as long as this script, and an
# accessibility bus of its own: without a runtime folder of its own, the bus launcher keeps its
# socket in ~/.cache, where two runs at once would take each other's.
if [[ "$mode" == atspi && -z "${ZIFRANO_E2E_OWN_BUS:-}" ]]; then
    bus_home=$(mktemp -d)
    status=0
    env ZIFRANO_E2E_OWN_BUS=1 XDG_RUNTIME_DIR="$bus_home" dbus-run-session -- "$0" "$@" || status=$?
    rm -rf "$bus_home"
    exit "$status"
fi

fail() {
    echo "FAIL: $*" >&2
    # What the program said, when it said anything: a sanitizer report, a Qt warning.
    [[ -s "${work:-}/app.log" ]] && sed "s/^/zifrano: /" "$work/app.log" >&2
    exit 1
}

# shellcheck source=scripts/lib.sh
. "$here/../../scripts/lib.sh"
load_facts "$1"
title=$ZIFRANO_WINDOW_TITLE
client_width=$ZIFRANO_CLIENT_WIDTH
client_height=$ZIFRANO_CLIENT_HEIGHT

notice_shown() { visible_window "$ZIFRANO_NAME" >/dev/null; }

# The frame of window $1 as "x y width height": its client area and the frame the window manager
# says it put around it. Fails while a window manager has not framed the window yet.
frame_rect() {
    local x y w h extents left right top bottom
    read -r x y w h < <(window_geometry "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ' ')
    [[ -z "$extents" && -n "$wm" ]] && return 1
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# Whether the frame of window $1 stands wholly inside the area "$2 $3 $4 $5"; keeps it in $rect.
frame_inside() {
    local x y w h
    rect=$(frame_rect "$1") || return 1
    read -r x y w h <<<"$rect"
    ((x >= $2 && y >= $3 && x + w <= $2 + $4 && y + h <= $3 + $5))
}

# Waits up to two seconds for the frame of window $1, named $2, to stand wholly inside the
# available area, where its title bar can be reached.
expect_inside() {
    local area
    area=$(available_area)
    rect=
    # shellcheck disable=SC2086 # the area's four numbers
    wait_until 40 0.05 frame_inside "$1" $area ||
        fail "$2: frame at '${rect:-not framed}', not inside the available area $area"
    echo "$2: frame (x y width height) $rect, inside $area"
}

# The program's visible windows, its popup menus included.
shown_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }

more_windows_than() { (($(shown_windows) > $1)); }

# Clicks button $1 at $2 $3 in the window and waits for a popup menu to open.
open_menu() {
    local before
    before=$(shown_windows)
    xdotool mousemove --window "$window" "$2" "$3" click "$1"
    wait_until 100 0.05 more_windows_than "$before" || fail "no menu opened"
}

# Whether the window's frame stands at "$1 $2"; keeps where it stands in $corner.
frame_at() {
    corner=$(frame_rect "$window" | cut -d' ' -f1,2) || true
    [[ "$corner" == "$1 $2" ]]
}

# Waits up to two seconds for the window's frame to stand at the available area's corner.
expect_corner() {
    local ax ay
    read -r ax ay _ < <(available_area)
    corner=
    wait_until 40 0.05 frame_at "$ax" "$ay" ||
        fail "the window's frame stands at '$corner' $1, not at the available area's corner $ax $ay"
}

# Waits up to five seconds for the notice or the about box to close.
expect_box_closed() { wait_until 100 0.05 window_gone "$ZIFRANO_NAME" || fail "the $1 did not close"; }

# Whether the probe window is up and framed.
probe_framed() {
    local id
    id=$(xdotool search --onlyvisible --classname '^zifrano-probe$' 2>/dev/null | head -1) || true
    [[ -n "$id" && "$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null)" == *=* ]]
}

panel_at_top() {
    local ay
    read -r _ ay _ < <(available_area)
    ((ay > 0))
}

# Starts $wm and waits until it frames a new window.
start_manager() {
    if [[ "$wm" == openbox ]]; then
        openbox --sm-disable >/dev/null 2>&1 &
    else
        # Its panel at the top: the available area then starts below it.
        printf 'TaskBarAtTop=1\n' >"$work/icewm-preferences"
        icewm --config="$work/icewm-preferences" >/dev/null 2>&1 &
    fi
    manager=$!
    # Ready once it puts a frame around a new window: a probe window, closed again. The probe
    # waits until the manager names itself on the root window: a window mapped while it is
    # still taking the screen over may never be framed.
    wait_until 300 0.1 manager_running || true
    xmessage -name zifrano-probe probe 2>/dev/null &
    probe=$!
    wait_until 300 0.1 probe_framed || true
    kill -0 "$manager" 2>/dev/null || fail "$wm ended"
    probe_framed || fail "$wm did not frame the probe window within 30 seconds"
    kill "$probe"
    wait "$probe" 2>/dev/null || true
    # The program reads the available area at start: the panel must be in it by then.
    if [[ "$wm" == icewm ]]; then
        wait_until 100 0.1 panel_at_top || fail "icewm reported no panel at the top of the screen"
    fi
}

# A screen reader's view: with the field focused, 250 is typed, and the field must be focused,
# hold its wording in its accessible description and announce each new one.
check_screen_reader() {
    "$here/atspi_check.py" "$app" 250 'duecentocinquanta / 00' >"$work/atspi.out" 2>&1 &
    checker=$!
    wait_until 300 0.05 grep -q '^ready$' "$work/atspi.out" || { cat "$work/atspi.out" >&2; fail "the AT-SPI check did not start"; }
    xdotool type --delay 50 250
    local status=0
    wait "$checker" || status=$?
    checker=
    grep -v '^ready$' "$work/atspi.out" | sed 's/^/atspi: /'
    ((status == 0)) || fail "the screen reader's view of the field is not as expected"
}

work=$(mktemp -d)
cleanup() {
    [[ -n "${app:-}" ]] && kill "$app" 2>/dev/null || true
    [[ -n "${checker:-}" ]] && kill "$checker" 2>/dev/null || true
    [[ -n "${selection_owner:-}" ]] && kill "$selection_owner" 2>/dev/null || true
    [[ -n "${manager:-}" ]] && kill "$manager" 2>/dev/null || true
    [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display "$work" || fail "Xvfb did not start"
export XDG_RUNTIME_DIR="$work"

[[ -n "$wm" ]] && start_manager
[[ "$mode" == atspi ]] && export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

"$bin/zifrano" 2>"$work/app.log" &
app=$!

window=$(wait_for_window "$title") || fail "no window titled '$title'"

# The window is the client area with the menu bar above it.
read -r _ _ width height < <(window_geometry "$window")
[[ "$width" == "$client_width" ]] || fail "window width $width, expected $client_width"
((height > client_height && height < client_height + 40)) ||
    fail "window height $height: not the client area ($client_height) and a menu bar"
menu_bar=$((height - client_height))

# The window asks for the keyboard itself; wait until it has it. Its first activation puts the
# frame, title bar included, at the available area's corner.
wait_until 100 0.05 has_keyboard "$window" || true
expect_corner "at start"

if [[ "$mode" == atspi ]]; then
    check_screen_reader
    exit 0
fi

if [[ -z "$mode" ]]; then
    sleep 0.3 # let the first paint land
    screenshot_window "$window" "$out/zifrano-window.png" || fail "no screenshot"
    echo "window $width x $height; screenshot $out/zifrano-window.png"
fi

has_keyboard "$window" || fail "the window did not take the keyboard"

# Typing replaces the selected "123"; the comma arrives as a full stop. Alt+C copies the euro
# wording and, the first time, shows the notice.
xdotool type --delay 30 '12,5'
xdotool key alt+c
notice=$(wait_for_window "$ZIFRANO_NAME") || fail "no notice after the first copy"
expect_inside "$notice" "the notice"
xdotool key Return
expect_box_closed notice
expect_clipboard 'dodici / 50' "after the first copy"

# The second copy replaces the clipboard without a notice.
xdotool type --delay 30 '7'
xdotool key alt+c
expect_clipboard 'sette / 00' "after the second copy"
sleep 0.5
notice_shown && fail "a notice was shown on the second copy"
kill -0 "$app" || fail "the program ended"
echo "typed, copied twice: 'dodici / 50', then 'sette / 00' without a notice"

# The whole-amount button's first copy: the largest amount's wording makes the tallest notice.
# Its button is the fourth stop after the field.
lire='quattrocentocinquantaquattromiliardiquattrocentocinquantaquattromilioniquattrocentocinquantaquattromilaquattrocentocinquantaquattro'
xdotool type --delay 30 '454454454454'
xdotool key Tab Tab Tab Tab Return
notice=$(wait_for_window "$ZIFRANO_NAME") || fail "no notice after the first whole-amount copy"
expect_inside "$notice" "the long notice"
if [[ -n "$wm" ]]; then
    scrot --overwrite "$out/zifrano-notice-$wm.png" || fail "no screenshot"
fi
xdotool key Return
expect_box_closed "long notice"
expect_clipboard "$lire" "after the whole-amount copy"

# The primary selection made in another program survives a click into the field (which selects
# the whole text), and a middle click pastes it in place of that text.
printf 1.500 | xclip -selection primary -quiet 2>/dev/null &
selection_owner=$!
sleep 0.2
xdotool mousemove --window "$window" 48 $((menu_bar + 29)) click 1
sleep 0.2
xdotool click 2
xdotool key alt+c
expect_clipboard 'millecinquecento / 00' "after a click and a middle click"
echo "middle click pasted the primary selection 1.500: 'millecinquecento / 00'"

# A menu closed with Escape gives the keyboard back to the field, its whole text selected.
open_menu 1 12 $((menu_bar / 2))
xdotool key Escape
xdotool type --delay 30 '8'
xdotool key alt+c
expect_clipboard 'otto / 00' "after Escape closed a menu and 8 was typed"
echo "after Escape the field had the keyboard: 'otto / 00'"

# The field's context menu is Italian: "I" is the access key of "Incolla". A paste reads an
# amount as the document it came from wrote it.
printf '€ 2.500,50' | xclip -selection clipboard
open_menu 3 48 $((menu_bar + 29))
xdotool key i
xdotool key alt+c
expect_clipboard 'duemilacinquecento / 50' "after pasting through the context menu"
echo "pasted € 2.500,50 through the Italian context menu: 'duemilacinquecento / 50'"
printf '€ 1.234,56' | xclip -selection clipboard
xdotool mousemove --window "$window" 48 $((menu_bar + 29)) click 1
xdotool key ctrl+v
xdotool key alt+c
expect_clipboard 'milleduecentotrentaquattro / 56' "after Ctrl+V"
echo "pasted € 1.234,56 with Ctrl+V: 'milleduecentotrentaquattro / 56'"

# The about box over the window at its corner, where the box's title bar is nearest the top.
xdotool key alt+i
about=$(wait_for_window "$ZIFRANO_NAME") || fail "no about box"
expect_inside "$about" "the about box"
xdotool key Return
expect_box_closed "about box"

# "Informazioni" sends the frame back to the corner, also after the user moved the window.
xdotool windowmove "$window" 200 150
sleep 0.3
xdotool key alt+i
wait_for_window "$ZIFRANO_NAME" >/dev/null || fail "no about box after the window was moved"
xdotool key Return
expect_corner "after Informazioni"
echo "frame at the available area's corner, $(available_area | cut -d' ' -f1,2), at start and after Informazioni"

# Return on the focused "Fine" ends the program.
xdotool key Tab Tab Return
app_ended() { ! kill -0 "$app" 2>/dev/null; }
wait_until 100 0.05 app_ended || fail "Return on Fine did not end the program"
wait "$app" || fail "the program ended with status $?"
app=
echo "Return on Fine ended the program"
