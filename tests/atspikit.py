# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the AT-SPI clients share: counted checks; finding, acting and typing as a screen reader's user."""
import subprocess
import sys
import time

import pyatspi

failed = 0
def check(what, actual, expected):
    global failed
    failed += actual != expected
    print(f"PASS: {what}" if actual == expected else f"FAIL: {what}: {actual!r}, not {expected!r}")
def find(root, test):  # the first object below root that passes test, or that has test as name
    for _ in range(50):  # the program may still be starting
        if found := pyatspi.findDescendant(root, test if callable(test) else lambda a: a.name == test):
            return found
        time.sleep(0.1)
    raise LookupError(test)
def act(root, name):  # the first action of the object named, below root
    find(root, name).queryAction().doAction(0)
    time.sleep(0.5)
def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)
    time.sleep(0.5)
def finish():
    print(f"{failed} failed")
    sys.exit(failed != 0)
