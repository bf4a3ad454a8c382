#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Builds ZIFRANO for Windows x86_64 into build-windows/, cross-compiled by mingw-w64 with the
# `windows` preset:
#   build-windows/zifrano-VERSION/               what is installed: the programs, their DLLs,
#                                                plugins, translation, font and licences
#   build-windows/zifrano-VERSION-setup.exe      the installer (NSIS)
#   build-windows/zifrano-VERSION-windows.zip    the same folder, for use without installing
# The Qt for Windows is ZIFRANO_QT_WINDOWS when set: an unpacked Qt, or a .tar.xz holding one
# (unpacked into build-windows/). Without it, scripts/build-qt-windows.sh builds one from Debian's
# source once (about 20 minutes on two cores) and keeps it for later builds.
set -euo pipefail
# A relative ZIFRANO_QT_WINDOWS names a path from where the script was started.
given=${ZIFRANO_QT_WINDOWS:+$(realpath -m "$ZIFRANO_QT_WINDOWS")}
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
. scripts/lib.sh
say() { printf 'build-windows: %s\n' "$*"; }
fail() { say "FAIL: $*" >&2; exit 1; }

out=build-windows

# Prints the folder of the Qt in tarball $1, unpacked into $out/qt-given once per tarball.
unpacked_qt() {
    local unpacked=$out/qt-given sum
    sum=$(sha256sum <"$1")
    if [[ "$(cat "$unpacked/.tarball" 2>/dev/null)" != "$sum" ]]; then
        rm -rf "$unpacked"
        mkdir -p "$unpacked"
        tar -C "$unpacked" -xJf "$1"
        echo "$sum" >"$unpacked/.tarball"
    fi
    qt_prefix_in "$unpacked"
}

# Prints the folder under $1 that holds a Qt for Windows.
qt_prefix_in() {
    local toolchain
    toolchain=$(find "$1" -maxdepth 5 -path '*/lib/cmake/Qt6/qt.toolchain.cmake' -print -quit)
    [[ -n "$toolchain" ]] || fail "no Qt for Windows (lib/cmake/Qt6/qt.toolchain.cmake) in $1"
    realpath "${toolchain%/lib/cmake/Qt6/qt.toolchain.cmake}"
}

# The lines of the uninstaller that remove what the folder $1 holds: each file, then each
# folder, deepest first, and only once empty.
# shellcheck disable=SC2016 # $INSTDIR is the installer's variable
uninstall_lines() {
    local path
    while IFS= read -r path; do
        printf 'Delete "$INSTDIR\\%s"\n' "${path//\//\\}"
    done < <(cd "$1" && find . -type f -printf '%P\n' | sort)
    while IFS= read -r path; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${path//\//\\}"
    done < <(cd "$1" && find . -mindepth 1 -type d -printf '%P\n' | sort -r)
}

scripts/install-deps.sh --windows
mkdir -p "$out"
if [[ -z "$given" ]]; then
    qt=$(scripts/build-qt-windows.sh)
elif [[ -d "$given" ]]; then
    qt=$(qt_prefix_in "$given")
elif [[ -f "$given" ]]; then
    qt=$(unpacked_qt "$given")
else
    fail "ZIFRANO_QT_WINDOWS is '$given': neither a folder nor a file"
fi
ln -sfn "$qt" "$out/qt"
say "Qt for Windows: $qt"

cmake --preset windows >/dev/null
load_facts "$out/cmake"
name=zifrano-$ZIFRANO_VERSION_TEXT
cmake --build --preset windows >"$out/build.log" 2>&1 ||
    { tail -n 40 "$out/build.log"; fail "the build failed; see $out/build.log"; }

stage=$out/$name
rm -rf "$stage"
cmake --install "$out/cmake" --prefix "$stage" --strip >/dev/null
uninstall_lines "$stage" >"$out/cmake/uninstall-files.nsh"
makensis -V2 -DSTAGE="$PWD/$stage" -DFILE_LIST="$PWD/$out/cmake/uninstall-files.nsh" \
    -DOUTFILE="$PWD/$out/$name-setup.exe" "$out/cmake/packaging/windows/zifrano.nsi"
rm -f "$out/$name-windows.zip"
(cd "$out" && cmake -E tar cf "$name-windows.zip" --format=zip "$name")

say "$(find "$stage" -type f | wc -l) files, $(du -sk "$stage" | cut -f1) KiB installed"
for file in "$out/$name-setup.exe" "$out/$name-windows.zip"; do
    say "$file: $(($(stat -c %s "$file") / 1024)) KiB"
done
