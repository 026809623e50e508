#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The catalogue of a language against the sources: lupdate reads the texts
marked in core/ and ui/ into a copy of it; every message must be there with a
finished translation that keeps the source's arguments (%1, %2 ...) and, where
the source has an access key, has one too; and no message may be left over
that the sources no longer have.

Usage: check_catalogue.py LUPDATE CATALOGUE.ts SOURCE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def messages(ts):
    for context in ET.parse(ts).getroot().iter("context"):
        for m in context.iter("message"):
            t = m.find("translation")
            yield (context.findtext("name"), m.findtext("source")), t.text or "", t.get("type", "")


def problems(lupdate, catalogue, sources):
    found = []
    with tempfile.TemporaryDirectory() as tmp:
        copy = Path(tmp) / Path(catalogue).name
        shutil.copy(catalogue, copy)
        run = subprocess.run([lupdate, "-no-obsolete", "-locations", "none", *sources, "-ts", str(copy)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            return ["lupdate failed: " + run.stderr]
        kept = {key for key, _, _ in messages(catalogue)}
        read = list(messages(copy))
    for key in kept - {key for key, _, _ in read}:
        found.append("no longer in the sources: %r" % (key[1],))
    for (context, source), text, kind in read:
        if kind or not text.strip():
            found.append("not translated: %r" % source)
            continue
        if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
            found.append("arguments differ: %r -> %r" % (source, text))
        if re.search(r"&[^& ]", source) and not re.search(r"&[^& ]", text):
            found.append("access key lost: %r -> %r" % (source, text))
        if context != "Ampero":
            found.append("context %r, not Ampero: %r" % (context, source))
    return found


def main(argv):
    if len(argv) < 4:
        print(__doc__)
        return 2
    found = problems(argv[1], argv[2], argv[3:])
    for p in found:
        print(p)
    print("%d problem(s) in %s" % (len(found), argv[2]))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
