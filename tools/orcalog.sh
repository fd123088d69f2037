#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the Orca screen reader says while the program is worked from the keyboard: starts Orca and
# the program under Xvfb on a private D-Bus session, presses each STEP with xdotool (key names;
# several in one quoted step), then prints the speech of Orca's debug log, step by step.
# Needs orca, xvfb, xdotool and at-spi2-core. Usage: tools/orcalog.sh path/to/quillmere STEP...
# The whole debug log is kept where ORCA_DEBUG_FILE names, if it is set.
# e.g. tools/orcalog.sh build/quillmere a "Tab Tab Tab Tab Tab Tab" Right space alt+h
set -euo pipefail
if [[ "${1:-}" != --inside ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" dbus-run-session -- "$0" --inside "$@"
fi
program=$(realpath "$2")
shift 2
log=${ORCA_DEBUG_FILE:-$(mktemp)}
marks=$(mktemp)
home=$(mktemp -d)
trap 'rm -rf "$marks" "$home"; [[ -n "${ORCA_DEBUG_FILE:-}" ]] || rm -f "$log"' EXIT
cd "$(dirname "$program")"
HOME=$home orca --replace --debug-file="$log" >/dev/null 2>&1 &
orca=$!
sleep 4
mark() { echo "$(date +%T.%6N) $1" >>"$marks"; }
mark "The program starts"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
app=$!
sleep 3
for step in "$@"; do
    mark "$step"
    # shellcheck disable=SC2086 # a step may hold several keys
    xdotool key --delay 300 $step
    sleep 2
done
kill "$app" 2>/dev/null || true
sleep 1
kill "$orca" # Orca writes out its log as it stops, but may not end by itself
sleep 3
kill -9 "$orca" 2>/dev/null || true
# Each line the speech of Orca's log goes under the last step pressed before it.
{ cat "$marks"; grep "SPEECH OUTPUT" "$log"; } | sort -s -k1,1 | awk '
    / - SPEECH OUTPUT: / { sub(/^.* - SPEECH OUTPUT: /, "    "); sub(/\{.*$/, ""); print; next }
    { $1 = ""; print substr($0, 2) ":" }'
