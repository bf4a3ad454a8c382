#!/usr/bin/env bash
# Installs the Debian package on a minimal Debian system that has nothing else, in a chroot,
# and proves there that it works and that it leaves nothing behind:
#   1. apt-get install --no-install-recommends ./zifrano_<version>_<arch>.deb
#   2. zifrano-lettere 123 prints "centoventitre / 00"
#   3. the window opens on a virtual X display (Xvfb runs outside the chroot, so that none of
#      its packages can stand in for one the package forgot), with its fonts and Qt's Italian
#      texts loaded
#   4. apt-get purge leaves none of the package's files and no trace in dpkg's database
#
#   scripts/clean-system-test.sh [PACKAGE.deb]      (as root, after scripts/build.sh)
#
# The minimal system is made once with debootstrap --variant=minbase and kept as a pristine
# tarball in ZIFRANO_CLEAN_SYSTEM_CACHE (default /var/cache/zifrano-clean-system), together
# with the downloaded packages and package lists; every run unpacks a fresh copy. The mirror
# is the one this machine's apt already uses.
set -euo pipefail
cd "$(dirname "$0")/.."

suite=bookworm
cache=${ZIFRANO_CLEAN_SYSTEM_CACHE:-/var/cache/zifrano-clean-system}
title='ZIFRANO - Numeri in lettere per Assegni/Fatture'

fail() { echo "clean-system: FAIL: $*" >&2; exit 1; }
say() { printf 'clean-system: [%3ds] %s\n' "$SECONDS" "$*"; }
((EUID == 0)) || fail "needs root, for debootstrap, mount and chroot"

version=$(cat build/version.txt 2>/dev/null) || fail "no build/version.txt: run scripts/build.sh first"
deb=${1:-$(ls build/package/zifrano_"$version"_*.deb 2>/dev/null | head -1)}
[[ -f "$deb" ]] || fail "no package: run scripts/check-package.sh (or cd build && cpack) first"

# The Debian archives this machine's apt reads, one "URI suite" line each, for the suite and
# its updates and security suites, from both the one-line and the deb822 formats.
host_archives() {
    python3 - "$suite" /etc/apt/sources.list /etc/apt/sources.list.d/* <<'EOF'
import sys
suite, files = sys.argv[1], sys.argv[2:]
wanted = {suite, suite + "-updates", suite + "-security"}
seen = []
def add(uri, s):
    if s in wanted and (uri, s) not in seen:
        seen.append((uri, s))
for name in files:
    try:
        text = open(name).read()
    except OSError:
        continue
    if name.endswith(".list"):
        for line in text.splitlines():
            words = line.split("#")[0].split()
            if len(words) >= 3 and words[0] == "deb":
                if words[1].startswith("["):
                    while not words[1].endswith("]"):
                        words.pop(1)
                    words.pop(1)
                add(words[1], words[2])
    elif name.endswith(".sources"):
        for block in text.split("\n\n"):
            fields = {}
            for line in block.splitlines():
                if ":" in line and not line.startswith((" ", "#")):
                    key, value = line.split(":", 1)
                    fields[key.strip().lower()] = value.split()
            if "deb" in fields.get("types", []) and fields.get("enabled", ["yes"]) != ["no"]:
                for uri in fields.get("uris", []):
                    for s in fields.get("suites", []):
                        add(uri, s)
for uri, s in seen:
    print(uri, s)
EOF
}

mapfile -t archives < <(host_archives)
mirror=$(printf '%s\n' "${archives[@]}" | awk -v s="$suite" '$2 == s {print $1; exit}')
[[ -n "$mirror" ]] || fail "this machine's apt sources name no archive for $suite"

# Settings of this machine's apt that decide whether its mirror is reachable and trusted as
# it is (a proxy, an archive whose Release files are not refreshed).
host_apt_settings() {
    apt-config dump | grep -E '^Acquire::(Check-Valid-Until|Check-Date|https?::Proxy|Languages|GzipIndexes) ' || true
}

mkdir -p "$cache/archives/partial" "$cache/lists/partial"
tarball="$cache/$suite-minbase.tar"

# The root being set up or tested, and what is mounted in it. The root is a file system in
# memory of its own: unmounting it, last of all on exit, is all it takes to throw it away.
root=""
mounts=()
xvfb=""
app=""
unmount_all() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" 2>/dev/null || true
    done
    mounts=()
}
new_root() { # NAME
    root=$(mktemp -d "$cache/$1.XXXXXX")
    mount -t tmpfs -o mode=755,size=4g tmpfs "$root"
    mounts+=("$root")
}
remove_root() {
    unmount_all
    # Only an empty mount point is left; rmdir refuses anything else.
    if [[ -n "$root" ]]; then rmdir "$root" 2>/dev/null || echo "clean-system: $root left in place" >&2; fi
    root=""
}
cleanup() {
    if [[ -n "$app" ]]; then kill "$app" 2>/dev/null || true; fi
    if [[ -n "$xvfb" ]]; then kill "$xvfb" 2>/dev/null || true; fi
    remove_root
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mount_in_root() { # TYPE-OR-BIND SOURCE TARGET
    mkdir -p "$root$3"
    if [[ "$1" == bind ]]; then
        mount --bind "$2" "$root$3"
    else
        mount -t "$1" "$2" "$root$3"
    fi
    mounts+=("$root$3")
}

write_apt_sources() {
    local uri s
    for line in "${archives[@]}"; do
        read -r uri s <<<"$line"
        echo "deb $uri $s main"
    done >"$root/etc/apt/sources.list"
    host_apt_settings >"$root/etc/apt/apt.conf.d/01host-acquire"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
}

# apt in the root keeps its downloads and lists in the cache, so a warm run fetches little.
mount_apt_cache() {
    mount_in_root bind "$cache/archives" /var/cache/apt/archives
    mount_in_root bind "$cache/lists" /var/lib/apt/lists
}

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }

if [[ ! -f "$tarball" ]]; then
    say "making a minimal $suite system with debootstrap (once; kept in $cache)"
    new_root make
    debootstrap --variant=minbase --cache-dir="$cache/archives" "$suite" "$root" "$mirror" \
        >"$cache/debootstrap.log" 2>&1 || fail "debootstrap failed; see $cache/debootstrap.log"
    in_root apt-get clean
    tar -C "$root" --numeric-owner -cf "$tarball.new" . && mv "$tarball.new" "$tarball"
    remove_root
    say "made $tarball ($(du -m "$tarball" | cut -f1) MiB)"
fi

new_root run
tar -C "$root" --numeric-owner -xpf "$tarball"
write_apt_sources
mount_in_root proc proc /proc
mount_in_root sysfs sysfs /sys
mount_in_root tmpfs tmpfs /dev/shm
mount_in_root tmpfs tmpfs /tmp
mount_apt_cache
before=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
say "fresh minimal system unpacked: $before packages"

in_root apt-get update -q >"$root/tmp/update.log" 2>&1 || { cat "$root/tmp/update.log" >&2; fail "apt-get update"; }
cp "$deb" "$root/tmp/"
package_file=$(basename "$deb")
in_root sh -c "cd /tmp && apt-get install -y -q --no-install-recommends ./$package_file" \
    >"$root/tmp/install.log" 2>&1 || { tail -n 30 "$root/tmp/install.log" >&2; fail "apt-get install"; }
after=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
say "installed $package_file with $((after - before - 1)) packages it depends on"

wording=$(in_root zifrano-lettere 123) || fail "zifrano-lettere 123 failed"
[[ "$wording" == "centoventitre / 00" ]] || fail "zifrano-lettere 123 printed '$wording'"
say "zifrano-lettere 123: $wording"

# The window, on a display served from outside the root. X clients reach it through the
# abstract socket, which a chroot shares.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$display_file" ]] && break; sleep 0.05; done
[[ -s "$display_file" ]] || fail "Xvfb did not start"
display=":$(cat "$display_file")"
rm -f "$display_file"
mkdir -m 700 "$root/tmp/runtime"
chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY="$display" \
    XDG_RUNTIME_DIR=/tmp/runtime zifrano >"$root/tmp/window.log" 2>&1 &
app=$!
window=""
for _ in $(seq 200); do
    window=$(DISPLAY="$display" xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) || true
    [[ -n "$window" ]] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.05
done
[[ -n "$window" ]] || { cat "$root/tmp/window.log" >&2; fail "no window titled '$title'"; }
sleep 0.5 # let the first paint land, so that its fonts are loaded
kill -0 "$app" 2>/dev/null || { cat "$root/tmp/window.log" >&2; fail "the window closed by itself"; }
# What the window has open shows what it found: the font it draws with and Qt's Italian texts.
maps=$(cat "/proc/$app/maps")
grep -q 'DejaVuSansCondensed\.ttf' <<<"$maps" || fail "the window did not load DejaVu Sans Condensed"
grep -q 'qtbase_it\.qm' <<<"$maps" || fail "the window did not load Qt's Italian texts"
kill "$app"
wait "$app" 2>/dev/null || true
app=""
say "the window opened on X11 as '$title', with its font and Qt's Italian texts"

mapfile -t files < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n 's|^\./|/|; /[^/]$/p')
in_root apt-get purge -y -q zifrano >"$root/tmp/purge.log" 2>&1 || { cat "$root/tmp/purge.log" >&2; fail "apt-get purge"; }
left=()
for file in "${files[@]}" /usr/share/doc/zifrano; do
    [[ -e "$root$file" || -L "$root$file" ]] && left+=("$file")
done
((${#left[@]} == 0)) || fail "left after purge: ${left[*]}"
status=$(in_root dpkg-query -W -f='${db:Status-Abbrev}' zifrano 2>/dev/null || true)
[[ -z "$status" || "$status" == "un " ]] || fail "dpkg still knows the package after purge: '$status'"
compgen -G "$root/var/lib/dpkg/info/zifrano.*" >/dev/null && fail "dpkg's records of the package are left"
say "purged: none of its ${#files[@]} files is left, nor any record in dpkg"

kill "$xvfb" 2>/dev/null || true
xvfb=""
remove_root
say "passed"
