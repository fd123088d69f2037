#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Pictures of one scripted session of Quillmere, the same on every run of the same build, so that
# two builds can be compared pixel for pixel. On a fresh 1280 x 1024 virtual screen (Xvfb, no
# window manager; large enough for the window at 200 percent, 1264 x 886), in English:
#   1-splash 2-main (after a key) 3-beads (clicks on rods 0, 14, 7 and 3) 4-base16 (Hexa&Decimal)
#   5-hidden (Hide Answers) 6-zoom200 (Ctrl+Plus three times) 7-focus (Ctrl+0; Shift+Tab back to
#   View Answers, where the window's focus starts; Tab x6, Right, Up, Up: the focus ring on the
#   outer bead of rod 13)
# then, for each LANG (a fresh run each): LANG-splash and LANG-main.
# Usage: tools/sessionshots.sh PROGRAM FOLDER [LANG...]   (default: de_DE.UTF-8 ar_EG.UTF-8
# ja_JP.UTF-8). Compare two folders (prints the differing pixels of each picture, 0 when equal):
#   for f in a/*.png; do echo "$f $(compare -metric AE "$f" "b/${f#a/}" null: 2>&1)"; done
set -euo pipefail
program=$(realpath "${1:?usage: tools/sessionshots.sh PROGRAM FOLDER [LANG...]}")
folder=$(realpath -m "${2:?usage: tools/sessionshots.sh PROGRAM FOLDER [LANG...]}")
shift 2
(($#)) || set -- de_DE.UTF-8 ar_EG.UTF-8 ja_JP.UTF-8
if [[ -z "${SESSIONSHOTS_SCREEN:-}" ]]; then
    mkdir -p "$folder"
    SESSIONSHOTS_SCREEN=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        "$0" "$program" "$folder" "$@"
fi
source "$(dirname "$(realpath "$0")")/../tests/xdrive.sh"
cd "$(dirname "$program")" # where the program finds click.wav
trap 'kill "${pid:-}" 2>/dev/null' EXIT
run() { # run LANG: a fresh program in that language; sets $splash to its splash window
    if [[ -n "${pid:-}" ]]; then kill "$pid" && wait "$pid" || true; fi
    while xdotool search --onlyvisible --classname quillmere >/dev/null; do sleep 0.05; done
    # Nothing of the caller's environment (Qt's scale, style or theme) but the X display.
    env -i DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" HOME="$HOME" LANG="$1" \
        QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
    pid=$!
    splash=$(timeout 10 xdotool search --sync --onlyvisible --classname quillmere)
}
main_window() { # a key on the splash; sets $window to the main window once it is mapped
    xdotool key a
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --classname quillmere | grep -vx "$splash") && return
        sleep 0.1
    done
    echo "no main window" >&2 && exit 1
}
# shot NAME: the screen, the pointer off the window, once three pictures a quarter of a second
# apart are the same: a blinking text cursor (half a second on, half off) never settles.
shot() {
    xdotool mousemove 0 0
    local same=0 name=$folder/$1.png
    import -window root "$name"
    for _ in $(seq 20); do
        sleep 0.25
        import -window root "$folder/.next.png"
        if compare -metric AE "$name" "$folder/.next.png" null: 2>/dev/null; then
            ((++same < 2)) || { rm "$folder/.next.png" && echo "$name" && return; }
        else same=0 && mv "$folder/.next.png" "$name"; fi
    done
    echo "$name does not settle" >&2 && exit 1
}
run C.UTF-8
shot 1-splash
main_window
shot 2-main
click_bead 0 3
click_bead 14 6 # the outer bead
click_bead 7 1
click_bead 3 7 # the inner bead
shot 3-beads
click_at 8500 2760 # Hexa&Decimal
shot 4-base16
click_at 8500 1320 # Hide Answers, which takes the focus
shot 5-hidden
xdotool key ctrl+plus ctrl+plus ctrl+plus
shot 6-zoom200
# Shift+Tab gives the focus back to View Answers, where the window starts with it.
xdotool key ctrl+0 shift+Tab Tab Tab Tab Tab Tab Tab Right Up Up
shot 7-focus
for language; do
    run "$language"
    shot "$language-splash"
    main_window
    shot "$language-main"
done
