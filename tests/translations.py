"""Every translation file complete and up to date with the code: lupdate, run on copies, finds no text a file lacks
(unfinished) or the code dropped (vanished, obsolete); each keeps its source's placeholders and a caption's one mnemonic.
Usage: translations.py path/to/lupdate path/to/sources"""
import glob, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ElementTree

lupdate, top = sys.argv[1:]
faults = []
with tempfile.TemporaryDirectory() as copies:
    files = [shutil.copy(ts, copies) for ts in sorted(glob.glob(f"{top}/assets/translations/*.ts"))]
    subprocess.run([lupdate, "-silent", "-locations", "none", f"{top}/app", f"{top}/mainwin", f"{top}/platform",
                    "-ts", *files], check=True)
    for ts in files:
        for message in ElementTree.parse(ts).iter("message"):
            source, translation = message.findtext("source"), message.find("translation")
            text, where = translation.text or "", f"{ts.split('/')[-1]}: {source!r} -> "
            if translation.get("type"):
                faults.append(where + translation.get("type"))
            elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                faults.append(where + f"{text!r}: not the same placeholders")
            elif "&" in source and text.count("&") != 1:
                faults.append(where + f"{text!r}: not one mnemonic mark")
print(*faults, f"{len(faults)} faults in {len(files)} files", sep="\n")
sys.exit(bool(faults))
