#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs, on Debian 12, whatever Quillmere needs and is not there yet: `tools/deps.sh` for
# building and running, `tools/deps.sh --tests` for the tests (and the fuzz targets) as well,
# `tools/deps.sh --bench` for the benchmarks of tools/bench. Runs apt-get through sudo when not
# root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    libsndfile1-dev portaudio19-dev
    libicu-dev # numbers in words
    fonts-liberation2
    fonts-noto-core fonts-noto-cjk # the scripts of the translations
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n # the program's translations, and Qt's own
    gettext # the translated menu entry and software-centre record
    # Speech: Qt's speech library (whose headers need Qt's QML integration, which Debian 12's
    # qt6-speech-dev does not bring), its speech-dispatcher plugin and a voice.
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher espeak-ng
    speech-dispatcher-espeak-ng # speech-dispatcher only recommends its espeak-ng module
)
for option in "$@"; do
    case "$option" in
    --tests)
        packages+=(xvfb xauth xdotool xclip x11-utils imagemagick python3-xlib
            desktop-file-utils appstream librsvg2-bin dpkg-dev file
            dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 # the screen-reader client test
            orca # tools/orcalog.sh
            clang-14 libclang-rt-14-dev # the fuzz preset: clang++-14 and libFuzzer
            man-db reuse debhelper lintian autopkgtest) # manual, licences, Debian package
        ;;
    --bench) packages+=(libbenchmark-dev xvfb xauth xdotool python3-xlib) ;;
    *) echo "usage: tools/deps.sh [--tests] [--bench]" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ "$(id -u)" -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
