#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Installs the extension into a Calc of its own and checks IMPORTOINLETTERE and NUMEROINLETTERE
# cell by cell against zifrano-lettere, times 10,000 cells, and opens the saved sheet in a Calc
# without the extension (scripts/check_calc_functions.py says how).
# Usage: scripts/check-calc-functions.sh [BIN_DIR]   (default build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
tool="$(realpath "${1:-build/bin}")/zifrano-lettere"

scripts/install-deps.sh libreoffice-calc-nogui python3-uno
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scripts/build-oxt.sh "$work" >/dev/null

# unopkg installs nothing for root but into LibreOffice itself (--shared): as root, the
# profiles and Calc belong to an unprivileged user.
as_user=(env HOME="$work")
if ((EUID == 0)); then
    chown -R nobody:nogroup "$work"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${as_user[@]}")
fi
"${as_user[@]}" unopkg add -env:UserInstallation="file://$work/profile" "$work/zifrano.oxt"
"${as_user[@]}" /usr/bin/python3 scripts/check_calc_functions.py "$tool" "$work/profile" "$work" \
    "$work/bare-profile"
