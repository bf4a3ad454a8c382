#!/usr/bin/env bash
# Builds the Debian package and checks it as a Debian maintainer would: lintian with every tag
# shown fails on any error or warning; the binaries carry the hardening; every place that
# states the version states the build's. Then installs it on this machine, checks what it put
# there, and removes it again. Runs as root (or through sudo), after scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi
fail() { echo "check-package: FAIL: $*" >&2; exit 1; }

version=$(cat build/version.txt)
rm -rf build/package
(cd build && cpack >/dev/null)
deb=$(ls build/package/zifrano_"$version"_*.deb)
echo "check-package: built $deb ($(stat -c %s "$deb") bytes)"

# lintian as a maintainer runs it: experimental and pedantic tags and information too; any
# error or warning fails, and so does lintian failing to run at all. (It warns on stderr that it
# runs as root, which says nothing about the package.)
lintian_status=0
report=$(lintian --fail-on error,warning -EvIL +pedantic "$deb" 2>&1) || lintian_status=$?
report=$(grep -v '^running with root privileges' <<<"$report" || true)
[[ -n "$report" ]] && echo "$report"
((lintian_status == 0)) || fail "lintian reports errors or warnings, or did not run (status $lintian_status)"
echo "check-package: lintian: no error, no warning, $(grep -c '^[IPX]: ' <<<"$report" || true) other tags"

# The hardening, read from the packaged binaries themselves.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for program in zifrano zifrano-lettere; do
    # Read whole, so that grep -q stopping early never breaks the pipe.
    elf=$(readelf -d -lW -h --dyn-syms "$unpacked/usr/bin/$program")
    grep -q 'BIND_NOW' <<<"$elf" || fail "$program: not linked with -z now"
    grep -q 'GNU_RELRO' <<<"$elf" || fail "$program: not linked with -z relro"
    grep -q 'DYN (Position-Independent' <<<"$elf" || fail "$program: not a PIE"
    grep -q '__stack_chk_fail' <<<"$elf" || fail "$program: built without the stack protector"
done
echo "check-package: both programs: PIE, full RELRO, bind now, stack protector"

# One version everywhere.
control_version=$(dpkg-deb -f "$deb" Version)
[[ "$control_version" == "$version" ]] || fail "the package's version is $control_version, not $version"
[[ "$(zcat "$unpacked/usr/share/doc/zifrano/changelog.gz")" == "zifrano ($version) "* ]] ||
    fail "the changelog's last entry is not for $version"
grep -qF "<release version=\"$version\"" "$unpacked"/usr/share/metainfo/*.metainfo.xml ||
    fail "the metainfo's release is not $version"
for page in zifrano zifrano-lettere; do
    [[ "$(zcat "$unpacked/usr/share/man/man1/$page.1.gz")" == ".TH "*"\"$page $version\""* ]] ||
        fail "the manual page $page.1 is not for $version"
done

if dpkg-query -W -f='${Status}' zifrano 2>/dev/null | grep -q 'install ok installed'; then
    fail "a zifrano package is installed already; remove it first"
fi
removal() { "${as_root[@]}" dpkg --purge zifrano >/dev/null; rm -rf "$unpacked"; }
trap removal EXIT
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
    "./$deb" >/dev/null

[[ "$(/usr/bin/zifrano-lettere --version)" == "zifrano-lettere $version" ]] ||
    fail "zifrano-lettere --version says '$(/usr/bin/zifrano-lettere --version)', not $version"
wording=$(/usr/bin/zifrano-lettere 123)
[[ "$wording" == "centoventitre / 00" ]] || fail "/usr/bin/zifrano-lettere 123 printed '$wording'"
[[ -x /usr/bin/zifrano ]] || fail "no /usr/bin/zifrano"
app_id=example.zifrano.Zifrano
icons=/usr/share/icons/hicolor
for size in 32 64 128; do
    [[ -f "$icons/${size}x$size/apps/$app_id.png" ]] || fail "no $size x $size icon"
done
[[ -f "$icons/scalable/apps/$app_id.svg" ]] || fail "no scalable icon"
# The scalable icon, drawn at 32 pixels, is the 32-pixel art.
rsvg-convert -w 32 -h 32 "$icons/scalable/apps/$app_id.svg" -o "$unpacked/svg-32.png"
python3 scripts/png_tool.py same "$unpacked/svg-32.png" "$icons/32x32/apps/$app_id.png" ||
    fail "the scalable icon does not match the 32-pixel icon"
for page in zifrano zifrano-lettere; do
    [[ -f /usr/share/man/man1/$page.1.gz ]] || fail "no manual page for $page"
    # man's own check of the page's markup: any warning fails.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "$page.1: $warnings"
done
grep -q "^Icon=$app_id\$" /usr/share/applications/$app_id.desktop || fail "the desktop entry names another icon"
desktop-file-validate /usr/share/applications/$app_id.desktop ||
    fail "the .desktop entry does not validate"
appstreamcli validate --no-net --explain /usr/share/metainfo/$app_id.metainfo.xml ||
    fail "the metainfo does not validate"
echo "check-package: installed, ran, validated; removing it again"
