#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Builds the C library's examples and checks what they write: examples/wording.c compiled with
# pkg-config's flags for zifrano, examples/cmake configured with find_package(Zifrano):
#   scripts/check-examples.sh [--installed-from BUILD_DIR] [pkg-config] [cmake]
# They build against the library installed on the system (autopkgtest, with the packages), or
# with --installed-from against a copy that cmake --install puts from BUILD_DIR into a temporary
# prefix, components library and development alone (CI). Both examples unless one is named.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
. scripts/lib.sh
examples=$PWD/examples
fail() { echo "check-examples: FAIL: $*" >&2; exit 1; }

work=${AUTOPKGTEST_TMP:-}
if [[ -z "$work" ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi

copy=
if [[ "${1:-}" == --installed-from ]]; then
    prefix=$work/prefix
    for component in library development; do
        cmake --install "$2" --prefix "$prefix" --component "$component" >/dev/null
    done
    copy=$(find "$prefix" -name libzifrano.so.1)
    [[ -n "$copy" ]] || fail "cmake --install put no libzifrano.so.1 into $prefix"
    export PKG_CONFIG_PATH=${copy%/*}/pkgconfig CMAKE_PREFIX_PATH=$prefix
    export LD_LIBRARY_PATH=${copy%/*}
    load_facts "$2"
    shift 2
fi
(($# > 0)) || set -- pkg-config cmake

# built LOG COMMAND...: runs a build step quietly, showing its log when it fails.
built() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 || { cat "$log" >&2; fail "$* failed"; }
}
# check STATUS OUT ERR PROGRAM ARGUMENT...: PROGRAM ends with STATUS, writing exactly OUT and ERR;
# a copy installed from a build tree must be the library it loads.
check() {
    local status=$1 out=$2 err=$3 got=0
    shift 3
    "$@" >"$work/out" 2>"$work/err" || got=$?
    diff -u <(printf '%s' "$out") "$work/out" || fail "${*##*/}: output differs (- expected)"
    diff -u <(printf '%s' "$err") "$work/err" || fail "${*##*/}: messages differ (- expected)"
    ((got == status)) || fail "${*##*/}: status $got, expected $status"
    [[ -z "$copy" || "$(ldd "$1")" == *"=> $copy "* ]] || fail "${1##*/} does not load $copy"
}

check_pkg_config() {
    local program=$work/wording
    # shellcheck disable=SC2046 # the flags are words
    built "$work/cc.log" cc -Wall -Wextra -Werror "$examples/wording.c" \
        $(pkg-config --cflags --libs zifrano) -o "$program"
    # 16 bytes hold the first wording, not the second, which takes the larger buffer.
    check 0 $'dodici / 50\nmilleduecentotrentaquattro / 56\n' '' \
        "$program" -m 12,50 '€ 1.234,56'
    check 1 $'sette / 00\n' "wording: 12abc: non è un importo
wording: 1.234,56: più di un separatore: con --migliaia il punto separa le migliaia
" "$program" 12abc 7 1.234,56
    echo "check-examples: wording.c, built with pkg-config's flags for zifrano" \
        "$(pkg-config --modversion zifrano), words and refuses"
}

check_cmake() {
    local build=$work/cheque-build
    # The installed packages' version is the source's.
    [[ -n "$copy" ]] || load_source_facts "$work"
    built "$work/cmake.log" cmake -S "$examples/cmake" -B "$build" \
        -DCMAKE_CXX_FLAGS='-Wall -Wextra -Werror'
    built "$work/build.log" cmake --build "$build"
    check 0 $'euro: ventunomila / 00\nlire: ventunomila\n' '' "$build/cheque" 21000
    check 0 $'euro: centoventitre / 45\n' '' "$build/cheque" 123,45
    check 1 '' $'cheque: -5: importo negativo\n' "$build/cheque" -5
    check 2 '' "usage: cheque AMOUNT   (zifrano $ZIFRANO_VERSION_TEXT)"$'\n' "$build/cheque"
    echo "check-examples: examples/cmake, its package found in" \
        "$(sed -n 's/^Zifrano_DIR:PATH=//p' "$build/CMakeCache.txt"), words and refuses"
}

for example; do
    case $example in
    pkg-config) check_pkg_config ;;
    cmake) check_cmake ;;
    *) fail "no example '$example': pkg-config or cmake" ;;
    esac
done
