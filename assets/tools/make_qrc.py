#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Rewrites assets/assets.qrc so that it lists every *.svg of assets/ under /img."""
import os

here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
names = sorted(f for f in os.listdir(here) if f.endswith(".svg"))
with open(os.path.join(here, "assets.qrc"), "w", encoding="utf-8") as f:
    f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n  <qresource prefix="/img">\n')
    for n in names:
        f.write("    <file>%s</file>\n" % n)
    f.write("  </qresource>\n</RCC>\n")
