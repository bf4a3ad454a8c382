#!/usr/bin/env bash
# Sets up, builds and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
if [[ -x build/bin/zifrano ]]; then
    exec build/bin/zifrano "$@"
fi
echo "run: everything is built; the window is not part of this version yet." >&2
echo "run: the command-line tool is build/bin/zifrano-lettere (try: build/bin/zifrano-lettere 123.45)" >&2
