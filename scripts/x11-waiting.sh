# shellcheck shell=bash
# What a program shows on an X display, waited on: for the scripts that drive the real window
# (ui/tests/window_e2e.sh, scripts/check-windows.sh). Sourced, not run:
#   . scripts/x11-waiting.sh

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

# Whether window $1 has the keyboard.
has_keyboard() { [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]]; }

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# Whether the clipboard holds exactly $1.
clipboard_holds() { [[ "$(clipboard)" == "$1" ]]; }
