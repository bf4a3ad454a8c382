#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Sets up, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh

scripts/build.sh
ctest --preset "$(build_preset)"
