#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs a build into a fresh prefix and checks what lands there: the program, its sound, the
# menu entry, the software-centre record and the icons, each file valid; then starts the
# installed program from another folder under Xvfb and clicks a bead, to hear (through an ALSA
# file device) that it found its sound, and reads its command line and manual page; looks inside
# the Debian package that tools/deb.sh built; checks catalogues.
# Usage: install.sh path/to/build path/to/tools/deb.sh's/folder
set -uo pipefail
source "$(dirname "$(realpath "$0")")/xdrive.sh"
if [[ "${1:-}" == "--play" ]]; then # --play program capture-folder, run under xvfb-run
    cd "$3" || exit 1
    start_program "$2" "$3/stderr.txt"
    xdotool key a
    find_main_window
    click_bead 0 3 # Rod 15's lower bead 3
    sleep 0.3
    kill "$pid" && wait "$pid" 2>/dev/null
    exit 0
fi

build=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
id=org.dunmarrow.Quillmere
share=$prefix/share
metainfo=$share/metainfo/$id.metainfo.xml
desktop=$share/applications/$id.desktop svg=$share/icons/hicolor/scalable/apps/$id.svg
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
yes_if() { "$@" >/dev/null 2>&1 && echo yes || echo no; }

# 1. The installed files, each valid. The icons are compressed, and at 32 pixels and their
# multiples they are the window icon with each pixel repeated (nearest neighbour).
check "cmake --install" "$(yes_if cmake --install "$build" --prefix "$prefix")" yes
check "the program" "$(yes_if test -x "$prefix/bin/quillmere")" yes
check "the click sound" "$(yes_if cmp "$share/quillmere/click.wav" "$build/assets/click.wav")" yes
for side in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${side}x$side/apps/$id.png
    check "$side-pixel icon" "$(file -b "$png" | cut -d, -f1-3)$(find "$png" -size -20000c \
        -printf ', under 20 kB')" "PNG image data, $side x $side, 8-bit/color RGBA, under 20 kB"
    [[ $((side % 32)) == 0 ]] && check "$side-pixel icon repeats the window icon's pixels" \
        "$(convert "$build/assets/quillmere.ico" -scale $((side / 32 * 100))% png:- |
            compare -metric AE - "$png" null: 2>&1)" 0
done
check "scalable icon drawn at 32 pixels is the window icon" "$(rsvg-convert -w 32 -h 32 "$svg" |
    compare -metric AE - "$build/assets/quillmere.ico" null: 2>&1)" 0
check "desktop-file-validate" "$(desktop-file-validate "$desktop" 2>&1)" ""
# The one pedantic note left: the id has capitals, and it names the menu entry and the icons.
check "appstreamcli validate --pedantic" "$(appstreamcli validate --pedantic --no-net "$metainfo" |
    sed -n 's/^[A-Z]: [^ ]* //p')" "cid-contains-uppercase-letter $id"
check "the menu entry's translated keys, in the order of LINGUAS, and no Name" "$(grep -o \
    '^[A-Za-z]\+\[[^]]*\]' "$desktop" | tr '\n' ' ')" "$(printf '%s ' \
    {GenericName,Comment,Keywords}\[{de,fr,es,pt_BR,it,nl,pl,zh_CN,ja,ar}\])"
check "14 record texts (summary, 4 paragraphs, 9 items) in each language, names untranslated" "$(grep -o \
    'lang="[^"]*"' "$metainfo" | sort | uniq -c | tr -s ' \n' ' ')" "$(printf ' 14 lang="%s"' \
    ar de es fr it ja nl pl pt_BR zh_CN) "
check "the release in the record" "$(grep -c '<release version="1.0.5"' "$metainfo")" 1

# 2. The installed program, started elsewhere, plays its sound: ALSA writes it to a file. There
# is none where the program was built to look, so it must find the one it was installed with.
mkdir -p "$tmp/elsewhere"
capture=$tmp/elsewhere/capture.raw
printf 'pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n%s\n' "$capture" \
    'pcm.null { type null }' >"$tmp/asound.conf"
datadir=$(cached CMAKE_INSTALL_DATADIR) # empty: the data root's
datadir=$(cached CMAKE_INSTALL_PREFIX)/${datadir:-$(cached CMAKE_INSTALL_DATAROOTDIR)}/quillmere
check "no sound where the program was built to look" "$(yes_if test -e "$datadir/click.wav")" no
ALSA_CONFIG_PATH=$tmp/asound.conf QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" --play "$prefix/bin/quillmere" "$tmp/elsewhere"
check "a bead click is heard" "$(yes_if test -s "$capture")" yes
check "nothing on stderr" "$(grep -v XDG_RUNTIME_DIR "$tmp/elsewhere/stderr.txt")" ""

# The command line: help and version on stdout; an unknown option named on stderr with the
# usage, status 2 and no window; --help translated; the manual page's synopsis up to date.
q() { QT_QPA_PLATFORM=offscreen timeout 10 "$prefix/bin/quillmere" "$@"; }
options() { grep -o -- '-[-a-z]*' | sort | tr '\n' ' '; }
check "--version" "$(q --version 2>/dev/null)" "Quillmere 1.0.5"
check "--help's options" "$(q --help 2>/dev/null | grep '^ *-' | cut -c1-16 | options)" \
    "--help --help-all --seed --version -h -v "
check "an unknown option: what, usage, status 2" "$(q --frobnicate 2>&1 >/dev/null | grep -e \
    '^quillmere:' -e '^Usage:' -e 'version'; echo "status ${PIPESTATUS[0]}")" "quillmere: Unknown \
option 'frobnicate'.
Usage: $prefix/bin/quillmere [options]
  -v, --version    Displays version information.
status 2"
check "--help in German" "$(LANG=de_DE.UTF-8 q --help 2>/dev/null | grep -c Rechenrahmen)" 1
check "the manual page's synopsis" "$(man -l "$share/man/man1/quillmere.1" 2>/dev/null |
    sed -n '/^SYNOPSIS/{n;p}' | options)" "--help --help-all --seed --version -h -v "

# 3. The Debian package, built from debian/ by tools/deb.sh.
deb=$(ls "${2:-}"/quillmere_*.deb 2>/dev/null | head -n 1)
check "a package in ${2:-}: run tools/deb.sh" "$([[ -n "$deb" ]] && echo yes)" yes
check "package name and version" "$(dpkg-deb -f "$deb" Package Version 2>&1 | tr '\n' ' ')" \
    "Package: quillmere Version: 1.0.5-1 "
check "library dependencies" "$(dpkg-deb -f "$deb" Depends |
    grep -o 'libqt6widgets6\|libportaudio2\|libsndfile1' | tr '\n' ' ')" \
    "libportaudio2 libqt6widgets6 libsndfile1 "
dpkg-deb -x "$deb" "$tmp/deb" # the package holds what an install puts in place, translated
for file in share/quillmere/click.wav ${desktop#$prefix/} ${metainfo#$prefix/} \
    ${svg#$prefix/} share/icons/hicolor/48x48/apps/$id.png; do
    check "the package holds $file" "$(yes_if cmp "$tmp/deb/usr/$file" "$prefix/$file")" yes
done
check "the packaged program and its sound module" "$(QT_QPA_PLATFORM=offscreen \
    "$tmp/deb/usr/bin/quillmere" --version 2>/dev/null; cd "$tmp/deb/usr" && ls lib/*/quillmere)" \
    "Quillmere 1.0.5
libquillmere-sound.so
libquillmere-speech.so"
check "the packaged manual page" "$(zcat "$tmp/deb/usr/share/man/man1/quillmere.1.gz" |
    grep -c '^\.I /usr/share/quillmere/click.wav')" 1
check "recommends" "$(dpkg-deb -f "$deb" Recommends)" \
    "espeak-ng, fonts-noto-cjk, fonts-noto-core, qt6-speech-speechd-plugin, qt6-translations-l10n, speech-dispatcher"

# 4. The catalogues: none lacks a text or keeps a fuzzy or an old one, and msgfmt finds no fault.
"$(dirname "$0")/../tools/desktop-pot.sh" "$build" "$tmp/desktop.pot"
for po in "$(dirname "$0")"/../assets/translations/*.po; do
    check "${po##*/} complete" "$(msgcmp "$po" "$tmp/desktop.pot" 2>&1; grep '^#~' "$po"
        msgfmt -c -o /dev/null "$po" 2>&1)" ""
done

summary
