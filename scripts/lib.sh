# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# shellcheck shell=bash
# The helpers that the scripts, the window's end-to-end check and the autopkgtests share.
# Sourced, not run:
#   . scripts/lib.sh

# The CMake preset of builds here: the ci one, warnings as errors, under CI (CI=true).
build_preset() {
    if [[ "${CI:-}" == true ]]; then echo ci; else echo dev; fi
}

# Exports the product's facts (ZIFRANO_VERSION_TEXT, ZIFRANO_WINDOW_TITLE, ...; see
# cmake/ZifranoProduct.cmake) as build folder $1 was configured with them.
load_facts() {
    [[ -f "$1/product.env" ]] || { echo "no $1/product.env: configure $1 first" >&2; return 1; }
    set -a
    # shellcheck source=/dev/null
    . "$1/product.env"
    set +a
}

# Exports the same facts as the source gives them, the author's details at their defaults,
# written into folder $1: for a system with the packages installed and no build tree.
load_source_facts() {
    cmake -D ZIFRANO_FACTS_DIR="$1" -P "$(dirname "${BASH_SOURCE[0]}")/../cmake/ZifranoProduct.cmake"
    load_facts "$1"
}

# The virtual X display, and what the programs show on it, waited on.

# The virtual screen the window's checks run on.
virtual_screen=1024x768x24

# Runs the calling script again on a virtual X display of its own unless it has a display:
#   on_virtual_display "$0" "$@"
on_virtual_display() {
    [[ -n "${DISPLAY:-}" ]] && return 0
    exec xvfb-run --auto-servernum --server-args="-screen 0 $virtual_screen -nolisten tcp" "$@"
}

# Starts an X server of its own on the virtual screen, its process id kept in $xvfb, and points
# DISPLAY at it; its display number is written into folder $1. No reset when the last client
# leaves: a probe (xprop, xdotool) that leaves just as another client connects would take that
# connection down with the reset.
start_virtual_display() {
    Xvfb -displayfd 3 -screen 0 "$virtual_screen" -nolisten tcp -noreset 3>"$1/display" 2>/dev/null &
    # shellcheck disable=SC2034 # for the caller, which ends it
    xvfb=$!
    wait_until 100 0.05 test -s "$1/display" || return 1
    DISPLAY=":$(cat "$1/display")"
    export DISPLAY
}

# Runs "$@" up to $1 times, $2 seconds apart, until it succeeds; fails if it never does.
wait_until() {
    local tries=$1 pause=$2
    shift 2
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep "$pause"
    done
    return 1
}

# Prints the id of a visible window whose title is exactly $1; fails when there is none.
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep .; }

# Waits up to 30 seconds (a sanitizer build, or Wine's first start, on a busy machine) for a
# visible window titled exactly $1, and prints its id.
wait_for_window() { wait_until 600 0.05 visible_window "$1"; }

window_gone() { ! visible_window "$1" >/dev/null; }

# Window $1's "x y width height" on the screen: its client area when a window manager frames
# it, the whole frame under Wine, which draws the frames itself.
window_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Saves what window $1 covers on the screen as the PNG file $2.
screenshot_window() {
    local x y width height
    read -r x y width height < <(window_geometry "$1")
    scrot --overwrite --autoselect "$x,$y,$width,$height" "$2"
}

# The screen's available area as "x y width height": the work area a window manager reports,
# its panels left out, else the whole screen.
available_area() {
    local area
    area=$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.* = //p' | cut -d, -f1-4 | tr -d ' ' | tr , ' ')
    [[ -n "$area" ]] || area="0 0 $(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')"
    echo "$area"
}

# Whether a window manager runs: it names itself on the root window once it has the screen.
manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Whether window $1 has the keyboard.
has_keyboard() { [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]]; }

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# Whether the clipboard holds exactly $1.
clipboard_holds() { [[ "$(clipboard)" == "$1" ]]; }

# Waits up to five seconds for the clipboard to hold exactly $1, else fails with the caller's
# fail, saying what it held and, in $2, when.
expect_clipboard() {
    wait_until 100 0.05 clipboard_holds "$1" ||
        fail "the clipboard holds '$(clipboard)', not '$1'${2:+ $2}"
}
