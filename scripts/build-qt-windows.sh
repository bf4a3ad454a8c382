#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Builds the Qt that the Windows build of ZIFRANO links, once, and prints its folder:
#   scripts/build-qt-windows.sh
# It is Debian's own qt6-base source at the version of this machine's Qt, whose moc, rcc and uic
# the cross-build runs, built for Windows x86_64 by Debian's mingw-w64 (POSIX threads): Core,
# Gui, Widgets and Test, the windows platform plugin, the native style, the GIF and ICO image
# plugins, as shared DLLs; no network, SQL, D-Bus, OpenGL or printing. That takes about 20
# minutes on two cores. The result (73 MB) is kept in ZIFRANO_CI_CACHE (default
# /var/cache/zifrano-ci) and printed at once by later runs. A deb-src entry for the archive apt
# already reads is added when apt has none (as root).
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
say() { printf 'build-qt-windows: %s\n' "$*" >&2; }
fail() { say "FAIL: $*"; exit 1; }

scripts/install-deps.sh --windows >&2
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${version%%+*}
upstream=${upstream%%-*}
cache=${ZIFRANO_CI_CACHE:-/var/cache/zifrano-ci}
prefix=$cache/qt6-win64-$version
if [[ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]]; then
    echo "$prefix"
    exit 0
fi

# apt-get source needs the archive's source index. The deb-src entries are the deb ones with
# their options, a signing key included: apt refuses one source with two keys.
if [[ -z "$(apt-get indextargets 'Identifier: Sources')" ]]; then
    ((EUID == 0)) || fail "apt has no deb-src entry, and adding one needs root"
    sources=/etc/apt/sources.list.d/zifrano-deb-src
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f "$list" ]] && sed -n 's/^deb\([[:space:]]\)/deb-src\1/p' "$list"
    done >"$sources.list"
    deb822=(/etc/apt/sources.list.d/*.sources)
    for list in "${deb822[@]}"; do
        [[ -f "$list" ]] && sed 's/^Types:.*/Types: deb-src/' "$list"
    done >"$sources.sources.new"
    mv "$sources.sources.new" "$sources.sources"
    if ! apt-get update -q >&2; then
        rm -f "$sources.list" "$sources.sources" # never leave apt unable to read its sources
        fail "apt could not read the deb-src entries it was given"
    fi
    say "added deb-src entries beside the deb ones"
fi

work=$cache/qt6-win64-build
rm -rf "$work"
mkdir -p "$work"
cd "$work"
say "downloading qt6-base $version's source"
apt-get source --download-only -q "qt6-base=$version" >&2
tar -xf qt6-base_*.orig.tar.xz
source=$(find . -maxdepth 1 -type d -name "qtbase-everywhere-src-$upstream" -print -quit)
[[ -n "$source" ]] || fail "the source has no qtbase-everywhere-src-$upstream folder"

mkdir build
cd build
started=$SECONDS
# -no-feature-tabletevent: Debian's source leaves out the tablet headers it needs. Direct2D stays
# on: without it the windows platform plugin does not link.
say "configuring"
"../$source/configure" -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
    -release -shared -optimize-size -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-vulkan -no-freetype \
    -qt-zlib -qt-libpng -no-libjpeg -qt-pcre -qt-harfbuzz -qt-doubleconversion \
    -no-feature-network -no-feature-sql -no-feature-printsupport \
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    { tail -n 30 configure.log >&2; fail "configure failed; see $PWD/configure.log"; }
say "building (about 20 minutes on two cores)"
cmake --build . --parallel "$(nproc)" >build.log 2>&1 ||
    { tail -n 30 build.log >&2; fail "the build failed; see $PWD/build.log"; }
# Installed aside first, so that a prefix is only ever found whole.
DESTDIR=$work/stage cmake --install . >install.log 2>&1 ||
    fail "installing failed; see $PWD/install.log"
mv "$work/stage$prefix" "$prefix"
cd /
rm -rf "$work"
say "built in $(((SECONDS - started) / 60)) min: $prefix ($(du -sm "$prefix" | cut -f1) MB)"
echo "$prefix"
