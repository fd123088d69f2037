"""The running program, read through AT-SPI as a screen reader would, in the language of the
system: LANG names it. The expected texts are those of the language's translation file beside
the program's sources; with no such file, the texts as written, byte for byte."""
import glob
import os
import sys

import pyatspi
from atspikit import act, check, find, finish, key

language = os.environ["LANG"].split(".")[0]
files = glob.glob(f"{sys.argv[1]}/quillmere_{language}.ts") + glob.glob(
    f"{sys.argv[1]}/quillmere_{language.split('_')[0]}.ts")
translations = {}
if files:
    import xml.etree.ElementTree as ElementTree
    for message in ElementTree.parse(files[0]).iter("message"):
        translations[message.findtext("source")] = message.findtext("translation")
def tr(text, *args):
    text = translations.get(text) or text  # an unfinished one shows as written
    for number, arg in enumerate(args, 1):
        text = text.replace(f"%{number}", str(arg))
    return text
caption = lambda text: tr(text).replace("&", "")  # a CJK "(&H)" is not among the checks' texts

app = find(pyatspi.Registry.getDesktop(0), "Quillmere")
splash = find(app, lambda a: a.getRole() == pyatspi.ROLE_DIALOG)
check("the splash's texts", sorted(a.name for a in pyatspi.findAllDescendants(splash, lambda a: a.name)),
      sorted(["Dunmarrow", "Quillmere", tr("For Windows 95/98 /NT"), tr("Version %1.%2.%3", 1, 0, 5),
              tr("Dunmarrow Created By Corwynne"), tr("Press any key or click mouse to continue"),
              tr("%1 logo", "Quillmere")]))
key("a")
window = find(app, lambda a: a.getRole() == pyatspi.ROLE_FRAME)
check("the window's title and keys", (window.name, window.description),
      (tr("Quillmere Version 1.05 - By Corwynne"), tr("Ctrl+Plus zooms in, Ctrl+Minus zooms out, "
       "Ctrl+0 gives the designed size, F11 full screen, Esc leaves it, Ctrl+M turns the click sound off or on")))
check("the buttons", sorted(a.name for a in find(app, tr("Rod %1", 1)).parent
      if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.getState().contains(pyatspi.STATE_SHOWING)),
      sorted(caption(c) for c in ["&Hide Answers", "&View Answers", "Hexa&Decimal", "&Reset", "&Exit"]))
rod = find(app, tr("Rod %1", 3))
check("a rod's first bead and its value", (rod[0].name, rod[7].name),
      (tr("%1, %2", tr("%1, upper outer bead", tr("Rod %1", 3)), tr("at rest")), tr("%1 value", tr("Rod %1", 3)) + " 0"))
check("the total and the menu", [find(app, tr(t)).getRoleName() for t in ["Total", "Read-out in base 10"]]
      + [find(app, caption("&File")).getRoleName()], ["text", "label", "menu item"])
act(window, caption("&Exit"))
box = find(app, lambda a: a.getRole() == pyatspi.ROLE_ALERT)
check("the message box", sorted(a.name for a in pyatspi.findAllDescendants(box, lambda a: a.name)),
      sorted([tr("Good Bye!"), {"ar": "حسنًا"}.get(language[:2], "OK")]))
finish()
