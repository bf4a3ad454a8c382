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

# What a program shows on an X display, waited on.

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
