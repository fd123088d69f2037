#!/usr/bin/env bash
# Drives the real program with real X input (xdotool) under an X server with no window manager:
# the splash, bead clicks, the total read back through the clipboard, base 16, Exit from F2, and
# the end of the program when its last window is closed.
# Usage: realapp.sh path/to/quillmere   (DISPLAY must name a running X server)
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
cd "$(dirname "$program")"

passed=0
trap 'kill "${pid:-}" 2>/dev/null' EXIT
failed=0
check() { # check "what" actual expected
    if [[ "$2" == "$3" ]]; then
        passed=$((passed + 1)); echo "PASS: $1"
    else
        failed=$((failed + 1)); echo "FAIL: $1: got '$2', expected '$3'"
    fi
}

caption="Quillmere Version 1.05 - By Corwynne"
start() {
    "$program" 2>/tmp/quillmere-realapp.err &
    pid=$!
    xdotool search --sync --onlyvisible --classname quillmere >/dev/null
    sleep 0.3
}
main_window() { timeout 5 xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1; }

# Client-area coordinates in twips to screen pixels: the menu bar sits above the 434-pixel
# client area.
at() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo $((X + $1 / 15)) $((Y + HEIGHT - 434 + $2 / 15))
}
click_at() { xdotool mousemove $(at "$1" "$2") click 1; sleep 0.2; }
total() {
    click_at 8400 5200
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null
}
ended_within() { # seconds; sets $ended (run it in this shell: only it can wait for the program)
    ended="still running"
    for _ in $(seq $(($1 * 20))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            ended="ended $?"
            return
        fi
        sleep 0.05
    done
}

# 1. A key on the splash opens the main window; beads on two rods; base 16; F2 and Enter.
start
xdotool key a
window=$(main_window)
check "a key on the splash opens the main window" "$([[ -n "$window" ]] && echo yes)" yes
check "the main window's title" "$(xdotool getwindowname "$window")" "$caption"
click_at $((7200 + 247)) $((4440 + 247))   # rod 0, lower bead 3: brings beads 3 to 5
click_at $((480 + 247)) $((240 + 247))     # rod 14, outer bead: brings both upper beads
check "the total after two rods" "$(total)" 13
click_at 8500 2760                         # Hexa&Decimal
check "the total in base 16" "$(total)" D
xdotool key F2
sleep 0.5
xdotool key Return
ended_within 1
check "F2 then Enter ends the program at once" "$ended" "ended 0"

# 2. A click on the splash's panel; closing the last window through the window system.
start
xdotool mousemove $(($(xdotool getdisplaygeometry | cut -d' ' -f1) / 2)) \
    $(($(xdotool getdisplaygeometry | cut -d' ' -f2) / 2 + 120)) click 1
window=$(main_window)
check "a click on the splash's panel opens the main window" "$([[ -n "$window" ]] && echo yes)" yes
/usr/bin/python3 "$here/xclose.py" "$window"
ended_within 2
check "closing the last window ends the program" "$ended" "ended 0"
check "nothing on stderr" "$(grep -v XDG_RUNTIME_DIR /tmp/quillmere-realapp.err)" ""

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
