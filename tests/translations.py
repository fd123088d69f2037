"""Every translation file is complete and up to date with the code: lupdate, run on copies, finds
no text that a file lacks (unfinished) and none the code has dropped (vanished, obsolete); every
translation keeps its source's placeholders, and a caption's one mnemonic mark.
Usage: translations.py path/to/lupdate path/to/sources"""
import glob
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

lupdate, top = sys.argv[1:]
failed = 0
with tempfile.TemporaryDirectory() as copies:
    files = [shutil.copy(ts, copies) for ts in sorted(glob.glob(f"{top}/assets/translations/*.ts"))]
    subprocess.run([lupdate, "-silent", "-locations", "none", *(f"{top}/{d}" for d in ["app", "mainwin", "platform"]),
                    "-ts", *files], check=True)
    for ts in files:
        faults = []
        for message in ElementTree.parse(ts).iter("message"):
            source, translation = message.findtext("source"), message.find("translation")
            if translation.get("type"):
                faults.append(f"{translation.get('type')}: {source}")
            elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation.text or "")):
                faults.append(f"placeholders: {source} -> {translation.text}")
            elif "&" in source and (translation.text or "").count("&") != 1:
                faults.append(f"mnemonic: {source} -> {translation.text}")
        failed += len(faults)
        print(f"{ts.split('/')[-1]}: {len(faults)} faults", *faults, sep="\n  ")
print(f"{failed} faults")
sys.exit(failed != 0)
