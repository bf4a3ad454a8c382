#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
preset=dev
if [[ "${CI:-}" == true ]]; then
    preset=ci
fi
ctest --preset "$preset"
