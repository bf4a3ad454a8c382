#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Builds the LibreOffice extension OUTPUT_DIR/zifrano.oxt (default build-oxt/): the Calc
# functions IMPORTOINLETTERE and NUMEROINLETTERE, with the Python module and the library built
# in build/ (Linux x86_64), so that it needs nothing installed but LibreOffice and its Python.
# calc/CMakeLists.txt says what goes into it.
#   scripts/build-oxt.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build-oxt}")

# unoidl-write comes with the SDK.
scripts/install-deps.sh libreoffice-dev python3
if [[ ! -e build/CMakeCache.txt ]]; then
    scripts/build.sh
fi
cmake -S . -B build -DZIFRANO_BUILD_CALC=ON >/dev/null
cmake --build build --target zifrano_oxt | { grep -v "^\[" || true; }
mkdir -p "$out"
cp build/calc/zifrano.oxt "$out/"
echo "build-oxt: $out/zifrano.oxt"
