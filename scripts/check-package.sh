#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, checks what it put there, and
# removes it again. Runs as root (or through sudo), after scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi
fail() { echo "check-package: FAIL: $*" >&2; exit 1; }

rm -rf build/package
(cd build && cpack >/dev/null)
deb=$(ls build/package/zifrano_1.00_*.deb)
echo "check-package: built $deb"

if dpkg-query -W -f='${Status}' zifrano 2>/dev/null | grep -q 'install ok installed'; then
    fail "a zifrano package is installed already; remove it first"
fi
removal() { "${as_root[@]}" dpkg --purge zifrano >/dev/null; }
trap removal EXIT
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
    "./$deb" >/dev/null

wording=$(/usr/bin/zifrano-lettere 123)
[[ "$wording" == "centoventitre / 00" ]] || fail "/usr/bin/zifrano-lettere 123 printed '$wording'"
[[ -x /usr/bin/zifrano ]] || fail "no /usr/bin/zifrano"
[[ -f /usr/share/icons/hicolor/32x32/apps/zifrano.png ]] || fail "no 32 x 32 icon"
[[ -f /usr/share/man/man1/zifrano-lettere.1.gz ]] || fail "no manual page"
desktop-file-validate /usr/share/applications/example.zifrano.Zifrano.desktop ||
    fail "the .desktop entry does not validate"
appstreamcli validate --no-net --explain /usr/share/metainfo/example.zifrano.Zifrano.metainfo.xml ||
    fail "the metainfo does not validate"
echo "check-package: installed, ran, validated; removing it again"
