#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Builds the Debian source package and its binary packages (zifrano, zifrano-lettere, libzifrano1,
# libzifrano-dev, python3-zifrano and libreoffice-zifrano) from the committed tree (HEAD), with
# dpkg-buildpackage, into OUTPUT_DIR
# (default build-deb/):
#   scripts/build-deb.sh [OUTPUT_DIR [DPKG-BUILDPACKAGE OPTIONS...]]
# The upstream tarball is HEAD without debian/, made by git archive, so that the same commit
# always gives the same tarball. The tree is built in OUTPUT_DIR/zifrano-VERSION and cleaned
# afterwards, ready for autopkgtest.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build-deb}")
shift || true

scripts/install-deps.sh
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
if [[ -n "$(git status --porcelain --untracked-files=no)" ]]; then
    echo "build-deb: uncommitted changes are not in the package: it is built from HEAD" >&2
fi
rm -rf "$out"
mkdir -p "$out/zifrano-$upstream"
git archive --format=tar --prefix="zifrano-$upstream/" HEAD -- . ':(exclude)debian' |
    xz -T1 -6 >"$out/zifrano_$upstream.orig.tar.xz"
git archive --format=tar HEAD | tar -x -C "$out/zifrano-$upstream"
cd "$out/zifrano-$upstream"
dpkg-buildpackage -us -uc -Jauto --post-clean "$@"
