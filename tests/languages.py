# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The running program read through AT-SPI in the language LANG names: its .ts file's texts, or the texts as written."""
import glob, os, re, sys
import xml.etree.ElementTree as ElementTree

import pyatspi
from atspikit import act, check, find, finish, key

language = (os.environ.get("LANGUAGE") or os.environ["LANG"]).split(":")[0].split(".")[0]
files = glob.glob(f"{sys.argv[1]}/quillmere_{language}.ts") or glob.glob(f"{sys.argv[1]}/quillmere_{language[:2]}.ts")
translated = {m.findtext("source"): m.findtext("translation") for f in files[:1] for m in ElementTree.parse(f).iter("message")}
def tr(text, *args):  # an unfinished translation shows as written
    return re.sub(r"%(\d)", lambda m: str(args[int(m[1]) - 1]), translated.get(text) or text)
caption, role = lambda text: tr(text).replace("&", ""), lambda r: lambda a: a.getRole() == r
app = find(pyatspi.Registry.getDesktop(0), "Quillmere")
splash = find(app, role(pyatspi.ROLE_DIALOG))
check("the splash, a dialog named Quillmere, its logo a picture", (splash.name, find(splash, tr("%1 logo", "Quillmere")).getRoleName()), ("Quillmere", "image"))
check("the splash's texts", sorted(a.name for a in pyatspi.findAllDescendants(splash, lambda a: a.name)),
      sorted(["Dunmarrow", "Quillmere", tr("For Windows 95/98 /NT"), tr("Version %1.%2.%3", 1, 0, 5),
              tr("Dunmarrow Created By Corwynne"), tr("Press any key or click mouse to continue"), tr("%1 logo", "Quillmere")]))
key("a")
window = find(app, role(pyatspi.ROLE_FRAME))
check("the window's title and keys", (window.name, window.description),
      (tr("Quillmere Version 1.05 - By Corwynne"), tr("Ctrl+Plus zooms in, Ctrl+Minus zooms out, Ctrl+0 gives the designed "
       "size, F11 full screen, Esc leaves it, Ctrl+M turns the click sound off or on") + tr(", F5 says the task or the total aloud")))
check("the buttons", sorted(a.name for a in find(app, tr("Rod %1", 1)).parent
                            if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.getState().contains(pyatspi.STATE_SHOWING)),
      sorted(caption(c) for c in ["&Hide Answers", "&View Answers", "Hexa&Decimal", "&Reset", "&Exit"]))
rod = find(app, tr("Rod %1", 3))
check("a rod's first bead and its value", (rod[0].name, rod[7].name),
      (tr("%1, %2", tr("%1, upper outer bead", tr("Rod %1", 3)), tr("at rest")), tr("%1 value", tr("Rod %1", 3)) + " 0"))
check("the total, a base mark and the menu", [find(app, name).getRoleName() for name in
      [tr("Total"), tr("Read-out in base 10"), caption("&File")]], ["text", "label", "menu item"])
act(window, caption("&Exit"))
check("the message box", sorted(a.name for a in pyatspi.findAllDescendants(find(app, role(pyatspi.ROLE_ALERT)), lambda a: a.name)),
      sorted([tr("Good Bye!"), {"ar": "حسنًا"}.get(language[:2], "OK")]))  # Qt's own word for OK
finish()
