#!/usr/bin/env bash
# Installs a build into a fresh prefix and checks what lands there: the program, its sound, the
# menu entry, the software-centre record and the icons, each file valid; then starts the
# installed program from another folder under Xvfb and clicks a bead, to hear (through an ALSA
# file device) that it found its sound; and builds the Debian package and looks inside it.
# Usage: install.sh path/to/build
set -uo pipefail
source "$(dirname "$(realpath "$0")")/xdrive.sh"
if [[ "${1:-}" == "--play" ]]; then # --play program capture-folder, run under xvfb-run
    program=$2
    cd "$3" || exit 1
    start_program "$program" "$3/stderr.txt"
    xdotool key a
    find_main_window
    click_at $((7200 + 247)) $((4440 + 247)) # Rod 15's lower bead 3
    sleep 0.3
    kill "$pid"
    wait "$pid" 2>/dev/null
    exit 0
fi

build=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
id=org.dunmarrow.Quillmere
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cached CMAKE_PROJECT_VERSION)

yes_if() { "$@" >/dev/null 2>&1 && echo yes || echo no; }

# 1. The installed files.
check "cmake --install" "$(yes_if cmake --install "$build" --prefix "$prefix")" yes
check "the program" "$(yes_if test -x "$prefix/bin/quillmere")" yes
check "the click sound" "$(yes_if cmp "$prefix/share/quillmere/click.wav" "$build/assets/click.wav")" yes
for side in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${side}x$side/apps/$id.png
    check "$side-pixel icon" "$(file -b "$icon" | cut -d, -f1-3)" \
        "PNG image data, $side x $side, 8-bit/color RGBA"
done
# Nearest neighbour: the 32-pixel icon is the window icon, the 64-pixel one each pixel doubled.
check "32-pixel icon is the window icon" "$(compare -metric AE "$build/assets/quillmere.ico" \
    "$prefix/share/icons/hicolor/32x32/apps/$id.png" null: 2>&1)" 0
check "64-pixel icon doubles each pixel" "$(convert "$build/assets/quillmere.ico" -scale 200% \
    png:- | compare -metric AE - "$prefix/share/icons/hicolor/64x64/apps/$id.png" null: 2>&1)" 0

# 2. The menu entry and the software-centre record pass their validators.
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
check "desktop-file-validate" "$(desktop-file-validate "$desktop" 2>&1)" ""
check "appstreamcli validate" "$(yes_if appstreamcli validate --no-net "$metainfo")" yes
check "the release in the record" "$(grep -c "<release version=\"$version\"" "$metainfo")" 1

# 3. The installed program, started elsewhere, plays its sound: ALSA writes it to a file.
mkdir -p "$tmp/elsewhere"
capture=$tmp/elsewhere/capture.raw
cat >"$tmp/asound.conf" <<CONF
pcm.!default { type file slave.pcm "null" file "$capture" format "raw" }
pcm.null { type null }
CONF
datadir=$(cached CMAKE_INSTALL_DATADIR) # empty: the data root's
datadir=$(cached CMAKE_INSTALL_PREFIX)/${datadir:-$(cached CMAKE_INSTALL_DATAROOTDIR)}/quillmere
check "no sound where the program was built to look" "$(yes_if test -e "$datadir/click.wav")" no
ALSA_CONFIG_PATH=$tmp/asound.conf QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" --play "$prefix/bin/quillmere" "$tmp/elsewhere"
check "a bead click is heard" "$(yes_if test -s "$capture")" yes
check "nothing on stderr" "$(grep -v XDG_RUNTIME_DIR "$tmp/elsewhere/stderr.txt")" ""

# 4. The Debian package.
(cd "$build" && cpack -G DEB -B "$tmp/package" >/dev/null 2>&1)
deb=$(ls "$tmp/package"/*.deb 2>/dev/null | head -n 1)
check "cpack -G DEB" "$([[ -n "$deb" ]] && echo yes)" yes
check "package name and version" "$(dpkg-deb -f "$deb" Package Version 2>&1 | tr '\n' ' ')" \
    "Package: quillmere Version: $version "
check "library dependencies" "$(dpkg-deb -f "$deb" Depends | grep -c libqt6widgets6)" 1
contents=$(dpkg-deb -c "$deb" 2>&1 | awk '{print $6}')
for file in bin/quillmere share/quillmere/click.wav share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/48x48/apps/$id.png; do
    check "the package holds $file" "$(grep -cx "./usr/$file" <<<"$contents")" 1
done

summary
