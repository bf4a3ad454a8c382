#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Sets up, builds and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    echo "run: built, but there is no display to open the window on (DISPLAY is not set)" >&2
    exit 1
fi
exec build/bin/zifrano "$@"
