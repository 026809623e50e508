#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Static check of the pictures in assets/.

For every picture the window needs it checks: the file exists, it is listed in
assets.qrc, width/height are the expected pixel size with a matching viewBox,
it uses nothing QtSvg's Tiny profile ignores (no <style>, class, filter, mask,
marker, embedded or external images/references), every <text> uses
DejaVu Sans at 8 px or more, and the texts that must be readable in it are
there verbatim. Exits 1 on any problem; prints 'N passed, N failed'.

usage: check_assets.py [ASSETS_DIR]
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"

# name: (width, height, texts that must appear)
PICTURES = {
    "wood": (20, 223, []),
    "ampero": (64, 64, ["Ω"]),
    "logo_left": (32, 32, []),
    "logo_right": (32, 32, []),
    "nav_ohm": (16, 16, []),
    "nav_rc": (16, 16, []),
    "nav_cap": (16, 16, []),
    "nav_coil": (16, 16, []),
    "nav_res": (16, 16, []),
    "nav_tools": (16, 16, []),
    "divider": (100, 112, ["Uin", "Uut", "R1", "R2"]),
    "start_m1": (150, 125, ["U = R · I"]),
    "start_m2": (150, 125, []),
    "start_m3": (150, 125, ["NE 555"]),
    "start_m4": (150, 125, []),
    "start_m5": (150, 125, []),
    "start_m6": (150, 125, []),
    "resistor": (190, 51, ["+"]),
    "bulb_off": (65, 80, []),
    "bulb_on": (65, 80, []),
    "leds": (353, 95, ["15 mA", "2,0 V", "30 mA", "3,6 V", "enl. datablad", "−", "+"]),
    "info_lpt": (180, 150, ["LPT", "330 Ω", "GND", "D0", "D7"]),
    "info_opto": (150, 150, ["1,2 - 1,4 Vf", "20 mA"]),
    "rc_stage": (220, 113, ["Fo = 1/(2*Pi*R*C)", "R", "C"]),
    "multivib": (220, 113, ["R", "C"]),
    "pulse_t1": (130, 60, ["t1"]),
    "comp_res": (30, 28, []),
    "comp_cap": (30, 28, []),
    "comp_freq": (30, 28, ["Hz"]),
    "ne555_pulse": (148, 31, ["1", "0", "tH", "tL"]),
    "info_rc1": (180, 160, ["NE 555", "Ra", "Rb", "C"]),
    "info_rc2": (180, 160, ["τ = R · C", "63 %"]),
    "coil_xl": (200, 130, ["XL", "~"]),
    "coil_dim": (200, 100, ["n", "l", "d"]),
    "coil_al": (200, 100, ["AL", "n"]),
    "info_coil": (350, 200, [
        "L = 0.08·d²·n² / (3·d + 9·l)",
        "l och d i cm, L i µH",
        "AL-värde i nH/N²",
        "N = √(L / AL)",
        "Högst Q: spolens längd 2 - 2,5 × diametern",
        "Spolens diameter = 5 × tråddiametern",
        "Spolar på ferrit- och järnkärnor: se hjälpen",
    ]),
    "cap_xc": (220, 150, ["XC", "µF", "+", "−"]),
    "series_caps": (147, 87, ["22 pF", "48 pF", "15,1 pF"]),
    "info_cap": (250, 230, [
        "Kondensatorer",
        "1 pF (picofarad) = 10^-12 = 0.000 000 000 001 farad",
        "1 nF (nanofarad) = 10^-9 = 0.000 000 001",
        "1 uF (microfarad) = 10^-6 = 0.000 001",
        "1 nF = 1000 pF",
        "1 µF = 1 000 000 pF",
        "Ett gott råd arbeta i picofarad pF vid Era beräkningar",
    ]),
    "res_lc": (227, 187, []),  # its "pF" is the window's caption over the drawing
    "imp_par": (150, 110, ["pF", "Z"]),
    "imp_ser": (150, 110, ["Z"]),
    "info_res": (330, 220, [
        "f = 1/(2·Pi·√(L·C))",
        "Zpar = 1/√(1/R² + (1/XL − 1/XC)²)",
        "Zserie = √(R² + (XL − XC)²)",
        "XL = 2·Pi·f·L",
        "XC = 1/(2·Pi·f·C)",
        "f i Hz, L i Henry, C i Farad",
        "Negativt svar betyder att kondensatorn dominerer",
    ]),
}

# The English pictures beside those that write Swedish words or a decimal
# comma: "<name>.en.svg", the same size, its texts in English.
PICTURES.update({
    "leds.en": (353, 95, ["15 mA", "2.0 V", "30 mA", "3.6 V", "per datasheet", "−", "+"]),
    "series_caps.en": (147, 87, ["22 pF", "48 pF", "15.1 pF"]),
    "info_opto.en": (150, 150, ["1.2 - 1.4 Vf", "20 mA"]),
    "coil_al.en": (200, 100, ["AL", "n", "ferrite core"]),
    "divider.en": (100, 112, ["Uin", "Uout", "R1", "R2"]),
    "info_cap.en": (250, 230, ["Capacitors", "1 nF = 1000 pF", "A good tip: work in picofarads, pF, in your calculations"]),
    "info_coil.en": (350, 200, ["l and d in cm, L in µH", "AL value in nH/N²", "Best Q: coil length 2 - 2.5 × its diameter",
                                "Coil diameter = 5 × the wire diameter", "Coils on ferrite and iron cores: see the help"]),
    "info_res.en": (330, 220, ["Resonance and impedance", "Zseries = √(R² + (XL − XC)²)", "f in Hz, L in henries, C in farads",
                               "A negative answer: the capacitor dominates"]),
})
SWEDISH = re.compile(r"[åäöÅÄÖ]|\d,\d|\b(och|i|enl|Uut)\b")

FORBIDDEN_TAGS = {"style", "filter", "mask", "marker", "image", "foreignObject",
                  "clipPath", "pattern", "script"}
FORBIDDEN_ATTRS = {"class", "filter", "mask", "marker-start", "marker-mid",
                   "marker-end", "clip-path", "style"}


def local(tag):
    return tag.split("}", 1)[1] if "}" in tag else tag


def check_file(path, w, h, texts):
    problems = []
    raw = open(path, encoding="utf-8").read()
    try:
        root = ET.fromstring(raw)
    except ET.ParseError as e:
        return ["not well-formed XML: %s" % e]
    if local(root.tag) != "svg":
        problems.append("root element is not <svg>")
    if root.get("width") != str(w) or root.get("height") != str(h):
        problems.append("width/height %s x %s, expected %d x %d"
                        % (root.get("width"), root.get("height"), w, h))
    if (root.get("viewBox") or "").split() != ["0", "0", str(w), str(h)]:
        problems.append("viewBox %r, expected '0 0 %d %d'" % (root.get("viewBox"), w, h))
    found_text = []
    for el in root.iter():
        tag = local(el.tag)
        if tag in FORBIDDEN_TAGS:
            problems.append("uses <%s>" % tag)
        for a, v in el.attrib.items():
            an = local(a)
            if an in FORBIDDEN_ATTRS:
                problems.append("<%s> uses attribute %s" % (tag, an))
            if an == "href" and not v.startswith("#"):
                problems.append("external reference %r" % v)
            if "url(" in v and not re.fullmatch(r"url\(#[\w-]+\)", v.strip()):
                problems.append("non-local url %r" % v)
        if tag == "text":
            fam = el.get("font-family") or ""
            size = el.get("font-size")
            # font attributes may be inherited from a <g>; look upward
            if not fam or not size:
                for anc in ancestors(root, el):
                    fam = fam or anc.get("font-family") or ""
                    size = size or anc.get("font-size")
            if "DejaVu Sans" not in fam:
                problems.append("text %r not in DejaVu Sans" % text_of(el))
            if size is None or float(size) < 8:
                problems.append("text %r font-size %s below 8 px" % (text_of(el), size))
            found_text.append(text_of(el))
    joined = " ".join(" ".join(found_text).split())
    for t in texts:
        if " ".join(t.split()) not in joined:
            problems.append("text %r missing" % t)
    return problems


def ancestors(root, el):
    parent = {c: p for p in root.iter() for c in p}
    out = []
    while el in parent:
        el = parent[el]
        out.append(el)
    return out


def text_of(el):
    return "".join(el.itertext())


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    assets = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(here)
    qrc_path = os.path.join(assets, "assets.qrc")
    listed = []
    try:
        qrc = ET.parse(qrc_path).getroot()
        for q in qrc.iter("qresource"):
            if q.get("prefix") != "/img":
                print("FAIL assets.qrc: prefix %r, expected '/img'" % q.get("prefix"))
            listed += [f.text.strip() for f in q.iter("file")]
    except (OSError, ET.ParseError) as e:
        print("FAIL assets.qrc: %s" % e)
    passed = failed = 0
    for name, (w, h, texts) in PICTURES.items():
        fname = name + ".svg"
        path = os.path.join(assets, fname)
        problems = []
        if not os.path.exists(path):
            problems.append("missing")
        else:
            problems += check_file(path, w, h, texts)
        if fname not in listed:
            problems.append("not listed in assets.qrc")
        if problems:
            failed += 1
            for p in problems:
                print("FAIL %-16s %s" % (fname, p))
        else:
            passed += 1
            print("ok   %s" % fname)
    for f in listed:
        if not os.path.exists(os.path.join(assets, f)):
            failed += 1
            print("FAIL assets.qrc lists %s, which does not exist" % f)
    for f in sorted(os.listdir(assets)):
        if f.endswith(".svg") and f[:-4] not in PICTURES:
            failed += 1
            print("FAIL %s: a picture nobody expects" % f)
        # Swedish on a picture: its English one beside it, and none there.
        elif f.endswith(".svg") and SWEDISH.search(" ".join(text_of(t) for t in ET.parse(os.path.join(assets, f)).getroot().iter(SVG + "text"))):
            if f.endswith(".en.svg") or f[:-4] + ".en" not in PICTURES:
                failed += 1
                print("FAIL %s: Swedish words or a decimal comma without an English picture beside it" % f)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
