#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Starts the window as a native Wayland client of a headless Weston and checks that it comes
# up: it gives its title and application id to the compositor, a screenshot taken through
# Weston's screenshooter shows it, and it is still running. The window's part of the
# screenshot is saved as OUTPUT_DIR/zifrano-window-wayland.png.
#   scripts/wayland-smoke.sh BUILD_DIR OUTPUT_DIR      (e.g. build docs)
set -euo pipefail
bin=$(realpath "$1")/bin
mkdir -p "$2"
out=$(realpath "$2")
tools=$(realpath "$(dirname "$0")")
# shellcheck source=scripts/lib.sh
. "$tools/lib.sh"
load_facts "$1"
title=$ZIFRANO_WINDOW_TITLE
app_id=$ZIFRANO_APP_ID

fail() { echo "wayland-smoke: FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
weston=""
app=""
cleanup() {
    if [[ -n "$app" ]]; then kill "$app" 2>/dev/null || true; fi
    if [[ -n "$weston" ]]; then kill "$weston" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
# What the program said, less the protocol log.
app_messages() { grep -v '^\[' "$work/app.log" >&2 || true; }
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/shots"
# A plain background and no animations, so that a screenshot shows the window whole and the
# window is all that differs from the background.
cat >"$work/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
background-color=0xff336699
panel-position=none
animation=none
startup-animation=none
EOF

# --debug lets the screenshooter client take screenshots.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
    --socket=zifrano-wayland --config="$work/weston.ini" --debug --log="$work/weston.log" \
    >/dev/null 2>&1 &
weston=$!
for _ in $(seq 100); do [[ -S "$XDG_RUNTIME_DIR/zifrano-wayland" ]] && break; sleep 0.05; done
[[ -S "$XDG_RUNTIME_DIR/zifrano-wayland" ]] || { cat "$work/weston.log" >&2; fail "Weston did not start"; }
export WAYLAND_DISPLAY=zifrano-wayland

# WAYLAND_DEBUG logs the client's side of the protocol: what it tells the compositor.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$bin/zifrano" >/dev/null 2>"$work/app.log" &
app=$!

# Take screenshots, for up to 15 seconds, until one shows the window (at least its client
# area).
shown=""
deadline=$((SECONDS + 15))
while ((SECONDS < deadline)); do
    sleep 0.25
    kill -0 "$app" 2>/dev/null || { app_messages; fail "the program ended"; }
    rm -f "$work"/shots/*.png
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1) || continue
    shot=$(ls "$work"/shots/*.png 2>/dev/null | head -1)
    [[ -n "$shot" ]] || continue
    # The window is what differs from the background, the colour of the screenshot's corners.
    read -r width height left top < <(convert "$shot" -trim -format '%w %h %X %Y\n' info: 2>/dev/null) ||
        continue
    if ((width >= ZIFRANO_CLIENT_WIDTH && height >= ZIFRANO_CLIENT_HEIGHT)); then
        convert "$shot" -trim +repage "$out/zifrano-window-wayland.png"
        shown="$width x $height at ${left#+},${top#+}"
        break
    fi
done
[[ -n "$shown" ]] || { app_messages; fail "no screenshot showed the window"; }

grep -qF "set_title(\"$title\")" "$work/app.log" || fail "the window did not give its title '$title'"
grep -qF "set_app_id(\"$app_id\")" "$work/app.log" || fail "the window did not give its app id $app_id"
kill -0 "$app" 2>/dev/null || fail "the program ended"
echo "wayland-smoke: window '$title' ($app_id) up on Weston, $shown;" \
    "screenshot $out/zifrano-window-wayland.png"
