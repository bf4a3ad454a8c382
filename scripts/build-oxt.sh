#!/usr/bin/env bash
# Builds the LibreOffice extension OUTPUT_DIR/zifrano.oxt (default build-oxt/): the Calc
# functions IMPORTOINLETTERE and NUMEROINLETTERE, with the Python module and the library built
# in build/ (Linux x86_64), so that it needs nothing installed but LibreOffice and its Python.
#   scripts/build-oxt.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
. scripts/lib.sh
out=$(realpath -m "${1:-build-oxt}")

# unoidl-write comes with the SDK.
scripts/install-deps.sh libreoffice-dev python3
if [[ ! -e build/logic/libzifrano.so.1 ]]; then
    scripts/build.sh
fi
cmake --build build --target zifrano_library >/dev/null

load_facts build
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -r calc/META-INF calc/description calc/CalcAddIns.xcu calc/zifrano_calc.py "$stage/"
sed -e "s/@VERSION@/$ZIFRANO_VERSION_TEXT/" -e "s/@PLATFORM@/linux_x86_64/" calc/description.xml \
    >"$stage/description.xml"
program=/usr/lib/libreoffice/program
/usr/lib/libreoffice/sdk/bin/unoidl-write "$program/types.rdb" "$program/types/offapi.rdb" \
    calc/idl/XCalcFunctions.idl "$stage/zifrano.rdb"
mkdir -p "$stage/pythonpath/zifrano" "$stage/lib"
cp python/zifrano/*.py python/zifrano/py.typed "$stage/pythonpath/zifrano/"
cp -L build/logic/libzifrano.so.1 "$stage/lib/"
strip --strip-unneeded "$stage/lib/libzifrano.so.1"

mkdir -p "$out"
rm -f "$out/zifrano.oxt"
(cd "$stage" && /usr/bin/python3 -m zipfile -c "$out/zifrano.oxt" \
    META-INF description description.xml CalcAddIns.xcu zifrano_calc.py zifrano.rdb \
    pythonpath lib)
echo "build-oxt: $out/zifrano.oxt"
