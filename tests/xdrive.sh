# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the shell tests: records checks, and drives the real program under X with xdotool.
passed=0 failed=0 zoom=100 # $zoom: see click_at
check() { # check "what" actual expected
    if [[ "$2" == "$3" ]]; then passed=$((passed + 1)); echo "PASS: $1"
    else failed=$((failed + 1)); echo "FAIL: $1: got '$2', expected '$3'"; fi
}
summary() { echo "$passed passed, $failed failed"; [[ $failed -eq 0 ]]; }
caption="Quillmere Version 1.05 - By Corwynne"
# start_program PROGRAM STDERR-FILE: starts the program, adding what it writes on stderr to the
# file, and waits for its splash; sets $pid.
start_program() {
    "$1" 2>>"$2" &
    pid=$!
    timeout 10 xdotool search --sync --onlyvisible --classname quillmere >/dev/null
    sleep 0.3
}
# Sets $window to the main window once it is up, again when the splash closing made xdotool fail.
find_main_window() {
    for _ in 1 2 3; do
        window=$(timeout 5 xdotool search --sync --onlyvisible --name "^$caption\$" 2>/dev/null | head -n 1)
        [[ -n "$window" ]] && return; done
}
# click_at X Y: a click at a place given in twips within the main window's client area, which
# is 434 pixels high below the menu bar at a $zoom of 100 percent, and $strip twips more while
# the practice strip shows.
strip=0
click_at() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + $1 * zoom / 1500)) $((Y + HEIGHT + (${2} - 6510 - strip) * zoom / 1500)) click 1
    sleep 0.2
}
# The total as the text box holds it, read through the clipboard.
total() {
    click_at 8400 5200
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null
}
# click_bead ROD BEAD [beam]: a click on the middle of a bead where it is designed to stand: rod 0
# is the rightmost; BEAD 1..5 is a lower bead from the bottom, 6 the outer bead, 7 the inner one.
rest_tops=(4920 4680 4440 4200 3960 240 480) beam_tops=(3000 2760 2520 2280 2040 1320 1560)
click_bead() {
    local tops=("${rest_tops[@]}") && [[ "${3:-}" == beam ]] && tops=("${beam_tops[@]}")
    click_at $((7200 - 480 * $1 + 247)) $((tops[$2 - 1] + 247))
}
