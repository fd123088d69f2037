#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later
#
# F5 through a speech-dispatcher of its own with espeak-ng, whose sound goes to a file (no sound
# card): the text the voice is given, in English and German, while the window goes on taking
# clicks; then a speech service that never answers: the message, and a window that answers.
# Usage: speech.sh path/to/quillmere   (DISPLAY must name a running X server)
set -uo pipefail
program=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/xdrive.sh"
cd "$(dirname "$program")" || exit 1
tmp=$(mktemp -d) && mkdir -p "$tmp/conf/modules" && touch "$tmp/conf/modules/espeak-ng.conf"
trap 'kill "${pid:-}" "${speechd:-}" "${mute:-}" 2>/dev/null; rm -rf "$tmp"' EXIT
printf '%s\n' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' \
    'AudioOutputMethod "alsa"' >"$tmp/conf/speechd.conf"
echo "pcm.!default { type file slave.pcm { type null } format raw file \"$tmp/sound.raw\" }" >"$tmp/asound"
ALSA_CONFIG_PATH=$tmp/asound speech-dispatcher -s -t 0 -C "$tmp/conf" -c unix_socket \
    -S "$tmp/socket" -l 5 -L "$tmp" >/dev/null 2>&1 &
speechd=$!
export SPEECHD_ADDRESS=unix_socket:$tmp/socket QUILLMERE_SEED=1
log=$tmp/speech-dispatcher.log
said() { # a step (F5, unless one is given), then the text and language the voice was given, as
    # speech-dispatcher logs them; nothing when it was given none within $wait tenths of a second
    local before && before=$(grep -ac 'output module: |<speak>' "$log" 2>/dev/null)
    if [[ $# -gt 0 ]]; then "$@"; else xdotool key F5; fi
    for _ in $(seq "${wait:-100}"); do
        [[ $(grep -ac 'output module: |<speak>' "$log") -gt $before ]] && break; sleep 0.1; done
    [[ $(grep -ac 'output module: |<speak>' "$log") -gt $before ]] || return 0
    grep -a 'output module: |<speak>\|^language=' "$log" | tail -n 2 | tac |
        sed 's/.*<speak>\(.*\)<\/speak>.*/\1/;s/^language=//' | paste -sd '|'
}
# 1. English: the total, then a bead clicked while the voice speaks; the task of a practice round;
# every total said, but not while the task is open.
start_program "$program" "$tmp/errors" && xdotool key a && find_main_window
click_bead 14 6 && click_bead 0 3
check "F5 says the total in words, in English" "$(said)" "The total is thirteen.|en-latn-us"
click_bead 0 4 beam
check "the window takes a click while the voice speaks" "$(total)" 11
xdotool key alt+p s && sleep 0.3 && strip=1710
check "F5 in practice says the task, its number in words" "$(said)" "Show five|en-latn-us"
# Speak Every Total: never while a task holds the total back (fault: the answer given away).
xdotool key alt+p e && sleep 0.3
check "every total: none while a task is open" "$(wait=30 said click_bead 0 1)" ""
xdotool key alt+p t && sleep 0.5 && strip=0
check "every total: the new one, once the answers show" "$(said click_bead 0 1 beam)" \
    "The total is four.|en-latn-us"
kill "$pid"
# 2. German: the number in German words, the German voice (the sentence is the translator's).
LANG=de_DE.UTF-8 start_program "$program" "$tmp/errors" && xdotool key a && find_main_window
click_bead 14 6 && click_bead 0 3
heard=$(said); check "F5 in German: German words, German voice" "${heard##* }" "dreizehn.|de-latn-de"
kill "$pid"
# 3. A speech service that takes the connection and never answers: the message within a few
# seconds, and meanwhile each click answered at once.
python3 -c 'import socket,sys,time; s=socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(); time.sleep(99)' "$tmp/mute" &
mute=$!
SPEECHD_ADDRESS=unix_socket:$tmp/mute start_program "$program" "$tmp/errors" && xdotool key a
find_main_window && xdotool key F5
start=$(date +%s%N) && click_bead 0 3 && now=$(total)
check "a click answered within a second while the voice hangs" "$now $((($(date +%s%N) - start) < 1000000000))" "3 1"
check "the message that no voice is there" "$(timeout 8 xdotool search --sync --onlyvisible --name '^Quillmere$' | wc -l)" 1
kill "$pid"
check "nothing on stderr" "$(grep -v XDG_RUNTIME_DIR "$tmp/errors")" ""
summary
