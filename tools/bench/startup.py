#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start-up time: from starting a program to the X server mapping its first window.

Usage: startup.py [--runs N] PROGRAM REFERENCE [OTHER...]   (DISPLAY must name an X server)
Each program is a command line, e.g. "build/tools/bench/quillmere_reference --text".

The clock starts just before the program is started (fork and exec are counted) and stops when
the X server reports, through a MapNotify event on the root window, that a window of the program
(told by its _NET_WM_PID) has been mapped. Listening for the event instead of polling with
xdotool or xwininfo costs the program nothing and adds no polling delay. The two programs take
turns, so that a change in the machine's load falls on all alike; a first, untimed run of each
fills the file cache. Prints each program's median in ms and its ratio to the reference's.
"""
import argparse
import os
import select
import shlex
import statistics
import subprocess
import sys
import time

from Xlib import X, display

TIMEOUT_S = 20


def time_to_map(disp, command):
    pid_atom = disp.intern_atom("_NET_WM_PID")
    disp.sync()
    while disp.pending_events():
        disp.next_event()
    start = time.monotonic()
    child = subprocess.Popen(command, cwd=os.path.dirname(command[0]),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = start + TIMEOUT_S
        while time.monotonic() < deadline:
            if not disp.pending_events():
                select.select([disp.fileno()], [], [], deadline - time.monotonic())
            while disp.pending_events():
                event = disp.next_event()
                if event.type != X.MapNotify:
                    continue
                mapped = time.monotonic()
                pid = event.window.get_full_property(pid_atom, X.AnyPropertyType)
                if pid is not None and pid.value[0] == child.pid:
                    return (mapped - start) * 1000
        raise RuntimeError(f"{command[0]} mapped no window in {TIMEOUT_S} s")
    finally:
        child.terminate()
        child.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("program")
    parser.add_argument("reference")
    parser.add_argument("others", nargs="*")
    args = parser.parse_args()
    names = [args.program, args.reference] + args.others
    commands = []
    for name in names:
        command = shlex.split(name)
        commands.append([os.path.realpath(command[0])] + command[1:])

    disp = display.Display()
    disp.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    for command in commands:
        time_to_map(disp, command)
    times = [[] for _ in commands]
    for _ in range(args.runs):
        for index, command in enumerate(commands):
            times[index].append(time_to_map(disp, command))

    medians = [statistics.median(t) for t in times]
    for name, median, runs in zip(names, medians, times):
        spread = ", ".join(f"{t:.1f}" for t in sorted(runs))
        print(f"{name}: median {median:.1f} ms, {median / medians[1]:.2f} x reference ({spread})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
