#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Start time (from launch to the window being mapped) and peak memory of ZIFRANO's window,
# against a bare Qt window built the same way, over several runs on a virtual X display.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-10}

work=$(mktemp -d)
trap 'kill "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=scripts/lib.sh
. "$(dirname "$0")/../scripts/lib.sh"
start_virtual_display "$work" || { echo "Xvfb did not start" >&2; exit 1; }
export XDG_RUNTIME_DIR="$work"

# Prints "milliseconds kilobytes" for one run of PROGRAM: the time until its window is mapped,
# and its peak resident memory (VmHWM) once the window has painted.
measure() {
    local program=$1 start end pid
    start=$(date +%s%N)
    "$program" 2>/dev/null &
    pid=$!
    for _ in $(seq 5000); do
        kill -0 "$pid" 2>/dev/null || { echo "$program ended early" >&2; exit 1; }
        xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
        sleep 0.002
    done
    end=$(date +%s%N)
    sleep 0.3
    local peak
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $peak"
}

report() {
    local name=$1 program=$2
    for _ in $(seq "$runs"); do measure "$program"; done | tee -a "$work/all" | sort -n |
        awk -v name="$name" '{ t[NR] = $1; m += $2 } END {
            printf "%-10s start median %d ms (min %d, max %d), peak memory mean %.1f MiB\n",
                   name, t[int((NR + 1) / 2)], t[1], t[NR], m / NR / 1024 }'
}

report zifrano "$build/bin/zifrano"
report bare "$build/bin/zifrano_bare_window"
[[ -n "${VERBOSE:-}" ]] && cat "$work/all"
