#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Installs the Debian packages that building and testing ZIFRANO need, or those that the
# Windows build and its tests under Wine need, or the PACKAGEs named:
#   scripts/install-deps.sh [--windows | PACKAGE...]
# Checks first, so that on a machine that has them all it changes nothing and prints one line.
set -euo pipefail

packages=("$@")
if [[ "${1:-}" == --windows ]]; then
    packages=(
        g++-mingw-w64-x86-64-posix mingw-w64-tools # the cross compiler for Windows x86_64
        qt6-base-dev qt6-base-dev-tools cmake ninja-build # the host's moc, rcc and uic
        unicode-data                               # the characters messages escape
        dpkg-dev xz-utils                          # Qt's source, or a prebuilt Qt's tarball
        googletest                                 # GoogleTest's source, built for Windows
        qt6-translations-l10n fonts-dejavu-extra   # Qt's Italian texts, the window's font
        librsvg2-bin icoutils python3-pil          # the icons and the logo, from their SVGs
        nsis python3                               # the installer, and its texts read back
        groff-base                                 # the tool's manual, as text
        wine64 fonts-wine                          # the tests under Wine, with its stand-ins
        xvfb xauth xdotool xclip x11-utils scrot   #   for Windows' own fonts, on a virtual
        openbox                                    #   display, under a window manager
        fonts-dejavu-core                          # the console's font under Wine
    )
fi
((${#packages[@]} > 0)) || packages=(
    g++ cmake ninja-build                      # toolchain
    pkg-config                                 # the C library's example, built with its flags
    unicode-data                               # the characters the tool's messages escape
    qt6-base-dev                               # the window: Qt 6 Widgets and its plugins
    qt6-translations-l10n                      # Qt's own texts in Italian
    fonts-dejavu-core fonts-dejavu-extra       # the window's fonts, DejaVu Sans (Condensed)
    libgtest-dev libbenchmark-dev              # tests and benchmarks
    python3-pytest                             # the Python module's tests
    xvfb xauth xdotool xclip x11-utils scrot   # driving the real window on a virtual display
    openbox icewm                              # ... and under window managers
    dbus-daemon at-spi2-core                   # ... on an accessibility bus (AT-SPI),
    gir1.2-atspi-2.0 python3-gi                #   read by a Python check
    clang-format                               # the formatting check
    reuse                                      # every file's licence, checked
    hunspell hunspell-it                       # the spelling check of the window's texts
    clang libclang-rt-14-dev                   # fuzzing: libFuzzer and the sanitizers
    dpkg-dev debhelper lintian                 # the Debian packages and their check
    dh-python libreoffice-dev                  # ... the Python module's and the Calc functions'
    man-db                                     # manual pages
    librsvg2-bin icoutils python3-pil          # the icons and the logo, from their SVGs
    imagemagick                                # the images' checks
    weston qt6-wayland                         # the window on a headless Wayland compositor
    libicu-dev                                 # the peer benchmark (never linked by ZIFRANO)
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: all ${#packages[@]} Debian packages are installed"
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "${missing[@]}"
