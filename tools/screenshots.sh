#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Pictures of Quillmere in one language, as a translator or a reviewer checks them: the splash,
# the main window, its File menu open, and the message as it ends, each a PNG of a virtual
# 1024 x 768 screen (Xvfb, driven by xdotool; `tools/deps.sh --tests` installs both).
# Usage: tools/screenshots.sh LANG [folder], e.g. tools/screenshots.sh ar_EG.UTF-8 /tmp/ar
# The language is the system's, as LANG names it; the build is build/quillmere.
set -euo pipefail
language=${1:?usage: tools/screenshots.sh LANG [folder]}
folder=$(realpath -m "${2:-screenshots-$language}")
program=$(realpath "$(dirname "$0")/../build/quillmere")
mkdir -p "$folder"

if [[ "${3:-}" != --inside ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$language" "$folder" --inside
fi
cd "$(dirname "$program")" # where the program finds its sound
LANG=$language LANGUAGE= LC_ALL= LC_MESSAGES= QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
trap 'kill $! 2>/dev/null' EXIT
shot() {
    sleep 1.5
    import -window root "$folder/$1.png"
    echo "$folder/$1.png"
}
shot splash
xdotool key a
shot main
opens=Right # the key that opens a submenu: Left in a language written right to left
[[ $language == ar* ]] && opens=Left
xdotool key alt Down $opens # the File menu and its New submenu
shot menu
xdotool key Escape Escape F2
shot goodbye
