# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every translation file complete and current: lupdate, run on copies, finds no text a file lacks (unfinished) or the
code dropped (vanished, obsolete); each keeps its source's placeholders and a caption's one mnemonic; no access key
serves two captions that answer at once, in any case; a language's .ts and .po files name our terms alike.
Usage: translations.py path/to/lupdate path/to/sources"""
import glob, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ElementTree

lupdate, top = sys.argv[1:]
faults = []
# Fault: two captions that answer at once share an access key, which then reaches only one of them.
KEYED = [{"Form1": "&Hide Answers|&View Answers|Hexa&Decimal|&Base 10|&Reset|&Exit|&File",
          "mainwin::PracticeMode": "&Practice", "mainwin::PracticeStrip": "&Check|Show &Me|&Next"},
         {"mainwin::PracticeMode": "&Show a Number|&Read the Frame|&Level|Tasks in &Words|S&top Practice",
          "mainwin::Aloud": "Speak &Every Total"}]
# Fault: the program and its desktop files name one thing two ways. Per language, as patterns: our word/words we avoid.
K = r"/Ctrl\+(Plus|Minus)"  # key names left in English
TERMS = {"de": "Kugel/Perle Dezimal/zehnersys verdeck/ausblend Strg/Ctrl", "es": r"Ctrl\+Más.*Ctrl\+Menos" + K,
         "fr": r"boule/perle cach/masqu Ctrl\+Moins/Ctrl\+Minus Échap/\bEsc\b",
         "pt_BR": r"escond/ocult Ctrl\+Mais.*Ctrl\+Menos" + K, "pl": "bel[ck]/poprzeczk dziesiątkow/dziesiętn",
         "it": r"abaco/(?<!;)pallottoliere \bast[ae]\b/asticell Ctrl\+Più.*Ctrl\+Meno" + K,  # pallottoliere: a keyword
         "nl": r"staaf/staafj basis\s1[06]/tientallig|zestientallig|grondtal volledig\sscherm/schermvullend",
         "zh_CN": r"的数/值 Ctrl\+加号.*Ctrl\+减号" + K, "ar": r"Ctrl\+زائد.*Ctrl\+ناقص" + K,
         "ja": r"かくす/消 の数/の値 10進数/進法 Ctrl\+プラス.*Ctrl\+マイナス" + K}
def clashes(name, translate):
    for group in KEYED:
        keys = [key[1].casefold() for context, sources in group.items() for source in sources.split("|")
                if (key := re.search("&(.)", translate(context, source) or ""))]
        if len(set(keys)) < len(keys):
            faults.append(f"{name}: an access key used twice: {' '.join(keys)}")
clashes("English", lambda context, source: source)
with tempfile.TemporaryDirectory() as copies:
    files = [shutil.copy(ts, copies) for ts in sorted(glob.glob(f"{top}/assets/translations/*.ts"))]
    subprocess.run([lupdate, "-silent", "-locations", "none", f"{top}/app", f"{top}/mainwin", f"{top}/platform",
                    "-ts", *files], check=True)
    for ts in files:
        tree = ElementTree.parse(ts)
        for message in tree.iter("message"):
            source, translation = message.findtext("source"), message.find("translation")
            text, where = translation.text or "", f"{ts.split('/')[-1]}: {source!r} -> "
            if translation.get("type"):
                faults.append(where + translation.get("type"))
            elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                faults.append(where + f"{text!r}: not the same placeholders")
            elif "&" in source and text.count("&") != 1:
                faults.append(where + f"{text!r}: not one mnemonic mark")
        texts = {(context.findtext("name"), message.findtext("source")): message.findtext("translation")
                 for context in tree.iter("context") for message in context.iter("message")}
        clashes(ts.split("/")[-1], lambda *caption: texts.get(caption))
        language = tree.getroot().get("language")
        po = re.sub('"\n"', "", open(f"{top}/assets/translations/{language}.po", encoding="utf-8").read())
        for kind, text in ("ts", " ".join(map(str, texts.values()))), ("po", " ".join(re.findall('msgstr "(.*)"', po))):
            for ours, others in (pair.split("/") for pair in TERMS[language].split()):
                if (other := re.search(others, text, re.I)) or not re.search(ours, text, re.I):
                    faults.append(f"{language}.{kind}: " + (f"{other[0]!r}, not /{ours}/" if other else f"no /{ours}/"))
print(*faults, f"{len(faults)} faults in {len(files)} files", sep="\n")
sys.exit(bool(faults))
