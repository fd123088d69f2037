#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Drives the real program with real X input (xdotool) under an X server with no window manager:
# the splash, bead clicks on the rightmost and leftmost rods, the total read back through the
# clipboard, base 16, Exit from F2, the end of the program when its last window is closed, the
# classroom zoom and full screen, and a practice round by keyboard.
# Usage: realapp.sh path/to/quillmere   (DISPLAY must name a running X server)
set -uo pipefail
program=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/xdrive.sh"
cd "$(dirname "$program")" || exit 1
trap 'kill "${pid:-}" 2>/dev/null' EXIT
errors=$(mktemp)
ended_within() { # seconds; sets $ended (run it in this shell: only it can wait for the program)
    ended="still running"
    for _ in $(seq $(($1 * 20))); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid"; ended="ended $?"; return; }
        sleep 0.05
    done
}
# 1. A key on the splash opens the main window; beads on two rods; base 16; F2 and Enter.
start_program "$program" "$errors"
xdotool key a
find_main_window
check "a key on the splash opens the main window" "$([[ -n "$window" ]] && echo yes)" yes
check "the main window's title" "$(xdotool getwindowname "$window")" "$caption"
click_bead 0 3      # rod 0, lower bead 3: brings beads 3 to 5
click_bead 14 6     # rod 14, outer bead: brings both upper beads
check "the total after two rods" "$(total)" 13
click_at 8500 2760                         # Hexa&Decimal
check "the total in base 16" "$(total)" D
# Beads at the beam leave the pointer at the press: they go to rest and no click brings them back.
click_bead 0 4 beam # rod 0, lower bead 4 at the beam: beads 3 and 4 go
check "a bead at the beam goes to rest with the one below it" "$(total)" 11
click_bead 14 7 beam # rod 14, inner bead at the beam: both upper beads go
check "the inner bead at the beam takes the outer one along" "$(total)" 1
xdotool key F2
sleep 0.5
xdotool key Return
ended_within 3
check "F2 then Enter ends the program at once" "$ended" "ended 0"
# 2. A click on the splash's panel; closing the last window as a window manager's close button
# does (WM_DELETE_WINDOW).
start_program "$program" "$errors"
read -r width height < <(xdotool getdisplaygeometry)
xdotool mousemove $((width / 2)) $((height / 2 + 120)) click 1
find_main_window
check "a click on the splash's panel opens the main window" "$([[ -n "$window" ]] && echo yes)" yes
/usr/bin/python3 - "$window" <<'PY'
import sys
from Xlib import X, display, protocol
screen = display.Display()
window = screen.create_resource_object("window", int(sys.argv[1]))
atom = screen.intern_atom
window.send_event(protocol.event.ClientMessage(window=window, client_type=atom("WM_PROTOCOLS"),
    data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])), event_mask=X.NoEventMask)
screen.flush()
PY
ended_within 3
check "closing the last window ends the program" "$ended" "ended 0"
# 3. Ctrl+Plus three times doubles the client area, where a bead is hit at its zoomed place; F11
# fills the screen (Esc does not leave while the total has the focus) and Esc returns; Ctrl+0.
start_program "$program" "$errors"
xdotool key a
find_main_window
client() { eval "$(xdotool getwindowgeometry --shell "$window")"; echo "${WIDTH}x$((HEIGHT - bar))"; }
bar=0 && bar=$(($(client | cut -dx -f2) - 434))
xdotool key ctrl+plus ctrl+equal ctrl+plus && sleep 0.5
check "Ctrl+Plus three times: 200 percent" "$(client)" 1264x868
zoom=200 && click_bead 0 3
xdotool key F11 && sleep 0.5
check "F11 fills the screen" "$(client)" "1280x$((1024 - bar))"
xdotool mousemove $((8 + 6967 * 2 / 15)) $((bar + (1024 - bar - 868) / 2 + 4687 * 2 / 15)) click 1
sleep 0.2 # that was rod 1, lower bead 3, at 200 percent centred on the screen
xdotool mousemove $((8 + 1160)) $((bar + (1024 - bar - 868) / 2 + 697)) click 1 key Escape
sleep 0.5 # that was a click in the total, then Esc there
check "Esc in the total keeps full screen" "$(client)" "1280x$((1024 - bar))"
xdotool key Tab Escape && sleep 0.5
check "Esc returns to 200 percent" "$(client)" 1264x868
xdotool key ctrl+0 && sleep 0.5
zoom=100 && check "Ctrl+0 restores the designed size" "$(client)" 632x434
check "the beads clicked at 200 percent and full screen moved" "$(total)" 6
kill "$pid"
# 4. A practice round by keyboard alone, seed 1 at level 10: Show 5 with the arrows and Space on
# the leftmost rod, Check; the total shows only once the task is right; Next; Stop Practice.
QUILLMERE_SEED=1 start_program "$program" "$errors"
xdotool key a
find_main_window
xdotool key alt+p s Down Down Down Down space && sleep 0.3 && strip=1710
printf '' | xclip -selection clipboard
check "the total is hidden while the task is open" "$(total)" ""
xdotool key alt+c && sleep 0.3
check "Check: the frame is right, the total shows" "$(total)" 5
xdotool key alt+p t && sleep 0.5
check "Stop Practice: the designed size again" "$(client)" 632x434
kill "$pid"
check "nothing on stderr, in each run" "$(grep -v XDG_RUNTIME_DIR "$errors")" ""
rm -f "$errors"
summary
