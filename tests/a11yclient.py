# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The running program as a screen reader finds it through AT-SPI: the splash, the tree of the main
window, a bead moved through its accessible action and by keyboard alone, the rod values and the
total read back, and nothing of the rod values while the answers are hidden."""
import pyatspi
from atspikit import check, find, finish, key
import atspikit  # for act, below the program

R, B = "at rest", "at the beam"
act = lambda name: atspikit.act(app, name)
def rod(number):  # the names in a rod's group: its beads top to bottom and its label
    return [a.name for a in find(app, f"Rod {number}")]
def beads(number, value, *places):
    kinds = ["upper outer bead", "upper inner bead"] + [f"lower bead {k}" for k in range(5, 0, -1)]
    return [f"Rod {number}, {k}, {p}" for k, p in zip(kinds, places)] + [f"Rod {number} value {value}"]
def readout(number):  # a rod label's text, None when it has none, and the total
    try:
        text = find(app, f"Rod {number}")[7].queryText().getText(0, -1)
    except Exception:
        text = None
    return text, find(app, "Total").queryText().getText(0, -1)

app = find(pyatspi.Registry.getDesktop(0), "Quillmere")
key("a")
client = find(app, "Rod 1").parent
check("rods are groups, left to right", [a.name for a in client][:15], [f"Rod {n}" for n in range(1, 16)])
check("no lines, and only the announcer has no name", [a.getRoleName() for a in client if not a.name],
      ["notification"])
check("a rod's beads and label", rod(1), beads(1, 0, *[R] * 7))
act("Rod 15, lower bead 3, at rest")
check("the click action", (rod(15), readout(15)), (beads(15, 3, R, R, B, B, B, R, R), ("3", "3")))

focused = lambda: find(app, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED)).name
news = lambda: find(app, lambda a: a.getRole() == pyatspi.ROLE_NOTIFICATION).name
check("first focus", focused(), "View Answers")
key(*["Tab"] * 6)
check("Tab after the total enters the frame", focused(), "Rod 1, lower bead 5, at rest")
key("Left", "Right", "Down")
check("arrows: none past the left edge, right, down", focused(), "Rod 2, lower bead 4, at rest")
key("space")
check("Space keeps the focus on the bead", focused(), "Rod 2, lower bead 4, at the beam")
check("Space moves beads", (rod(2), readout(2)), (beads(2, 2, R, R, B, B, R, R, R), ("2", "5")))
check("what is announced", news(), "Rod 2, lower bead 4, at the beam. Rod 2 value 2")
act("Hide Answers")
key("space")
check("hidden answers", (rod(2)[7], readout(2), news()),
      ("Rod 2 value", (None, "4"), "Rod 2, lower bead 4, at rest"))
act("View Answers")
check("answers shown again", (rod(2)[7], readout(2)), ("Rod 2 value 1", ("1", "4")))
# Practice, seed 1 at level 10: the task is the strip's first text and is announced; until the check
# no rod value or total is in the tree, nor in what is announced as beads move.
key("alt+p", "s")
task = find(app, "Practice")[0].name
check("the task, first in the strip and announced", (task, news()), ("Show 5", "Show 5"))
act("Rod 15, lower bead 1, at rest")
check("nothing of the answer before the check", ([rod(n)[7] for n in (1, 15)], readout(15), news()),
      (["Rod 1 value", "Rod 15 value"], (None, ""), "Rod 15, lower bead 1, at the beam"))
act("Check")
check("the check, announced; the answers shown", (news(), readout(15)), ("Right! The frame shows 5.", ("5", "5")))
key("Return")
check("Return on Next: the next task, announced", news(), "Show 10")
finish()
