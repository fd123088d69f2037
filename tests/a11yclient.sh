#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the real program on the accessibility bus of a private D-Bus session, which the session
# starts on demand, and reads it with a real AT-SPI client, a11yclient.py, as a screen reader would.
# Usage: xvfb-run dbus-run-session a11yclient.sh path/to/quillmere [client.py [its arguments]]
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
cd "$(dirname "$program")" || exit # where the program finds its sound
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
trap 'kill $! 2>/dev/null' EXIT
/usr/bin/python3 "$here/${2:-a11yclient.py}" "${@:3}"
