#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything into build/.
# Under CI (CI=true) compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
preset=dev
if [[ "${CI:-}" == true ]]; then
    preset=ci
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
