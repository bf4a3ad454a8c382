#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Checks the Windows build that scripts/build-windows.sh left in build-windows/, under Wine, as
# CI does:
#   files      zifrano.exe a window program and zifrano-lettere.exe a console one, both with
#              the Italian version record; their icon and the installer's in every size Windows
#              shows, in 32-bit colour; the tool's manual as text; the zip holds exactly the
#              installed folder
#   tests      the engine's and the tool's tests, each run by Wine (ctest --preset windows)
#   install    the installer, silently and for the user alone, into a fresh Wine prefix: the
#              files, the Start-menu entry and the entry among installed programs, its
#              publisher; the installer's licence page and the uninstaller's Italian texts
#   tool       zifrano-lettere.exe: amounts, CRLF line ends, a table's own line ends kept, a
#              Ctrl+Z byte read as any other, a UTF-8 command line, the exit statuses, a full
#              disk; on a console, what the console shows of messages, help and a table, read
#              back from its screen, with a screenshot of the help
#   library    the zip's libreria/: examples/wording.c built against its header and import
#              library and run with its zifrano.dll, a wording and a refusal; the DLL exports
#              the three zifrano_ functions alone and loads Windows' own DLLs alone
#   window     zifrano.exe started from its Start-menu entry on a virtual X display under
#              openbox: found by its title, 250 typed and copied with Alt+C, the notice, the
#              clipboard read back, the about box and the frame back at the corner, the web page
#              and the mail handed to the desktop's handlers, "Fine" ending it with status 0,
#              then a second start, and a third that adds its font and reads Qt's Italian
#              texts; its screenshot goes to SCREENSHOT_DIR
#   uninstall  silently: no file and no registry key of ours is left
#   all users  installed and uninstalled again as an administrator, for every user
#   scripts/check-windows.sh [SCREENSHOT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
. scripts/lib.sh
on_virtual_display "$0" "$@"
shots=$(realpath -m "${1:-build-windows/screenshots}")
say() { printf 'check-windows: %s\n' "$*"; }
fail() {
    say "FAIL: $*" >&2
    [[ -s "${work:-}/zifrano.log" ]] && tail -n 20 "$work/zifrano.log" | sed 's/^/zifrano: /' >&2
    exit 1
}
started=$SECONDS
timed() { say "$1 ($((SECONDS - started)) s)"; started=$SECONDS; }

out=$PWD/build-windows
load_facts "$out/cmake" 2>/dev/null || fail "no Windows build in $out: run scripts/build-windows.sh"
version=$ZIFRANO_VERSION_TEXT
stage=$out/zifrano-$version
setup=$out/zifrano-$version-setup.exe
[[ -f "$setup" && -d "$stage" ]] || fail "no Windows build in $out: run scripts/build-windows.sh"
title=$ZIFRANO_WINDOW_TITLE
uninstall_key="Software\Microsoft\Windows\CurrentVersion\Uninstall\\$ZIFRANO_NAME"

scripts/install-deps.sh --windows >/dev/null
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
work=$(mktemp -d)
# A fresh prefix, without Wine's menu entries on this machine and without its offers to
# install .NET or a browser engine. Wine would also offer this machine's fonts, DejaVu among
# them, to its programs: hidden, as Windows has none of them.
export WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$work/no-fonts.conf"
export FONTCONFIG_FILE=$work/no-fonts.conf
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    WINEPREFIX=$out/cmake/wine "$wineserver" -k 2>/dev/null || true
    [[ -n "${openbox:-}" ]] && kill "$openbox" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# --- files -------------------------------------------------------------------------------
subsystem() { x86_64-w64-mingw32-objdump -p "$1" | awk '/^Subsystem/ {print $3, $4}'; }
[[ "$(subsystem "$stage/zifrano.exe")" == "(Windows GUI)" ]] ||
    fail "zifrano.exe is not a window program: $(subsystem "$stage/zifrano.exe")"
[[ "$(subsystem "$stage/zifrano-lettere.exe")" == "(Windows CUI)" ]] ||
    fail "zifrano-lettere.exe is not a console program"
for program in zifrano zifrano-lettere; do
    record=$(x86_64-w64-mingw32-windres -i "$stage/$program.exe" -O rc)
    for line in "\"ProductName\", \"$ZIFRANO_NAME\"" "\"FileVersion\", \"$version\"" \
        "\"ProductVersion\", \"$version\"" 'BLOCK "041004B0"' '"Translation", 0x410, 1200' \
        'RT_GROUP_ICON' 'RT_MANIFEST'; do
        grep -qF "$line" <<<"$record" || fail "$program.exe's resources lack $line"
    done
done
# The icon that Windows shows, at every size, in 32-bit colour.
for program in "$stage/zifrano.exe" "$stage/zifrano-lettere.exe" "$setup"; do
    wrestool --extract --type=14 "$program" >"$work/icon.ico" ||
        fail "no icon in $(basename "$program")"
    sizes=$(icotool -l "$work/icon.ico" |
        sed -n 's/.* --width=\([0-9]*\) --height=\1 --bit-depth=32 .*/\1/p' | paste -sd' ')
    [[ "$sizes" == "16 24 32 48 256" ]] || fail "$(basename "$program")'s icon holds:
$(icotool -l "$work/icon.ico")"
done
# The manual the tool's help names, beside it: UTF-8 text with its mark and Windows' line ends.
manual=$stage/zifrano-lettere.txt
[[ -f "$manual" ]] || fail "no zifrano-lettere.txt beside the tool, where its help sends the user"
head -n 1 "$manual" | grep -q $'^\xef\xbb\xbfZIFRANO-LETTERE(1) .*\r$' ||
    fail "zifrano-lettere.txt does not open with the manual's heading: $(head -n 1 "$manual")"
grep -qv $'\r$' "$manual" && fail "zifrano-lettere.txt has a line not ended by CRLF"
grep -qF "$ZIFRANO_CSV_EURO_TITLE" "$manual" || fail "zifrano-lettere.txt lacks the CSV titles"
zipped=$(cmake -E tar tf "$out/zifrano-$version-windows.zip" | grep -v '/$' | sort)
staged=$(cd "$out" && find "zifrano-$version" -type f | sort)
[[ "$zipped" == "$staged" ]] || fail "the zip holds other files than the installed folder:
$(diff <(echo "$staged") <(echo "$zipped"))"
timed "files: zifrano.exe a window program, zifrano-lettere.exe a console one, both with version $version in Italian; their icon and the installer's $sizes pixels in 32-bit colour; the tool's manual as text; the zip holds the $(wc -l <<<"$staged") installed files"

# --- tests -------------------------------------------------------------------------------
# The build's own prefix, made before the tests run two at a time, its server and services kept
# running throughout: a test program would otherwise now and then meet the server shutting down
# after the last one, and services it started would hold its output open.
mkdir -p "$out/cmake/wine"
WINEPREFIX=$out/cmake/wine "$wineserver" --persistent
WINEPREFIX=$out/cmake/wine "$wine" wineboot --init </dev/null >/dev/null 2>&1
ctest --preset windows >"$work/ctest.log" 2>&1 || { cat "$work/ctest.log"; fail "tests under Wine"; }
WINEPREFIX=$out/cmake/wine "$wineserver" --kill
timed "tests: $(grep -E 'tests passed' "$work/ctest.log")"

# --- install -----------------------------------------------------------------------------
"$wine" wineboot --init >/dev/null 2>&1
# Wine draws the frames itself, as Windows does, rather than leave them to the window manager:
# the X window is then the whole Windows frame, placed where the program asks.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
# The desktop's handlers that the window check stands in for, and no other: Wine would try a
# machine's /usr/bin/open (mailcap's) for a mail before xdg-email.
"$wine" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d xdg-open /f >/dev/null
"$wine" reg add 'HKCU\Software\Wine\WineBrowser' /v Mailers /d xdg-email /f >/dev/null
# Ending the prefix's server writes its registry out to the files compared below.
"$wineserver" -k
timed "a fresh Wine prefix"
# What the prefix holds before: the uninstaller must leave it so.
snapshot() {
    find "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/windows" -prune -o -print | sort
}
snapshot >"$work/before"
ours() { cat "$WINEPREFIX"/*.reg | grep -ci zifrano || true; }
(($(ours) == 0)) || fail "a fresh prefix already names ZIFRANO in its registry"

# The value $2 of registry key $1, or nothing.
registry_value() {
    "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name {sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print}'
}

winepath_of() { WINEDEBUG=-all "$wine" winepath -w "$1" | tr -d '\r'; }

# Installs silently with option $1 (/CurrentUser or /AllUsers) and sets $folder and $menu, the
# Unix paths of the installed folder and of the Start-menu entry, after checking them.
install_silently() {
    "$wine" "$setup" /S "$1" || fail "the installer ($1) ended with status $?"
    local root=HKCU location
    [[ "$1" == /AllUsers ]] && root=HKLM
    location=$(registry_value "$root\\$uninstall_key" InstallLocation)
    [[ -n "$location" ]] || fail "no uninstall entry in $root after installing with $1"
    [[ "$(registry_value "$root\\$uninstall_key" DisplayVersion)" == "$version" ]] ||
        fail "the uninstall entry does not give version $version"
    folder=$("$wine" winepath -u "$location" | tr -d '\r')
    diff <(cd "$stage" && find . -type f | sort) \
        <(cd "$folder" && find . -type f ! -name disinstalla.exe | sort) ||
        fail "$folder holds other files than the build"
    menu=$(find "$WINEPREFIX/drive_c" -name "$ZIFRANO_NAME.lnk" -print -quit)
    [[ -n "$menu" ]] || fail "no Start-menu entry"
    publisher=$(registry_value "$root\\$uninstall_key" Publisher)
    [[ "$publisher" == [[:upper:]]* ]] || fail "the publisher is '$publisher', not a name"
    say "install $1: $location, Start menu: ${menu#"$WINEPREFIX/drive_c/"}," \
        "$(du -sk "$folder" | cut -f1) KiB"
}

no_uninstaller_runs() { ! pgrep -f 'nsu.*\.tmp' >/dev/null; }
entry_gone() { ! "$wine" reg query "$1\\$uninstall_key" >/dev/null 2>&1; }

# Uninstalls silently as the uninstall entry says, and checks that nothing of ours is left.
uninstall_silently() {
    local root=HKCU command
    [[ "$1" == /AllUsers ]] && root=HKLM
    command=$(registry_value "$root\\$uninstall_key" QuietUninstallString)
    [[ "$command" == *disinstalla.exe\"*/S ]] || fail "uninstall command '$command'"
    local program=${command#\"}
    program=${program%%\"*}
    # shellcheck disable=SC2086 # the options after the quoted program
    "$wine" "$program" ${command##*\"} || fail "the uninstaller ended with status $?"
    # It goes on from a copy of itself, which removes its uninstall entry last of all.
    wait_until 60 0.5 entry_gone "$root" || fail "the uninstall entry is still there after 30 s"
    wait_until 100 0.1 no_uninstaller_runs || fail "the uninstaller still runs after 10 s"
    # That copy could not remove itself while it ran: Windows removes it at its next start, as
    # it does every running program's.
    "$wine" wineboot --restart >/dev/null 2>&1
    "$wineserver" -k
    diff "$work/before" <(snapshot) || fail "files left or changed after uninstalling ($1)"
    (($(ours) == 0)) || fail "the registry still names ZIFRANO after uninstalling ($1):
$(grep -i zifrano "$WINEPREFIX"/*.reg)"
}

install_silently /CurrentUser
timed "install"

# The texts the installer and the uninstaller show, from their headers.
scripts/nsis-strings.py "$setup" >"$work/setup.txt"
scripts/nsis-strings.py "$folder/disinstalla.exe" >"$work/uninstaller.txt"
grep -qxF "$(head -n 1 LICENSES/MIT.txt)" "$work/setup.txt" || fail "the installer shows no licence"
grep -qF 'licenza MIT' "$work/setup.txt" || fail "the installer's licence page is not in Italian"
if ! grep -qxF 'La disinstallazione non è stata completata correttamente.' "$work/uninstaller.txt" ||
    ! grep -qx 'Disinstallazione di .* completata\.' "$work/uninstaller.txt"; then
    fail "the uninstaller lacks its Italian texts or its last page"
fi
# NSIS's own Italian has a blank before a question mark and words mistyped; the uninstaller
# said "Installazione completata" at its end.
for file in setup uninstaller; do
    wrong=$(grep -E ' \?$|disintall|Disisntall|Questa programma' "$work/$file.txt") &&
        fail "the $file says: $wrong"
done
wrong=$(grep -i 'installazione completata' "$work/uninstaller.txt" | grep -v '^Disinst') &&
    fail "the uninstaller says: $wrong"
say "installer: the licence page, publisher '$publisher'; the uninstaller's Italian texts, up to its last page"

# --- tool --------------------------------------------------------------------------------
# Runs zifrano-lettere.exe with standard input $1 (printf's escapes) and the arguments after it,
# and checks that it writes exactly $2 on standard output and $3 on standard error.
expect_tool() {
    local input=$1 out=$2 err=$3
    shift 3
    printf '%b' "$input" | "$wine" "$folder/zifrano-lettere.exe" "$@" >"$work/output" 2>"$work/error" || true
    expect_bytes "$out" output zifrano-lettere "$@"
    expect_bytes "$err" error zifrano-lettere "$@"
}
# Checks that $work/$2 holds exactly $1 (printf's escapes): what the command after them wrote.
expect_bytes() {
    printf '%b' "$1" >"$work/expected"
    cmp -s "$work/expected" "$work/$2" || fail "${*:3} wrote as its $2:
$(od -c "$work/$2")
instead of:
$(od -c "$work/expected")"
}
expect_tool '' 'centoventitre / 45\r\n' '' 123.45
# The command line reaches the tool in UTF-8, by its manifest.
expect_tool '' '\r\n' "zifrano-lettere: argomento 1: non è un importo: '12è'\r\n" 12è
expect_tool '1\n\x1a\n2\r\n' 'uno / 00\r\n\r\ndue / 00\r\n' \
    "zifrano-lettere: riga 2: non è un importo: '\\\\x1a'\r\n"
# A table's rows end as they came, whatever the line end.
expect_tool 'A;B\r\n1;2\n3;4' \
    "A;B;$ZIFRANO_CSV_EURO_TITLE;$ZIFRANO_CSV_LIRE_TITLE\\r\\n1;2;due / 00;due\\n3;4;quattro / 00;quattro\\n" \
    '' --csv B
for case in '0:123' '1:abc' '2:--bogus'; do
    "$wine" "$folder/zifrano-lettere.exe" "${case#*:}" >/dev/null 2>&1 && status=0 || status=$?
    ((status == ${case%%:*})) || fail "zifrano-lettere ${case#*:} ended with $status"
done
"$wine" "$folder/zifrano-lettere.exe" 123 >/dev/full 2>"$work/error" && status=0 || status=$?
expect_bytes 'zifrano-lettere: errore di scrittura sullo standard output\r\n' error \
    zifrano-lettere 123 '>/dev/full'
((status == 1)) || fail "zifrano-lettere 123 >/dev/full ended with $status"
timed "tool: 123.45 worded with CRLF, a UTF-8 argument quoted back, Ctrl+Z read as a byte, a table's LF and CRLF rows kept, statuses 0, 1 and 2, a full disk said"

# What a console shows: console-screen.exe runs the tool in a console of its own, standard output
# and standard error both on it, and reads the console's screen back. Wine's console needs a
# font of fixed width, as Windows has its own: DejaVu Sans Mono stands in, offered to the
# console's programs alone.
console_screen=$out/cmake/bin/console-screen.exe
mkdir -p "$work/console-fonts"
ln -s /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf "$work/console-fonts/"
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
    "$work/console-fonts" "$work/console-fonts/cache" >"$work/console-fonts.conf"
"$wine" reg add 'HKCU\Console' /v FaceName /d 'DejaVu Sans Mono' /f >/dev/null
tool=$(winepath_of "$folder/zifrano-lettere.exe")
# Runs the tool with the arguments $2 (a command line) on a console, checks that it ended with
# status $1, and leaves what the console showed in $work/shown. With a third argument, the
# console's screenshot goes to that file.
on_console() {
    local status=0 hold=()
    rm -f "$work/screen"
    [[ -n "${3:-}" ]] && hold=(--hold)
    FONTCONFIG_FILE=$work/console-fonts.conf \
        "$wine" "$console_screen" "${hold[@]}" "$(winepath_of "$work/screen")" "\"$tool\" $2" &
    local screen=$!
    wait_until 600 0.05 test -f "$work/screen" || fail "no console screen for $2"
    if [[ -n "${3:-}" ]]; then
        local console
        console=$(wait_until 100 0.05 visible_window console-screen) || fail "no console window"
        # Wine's console paints its window a moment after its screen buffer changes.
        sleep 1
        screenshot_window "$console" "$3" || fail "no screenshot"
    fi
    cp "$work/screen" "$work/shown"
    if [[ -n "${3:-}" ]]; then
        rm "$work/screen" # ends the hold
    fi
    wait "$screen" || status=$?
    ((status == $1)) || fail "zifrano-lettere $2 on a console ended with $status, not $1"
}
# Whether the console showed the text in file $1 (its CRs aside); the tool's arguments are $2.
console_showed() {
    cmp -s <(tr -d '\r' <"$1") "$work/shown" || fail "zifrano-lettere $2 showed on a console:
$(cat "$work/shown")
instead of:
$(tr -d '\r' <"$1")"
}
on_console 1 '1234,56 12è €5'
printf 'milleduecentotrentaquattro / 56\n\ncinque / 00\n%s\n' \
    "zifrano-lettere: argomento 2: non è un importo: '12è'" >"$work/expected"
console_showed "$work/expected" '1234,56 12è €5'
# The help as the tool writes it to a file: every character of it shown as it is.
"$wine" "$folder/zifrano-lettere.exe" --help >"$work/help"
grep -qF "$(basename "$manual")" "$work/help" || fail "the help does not name $(basename "$manual")"
mkdir -p "$shots"
on_console 0 --help "$shots/zifrano-lettere-console-windows.png"
console_showed "$work/help" --help
# A table longer than the console's buffer: characters cut between two writes shown whole.
{
    echo 'Nota;Importo'
    for row in $(seq 100); do echo "città è già più;€ $row"; done
} >"$work/table.csv"
"$wine" "$folder/zifrano-lettere.exe" --csv Importo "$work/table.csv" >"$work/table"
on_console 0 "--csv Importo $(winepath_of "$work/table.csv")"
console_showed "$work/table" '--csv Importo table.csv'
timed "console: a message with è, the help and a table of $(wc -c <"$work/table") bytes shown as written; screenshot $shots/zifrano-lettere-console-windows.png"

# --- library -----------------------------------------------------------------------------
# The zip's libreria/ as a programmer takes it: examples/wording.c built against its header and
# import library, and run with zifrano.dll beside it and no other DLL.
mkdir -p "$work/zip" "$work/wording"
(cd "$work/zip" && cmake -E tar xf "$out/zifrano-$version-windows.zip")
library=$work/zip/zifrano-$version/libreria
# The import library named by its path: -lzifrano would take zifrano.dll itself without it.
x86_64-w64-mingw32-gcc -std=c11 -Wall -Wextra -Wpedantic -Werror -I "$library/include" \
    examples/wording.c "$library/libzifrano.dll.a" -o "$work/wording/wording.exe" ||
    fail "examples/wording.c does not build against libreria/"
cp "$library/zifrano.dll" "$work/wording/"
# Runs wording.exe with the arguments after $1 $2 $3, and checks that it ended with status $1
# and wrote exactly $2 on standard output and $3 on standard error (printf's escapes).
expect_wording() {
    local expected_status=$1 out=$2 err=$3 status=0
    shift 3
    "$wine" "$work/wording/wording.exe" "$@" >"$work/output" 2>"$work/error" || status=$?
    expect_bytes "$out" output wording "$@"
    expect_bytes "$err" error wording "$@"
    ((status == expected_status)) || fail "wording $* ended with $status, not $expected_status"
}
# Its command line reaches main() in Windows' ANSI code page, where the euro sign is the byte
# 0x80 that the library reads as one.
expect_wording 0 'milleduecentotrentaquattro / 56\r\ndodici / 50\r\n' '' -m '€ 1.234,56' 12,50
expect_wording 1 'sette / 00\r\n' 'wording: 12,3456: più di due decimali\r\n' 7 12,3456
# Its C interface alone, and no DLL of the compiler's: each it loads is in Windows' own folder.
dll_table=$(x86_64-w64-mingw32-objdump -p "$library/zifrano.dll")
exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' <<<"$dll_table" |
    paste -sd' ')
[[ "$exports" == 'zifrano_message zifrano_version zifrano_wording' ]] ||
    fail "zifrano.dll exports: $exports"
imports=$(sed -n 's/^\tDLL Name: //p' <<<"$dll_table" | paste -sd' ')
[[ -n "$imports" ]] || fail "no DLL in zifrano.dll's import table"
for dll in $imports; do
    [[ -n "$(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ]] ||
        fail "zifrano.dll loads $dll, which Windows does not have"
done
timed "library: examples/wording.c built against libreria/ and run with zifrano.dll, a wording and a refusal with status 1 and its reason; zifrano.dll exports $exports and loads $imports alone"

# --- window ------------------------------------------------------------------------------
openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
wait_until 100 0.05 manager_running || fail "openbox did not start"

# Handlers for the addresses the window opens: Wine hands web and mail addresses to these.
mkdir -p "$work/handlers"
for handler in xdg-open xdg-email; do
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/opened"\n' "$work" >"$work/handlers/$handler"
    chmod +x "$work/handlers/$handler"
done
export PATH=$work/handlers:$PATH

opened() { grep -qxF "$1" "$work/opened" 2>/dev/null; }
frame_corner() { window_geometry "$window" | cut -d' ' -f1,2; }
# Whether the window's frame stands at the corner of the screen's available area. Its left
# edge may stand off the area by the frame's side: Qt counts the side and bottom of a Windows
# frame as the invisible resize border that Windows 10 and 11 draw around a window, which Wine
# draws instead.
at_corner() {
    local x y width area_x area_y
    read -r x y width _ < <(window_geometry "$window")
    read -r area_x area_y _ < <(available_area)
    ((y == area_y && x <= area_x && x >= area_x - (width - ZIFRANO_CLIENT_WIDTH) / 2))
}
# Clicks the point $1 $2 of the window's client area, below the menu bar: the frame around it is
# as wide on every side but the top.
click_client() {
    local width height border
    read -r _ _ width height < <(window_geometry "$window")
    border=$(((width - ZIFRANO_CLIENT_WIDTH) / 2))
    xdotool mousemove --window "$window" $((border + $1)) \
        $((height - border - ZIFRANO_CLIENT_HEIGHT + $2)) click 1
}

milliseconds() { echo $(($(date +%s%N) / 1000000)); }

# Starts the program the Start-menu entry names and waits for its window; $1 names the start in
# the message, which gives the time it took.
start_window() {
    local started_ms
    grep -qaF "$(winepath_of "$folder/zifrano.exe")" "$menu" ||
        fail "the Start-menu entry does not name $folder/zifrano.exe"
    started_ms=$(milliseconds)
    "$wine" "$folder/zifrano.exe" >>"$work/zifrano.log" 2>&1 &
    app=$!
    window=$(wait_for_window "$title") || fail "no window titled '$title' ($1)"
    say "window: shown $(($(milliseconds) - started_ms)) ms after a $1 start"
}

ended() { ! kill -0 "$app" 2>/dev/null; }

# Ends the window with a click on "Fine" and checks that the program ended with status 0.
end_with_fine() {
    click_client 345 31
    wait_until 100 0.05 ended || fail "\"Fine\" did not end the program"
    local status=0
    wait "$app" || status=$?
    ((status == 0)) || fail "\"Fine\" ended the program with status $status"
}

start_window cold
wait_until 100 0.05 has_keyboard "$window" || fail "the window did not take the keyboard"
mkdir -p "$shots"
read -r _ _ width height < <(window_geometry "$window")
screenshot_window "$window" "$shots/zifrano-window-windows.png" || fail "no screenshot"
say "window: $width x $height, frame included; screenshot $shots/zifrano-window-windows.png"

# The field's text is selected at start: 250 replaces it.
xdotool type --delay 50 250
xdotool key alt+c
wait_for_window "$ZIFRANO_NAME" >/dev/null || fail "no notice after Alt+C"
expect_clipboard 'duecentocinquanta / 00' "after Alt+C"
xdotool key Return
wait_until 100 0.05 window_gone "$ZIFRANO_NAME" || fail "the notice did not close with Return"

# "Informazioni" puts the window back at its corner, wherever it was moved.
corner=$(frame_corner)
at_corner || fail "the window's frame stands at $corner, not at the available area's corner"
# Dragged away by its title bar, as a user moves it.
drag_away() {
    xdotool mousemove --window "$window" 100 10 mousedown 1 sleep 0.2 \
        mousemove_relative --sync 150 100 mousemove_relative --sync 150 100 mouseup 1
    ! wait_until 10 0.1 at_corner
}
wait_until 3 0.5 drag_away || fail "the window could not be dragged away from its corner"
xdotool key alt+i
wait_for_window "$ZIFRANO_NAME" >/dev/null || fail "no about box after Alt+I"
xdotool key Return
wait_until 100 0.05 window_gone "$ZIFRANO_NAME" || fail "the about box did not close with Return"
wait_until 40 0.05 at_corner ||
    fail "the frame stands at $(frame_corner) after the about box, not at the corner"
corner_again=$(frame_corner)

# The logo opens the author's web page, and "?" > "Scrivi all'autore" a mail to the author.
click_client 438 28
wait_until 100 0.05 opened "$ZIFRANO_AUTHOR_WEB" ||
    fail "the logo opened '$(cat "$work/opened" 2>/dev/null)', not the web page"
xdotool key --window "$window" alt+question
sleep 0.5
xdotool key s
wait_until 100 0.05 opened "mailto:$ZIFRANO_AUTHOR_EMAIL" ||
    fail "\"Scrivi all'autore\" opened '$(cat "$work/opened" 2>/dev/null)', not a mail"
end_with_fine
timed "window: 250 copied as 'duecentocinquanta / 00' with its notice; the frame at $corner, back at $corner_again after the about box; the web page and the mail opened by the desktop; \"Fine\" ended it with status 0"

start_window warm
end_with_fine
# Wine's logs name the faces its programs add, and the files they read: the window's font from
# the fonts folder, and Qt's Italian texts from the translations folder.
WINEDEBUG=-all,+font,+file start_window traced
grep -q 'family_name L"DejaVu Sans Condensed"' "$work/zifrano.log" ||
    fail "the window did not add its DejaVu Sans Condensed"
grep -q 'CreateFileW L"[^"]*[\]translations[\]*qtbase_it\.qm" GENERIC_READ' "$work/zifrano.log" ||
    fail "the window did not read Qt's Italian texts"
end_with_fine
say "window: it added the DejaVu Sans Condensed beside it and read Qt's Italian texts"
kill "$openbox"
wait "$openbox" 2>/dev/null || true
openbox=

# --- uninstall, and once more for every user ----------------------------------------------
uninstall_silently /CurrentUser
timed "uninstall: no file and no registry key left"
install_silently /AllUsers
uninstall_silently /AllUsers
timed "for every user: installed and uninstalled, nothing left"
