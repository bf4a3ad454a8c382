#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Installs what is missing, then configures and builds everything into build/.
# Under CI (CI=true) compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh

scripts/install-deps.sh
preset=$(build_preset)
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
