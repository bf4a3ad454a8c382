#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Builds the Debian packages and checks them with Debian's own tools, as CI does (as root):
#   build         the source package and its six binaries, by dpkg-buildpackage (build-deb.sh)
#   lintian       on the .changes, with experimental, pedantic and information tags: any fails
#   reproducible  a second build elsewhere, later, under another umask, time zone and locale
#                 and without its tests, must give the same files byte for byte
#   autopkgtest   debian/tests against the installed packages in a fresh minimal bookworm
#                 (autopkgtest-virt-unshare)
#   piuparts      each package installed (upgraded from the last passing build when one is
#                 kept) and purged on a minimal bookworm, with what it brought in; the library's
#                 development package, the Python module and the Calc functions together with
#                 the library, which they need at its version
# The minimal system is made by mmdebstrap from the archives this machine's apt uses, kept in
# ZIFRANO_CI_CACHE (default /var/cache/zifrano-ci) and made again when a week old; the
# packages of the last passing run are kept there too. Logs go to build-deb/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
say() { printf 'check-package: %s\n' "$*"; }
fail() { say "FAIL: $*" >&2; exit 1; }
((EUID == 0)) || fail "needs root, for mmdebstrap, autopkgtest-virt-unshare and piuparts"
times=()
timed() { times+=("$1 $((SECONDS - started)) s"); say "$1: $2 ($((SECONDS - started)) s)"; }

started=$SECONDS
scripts/install-deps.sh mmdebstrap autopkgtest piuparts uidmap
timed tools "mmdebstrap, autopkgtest, piuparts and uidmap installed"

suite=bookworm
cache=${ZIFRANO_CI_CACHE:-/var/cache/zifrano-ci}
tarball=$cache/$suite-apt.tar.gz
previous=$cache/previous
out=$PWD/build-deb
logs=$out/logs

started=$SECONDS
build_log=$(mktemp)
scripts/build-deb.sh "$out" >"$build_log" 2>&1 ||
    { tail -n 40 "$build_log"; fail "dpkg-buildpackage failed"; }
mkdir -p "$logs"
mv "$build_log" "$logs/build.log"
version=$(dpkg-parsechangelog -S Version)
upstream=${version%-*}
arch=$(dpkg --print-architecture)
changes=$out/zifrano_${version}_$arch.changes
packages=(zifrano zifrano-lettere libzifrano1 libzifrano-dev python3-zifrano libreoffice-zifrano)
deb_of() { echo "$out/${1}_${version}_$(dpkg-deb -f "$out/${1}_${version}"_*.deb Architecture).deb"; }
debs=()
for package in "${packages[@]}"; do debs+=("$(deb_of "$package")"); done
timed build "$(cd "$out" && echo *.dsc *.deb)"

started=$SECONDS
status=0
lintian --fail-on error,warning,info,pedantic,experimental --pedantic -EvIL +pedantic "$changes" \
    >"$logs/lintian.log" 2>&1 || status=$?
grep -E '^[EWIPX]: ' "$logs/lintian.log" || true
((status == 0)) || fail "lintian reports the tags above, or did not run (status $status)"
overrides=$(cat debian/*lintian-overrides debian/source/lintian-overrides | grep -vc '^#')
timed lintian "no tag on the source and binary packages; $overrides overridden, with reasons"

started=$SECONDS
elsewhere=$(mktemp -d /tmp/zifrano-again.XXXXXX)
(umask 0002; export TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 DEB_BUILD_OPTIONS=nocheck
    scripts/build-deb.sh "$elsewhere/another/folder" --build-profiles=nocheck) \
    >"$logs/build-again.log" 2>&1 ||
    { tail -n 40 "$logs/build-again.log"; fail "the second build failed"; }
differ=()
for file in "$out"/*.deb "$out"/*.dsc "$out"/*.tar.xz; do
    cmp -s "$file" "$elsewhere/another/folder/${file##*/}" || differ+=("${file##*/}")
done
rm -rf "$elsewhere"
((${#differ[@]} == 0)) ||
    fail "not reproducible: ${differ[*]} differ between the two builds (diffoscope shows how)"
timed reproducible "a second build gave the same $(cd "$out" && ls *.deb *.dsc *.tar.xz | wc -l) files"

# The archives this machine's apt reads for the suite, its updates and its security updates.
mapfile -t archives < <(apt-get indextargets --no-release-info \
    --format '$(REPO_URI) $(RELEASE)' 'Identifier: Packages' | sort -u |
    awk -v s=$suite '$2 == s || $2 == s "-updates" || $2 == s "-security"')
mirror=$(printf '%s\n' "${archives[@]}" | awk -v s=$suite '$2 == s {print $1; exit}')
[[ -n "$mirror" ]] || fail "this machine's apt reads no archive for $suite"
sources=()
for archive in "${archives[@]}"; do sources+=("deb $archive main"); done

started=$SECONDS
mkdir -p "$cache"
if [[ -z "$(find "$tarball" -mtime -7 2>/dev/null)" ]]; then
    mmdebstrap --variant=apt --quiet "$suite" "$cache/new-$suite-apt.tar.gz" "${sources[@]}" \
        2>"$logs/mmdebstrap.log" || fail "mmdebstrap failed; see $logs/mmdebstrap.log"
    mv "$cache/new-$suite-apt.tar.gz" "$tarball"
    timed testbed "made $tarball ($(du -m "$tarball" | cut -f1) MiB)"
else
    say "testbed: $tarball, made $(date -r "$tarball" '+%F %R')"
fi

# autopkgtest-virt-unshare maps the testbed's users onto root's subordinate ids.
for file in /etc/subuid /etc/subgid; do
    grep -q '^root:' "$file" 2>/dev/null || echo 'root:100000:65536' >>"$file"
done
started=$SECONDS
status=0
autopkgtest -U --output-dir "$logs/autopkgtest" "$out/zifrano-$upstream/" "${debs[@]}" \
    -- unshare --tarball "$tarball" >"$logs/autopkgtest.log" 2>&1 || status=$?
cat "$logs/autopkgtest/summary" 2>/dev/null || tail -n 30 "$logs/autopkgtest.log"
((status == 0)) || fail "autopkgtest (status $status); see $logs/autopkgtest.log"
timed autopkgtest "every test passed in a fresh $suite"

started=$SECONDS
options=(--basetgz="$tarball" -d "$suite" --mirror="$mirror main"
    --scriptsdir="$PWD/scripts/piuparts")
for source in "${sources[@]}"; do
    [[ "$source" == "deb $mirror $suite main" ]] || options+=(--extra-repo="$source")
done
if [[ -f "$previous/Packages" ]]; then
    options+=(--bindmount="$previous" --extra-repo="deb [trusted=yes] file://$previous ./")
fi
# Each group is installed and purged together.
for group in zifrano zifrano-lettere "libzifrano1 libzifrano-dev" "libzifrano1 python3-zifrano" \
    "libzifrano1 python3-zifrano libreoffice-zifrano"; do
    read -ra names <<<"$group"
    files=()
    for name in "${names[@]}"; do files+=("$(deb_of "$name")"); done
    log=$logs/piuparts-${group// /+}.log
    ignored=()
    # Purging LibreOffice itself leaves these two folders of libreoffice-common's, emptied only
    # after dpkg has given up removing them; this project's files are elsewhere.
    [[ "$group" != *libreoffice-zifrano* ]] ||
        ignored=(--ignore=/etc/libreoffice/ --ignore=/etc/libreoffice/registry/)
    piuparts "${options[@]}" "${ignored[@]}" -l "$log" "${files[@]}" >/dev/null 2>&1 ||
        { tail -n 30 "$log"; fail "piuparts $group"; }
    grep -a -m1 'footprint:' "$log" | sed 's/^ *footprint: /check-package: /'
    if grep -q 'PASS: Installation, upgrade and purging tests' "$log"; then
        say "$group: also upgraded from $(awk -v p="${names[0]}" '$0 == "Package: " p {f = 1}
            f && /^Version:/ {print $2; exit}' "$previous/Packages"), the last passing build"
    else
        say "$group: no earlier build kept, so no upgrade test"
    fi
done
rm -rf "$previous.new"
mkdir -p "$previous.new"
cp "${debs[@]}" "$previous.new/"
(cd "$previous.new" && dpkg-scanpackages --multiversion . >Packages 2>/dev/null)
rm -rf "$previous"
mv "$previous.new" "$previous"
timed piuparts "all ${#packages[@]} packages installed, purged, nothing left behind"

say "times: $(IFS=,; echo "${times[*]}" | sed 's/,/, /g')"
