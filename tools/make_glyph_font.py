#!/usr/bin/env python3
"""Builds data/tandrell.ttf, the program's glyph font "Tandrell".

The font derives from DejaVu Sans (and takes a few letter shapes from
DejaVu Sans Condensed). The DejaVu licence (Bitstream Vera licence
with DejaVu's public-domain changes) allows derived fonts under a new name;
its copyright and licence notices are carried into the font's name table.

What the font holds:
  * ordinary text (Basic Latin, Latin-1, Latin Extended-A and the other
    Windows-1252 characters) at their usual code points, unchanged from
    DejaVu Sans, for the wheel legends and names;
  * every glyph code the wheel drawing uses at the private-use code point
    U+F000 + code: digits 48..57, the retrograde mark 156, the aspects
    161..176 (aspect code + 159), the contraparallel 177, the signs 192..203
    (sign + 191), the grid corner mark 223 and the bodies 224..238
    (body + 223).
Astrological symbols come from DejaVu Sans where it has them; the rest are
drawn here from strokes or put together from scaled letters.

Run by hand after a change, and commit the result:
  fontforge -lang=py -script tools/make_glyph_font.py
  /usr/bin/python3 tools/make_glyph_font.py   (with python3-fontforge)
"""
import math
import os
import sys

# A fixed date in the font's tables keeps the build byte for byte repeatable.
os.environ.setdefault("SOURCE_DATE_EPOCH", "1704067200")

import fontforge  # noqa: E402
import psMat  # noqa: E402

DEJAVU_DIR = "/usr/share/fonts/truetype/dejavu"
BASE_FONT = os.path.join(DEJAVU_DIR, "DejaVuSans.ttf")
LETTER_FONT = os.path.join(DEJAVU_DIR, "DejaVuSansCondensed.ttf")
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data",
                   "tandrell.ttf")

PUA = 0xF000
ADVANCE = 1836          # advance width of every symbol glyph (DejaVu's)
STROKE = 130            # pen width of the drawn symbols
TOP = 1400              # drawn aspects stand between y = 0 and TOP

# Ordinary text kept at its own code points: Basic Latin, Latin-1,
# Latin Extended-A and the rest of Windows-1252.
TEXT_CODEPOINTS = (list(range(0x20, 0x7F)) + list(range(0xA0, 0x180)) +
                   [0x0192, 0x02C6, 0x02DC, 0x2013, 0x2014, 0x2018, 0x2019,
                    0x201A, 0x201C, 0x201D, 0x201E, 0x2020, 0x2021, 0x2022,
                    0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122])

# Glyphs copied from DejaVu Sans: code -> (source code point, fit height).
# A fit height of None keeps the source size and only centres the glyph.
COPIED = {
    # bodies, code = body + 223
    224: (0x2609, None),   # Sun
    225: (0x263F, None),   # Mercury
    226: (0x2640, None),   # Venus
    227: (0x2642, None),   # Mars
    228: (0x2643, None),   # Jupiter
    229: (0x2644, None),   # Saturn
    230: (0x2645, None),   # Uranus
    231: (0x2646, None),   # Neptune
    232: (0x2647, None),   # Pluto
    233: (0x263D, None),   # Moon
    234: (0x260A, None),   # North Node
    235: (0x260B, None),   # South Node
    236: (0x26B7, None),   # Chiron
    # aspects, code = aspect code + 159
    161: (0x260C, TOP),    # conjunction
    163: (0x25A1, 1150),   # square
    164: (0x25B3, 1250),   # trine
    165: (0x260D, 1250),   # opposition
    168: (0x2220, 1150),   # semi-square
    # retrograde mark
    156: (0x211E, None),
    # grid corner mark (the label of the empty first grid column)
    223: (0x25C6, 700),
}
for sign in range(1, 13):               # Aries .. Pisces, code = sign + 191
    COPIED[sign + 191] = (0x2647 + sign, None)

# Glyphs put together from letters of DejaVu Sans Condensed, set as large
# as LETTER_HEIGHT and LETTER_WIDTH allow: code -> letters.
LETTERED = {
    237: "AC",     # Ascendant
    238: "MC",     # Midheaven
    171: "sQ",     # semi-quintile
    172: "N",      # nonagen
    173: "Q",      # quintile
    174: "Tr",     # trecile
    175: "bQ",     # bi-quintile
    176: "S7",     # septile
}
LETTER_HEIGHT = 1250    # capital height at most
LETTER_WIDTH = 1680     # width of the letter group at most
CAP_HEIGHT = 1493       # DejaVu's capital height

DIGITS = "zero one two three four five six seven eight nine".split()


def polyline(pen, points, closed=False):
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    if closed:
        pen.closePath()
    else:
        pen.endPath()


def circle(pen, cx, cy, r):
    k = 0.5523 * r
    pen.moveTo((cx + r, cy))
    pen.curveTo((cx + r, cy + k), (cx + k, cy + r), (cx, cy + r))
    pen.curveTo((cx - k, cy + r), (cx - r, cy + k), (cx - r, cy))
    pen.curveTo((cx - r, cy - k), (cx - k, cy - r), (cx, cy - r))
    pen.curveTo((cx + k, cy - r), (cx + r, cy - k), (cx + r, cy))
    pen.closePath()


def draw_sextile(pen):
    cx, cy, r = ADVANCE / 2, TOP / 2, TOP / 2
    for deg in (90, 30, 150):
        a = math.radians(deg)
        dx, dy = r * math.cos(a), r * math.sin(a)
        polyline(pen, [(cx - dx, cy - dy), (cx + dx, cy + dy)])


def draw_semi_sextile(pen):
    # a V standing on a bar
    polyline(pen, [(400, TOP), (ADVANCE / 2, 260), (ADVANCE - 400, TOP)])
    polyline(pen, [(330, 80), (ADVANCE - 330, 80)])


def draw_sesquiquadrate(pen):
    # a square with an angle's open arm rising from its upper left corner
    x0, x1, y0, y1 = 330, 1130, 0, 800
    polyline(pen, [(x0, y0), (x1, y0), (x1, y1), (x0, y1)], closed=True)
    polyline(pen, [(x0, y1), (ADVANCE - 300, TOP)])


def draw_parallel(pen):
    for x in (700, 1136):
        polyline(pen, [(x, 0), (x, TOP)])


def draw_contraparallel(pen):
    for x in (700, 1136):
        polyline(pen, [(x, 0), (x, TOP)])
    for y in (480, 920):
        polyline(pen, [(420, y), (ADVANCE - 420, y)])


# code -> (drawing, turned upside down)
DRAWN = {
    162: (draw_sextile, False),
    166: (draw_parallel, False),
    167: (draw_semi_sextile, False),
    169: (draw_sesquiquadrate, False),
    170: (draw_semi_sextile, True),     # quincunx: a bar over an upturned V
    177: (draw_contraparallel, False),
}


def centre(glyph):
    xmin, _, xmax, _ = glyph.boundingBox()
    glyph.transform(psMat.translate((ADVANCE - (xmax - xmin)) / 2 - xmin, 0))
    glyph.width = ADVANCE


def copy_outline(dst, src):
    if src.references:
        raise SystemExit("%s is a composite glyph" % src.glyphname)
    dst.foreground = src.foreground.dup()


def make_copied(font, code, source, height):
    g = font.createChar(PUA + code, "tg%03d" % code)
    copy_outline(g, font[source])
    if height is not None:
        _, ymin, _, ymax = g.boundingBox()
        s = height / (ymax - ymin)
        g.transform(psMat.scale(s))
        _, ymin, _, ymax = g.boundingBox()
        bottom = (TOP - height) / 2 if height < TOP else 0
        g.transform(psMat.translate(0, bottom - ymin))
    centre(g)


def make_drawn(font, scratch, code, draw, flip):
    # Strokes are drawn and outlined in a cubic scratch font: outlining
    # quadratic (TrueType) splines trips FontForge's overlap removal.
    work = scratch.createChar(-1, "work%03d" % code)
    work.clear()
    pen = work.glyphPen()
    draw(pen)
    pen = None
    work.stroke("circular", STROKE, "round", "round")
    if flip:
        work.transform(psMat.compose(psMat.scale(1, -1),
                                     psMat.translate(0, TOP)))
    work.removeOverlap()
    work.correctDirection()
    g = font.createChar(PUA + code, "tg%03d" % code)
    g.foreground = work.foreground.dup()
    centre(g)


def make_lettered(font, letters_font, code, letters):
    g = font.createChar(PUA + code, "tg%03d" % code)
    g.clear()
    x = 0
    for ch in letters:
        src = letters_font[ord(ch)]
        layer = src.foreground.dup()
        layer.transform(psMat.translate(x, 0))
        g.foreground += layer
        x += src.width - 40          # letters set a little tighter
    xmin, _, xmax, _ = g.boundingBox()
    g.transform(psMat.scale(min(LETTER_HEIGHT / CAP_HEIGHT,
                                LETTER_WIDTH / (xmax - xmin))))
    centre(g)


def set_names(font):
    # DejaVu's copyright and licence notices stay; the names become ours.
    copyright_text = font.copyright
    licence = licence_url = ""
    for _, key, value in font.sfnt_names:
        if key == "License":
            licence = value
        elif key == "License URL":
            licence_url = value
    font.fontname = "Tandrell"
    font.familyname = "Tandrell"
    font.fullname = "Tandrell"
    font.version = "1.0"
    font.copyright = (copyright_text.strip() +
                      "\nTandrell: derived from DejaVu Sans; astrological "
                      "glyphs added in the private-use area.")
    font.sfnt_names = ()
    lang = "English (US)"
    for key, value in (("Copyright", font.copyright),
                       ("Family", "Tandrell"),
                       ("SubFamily", "Regular"),
                       ("UniqueID", "Tandrell Regular 1.0"),
                       ("Fullname", "Tandrell"),
                       ("Version", "Version 1.0"),
                       ("PostScriptName", "Tandrell"),
                       ("Descriptor", "Glyph font derived from DejaVu Sans."),
                       ("License", licence),
                       ("License URL", licence_url)):
        font.appendSFNTName(lang, key, value)


def main():
    font = fontforge.open(BASE_FONT)
    letters = fontforge.open(LETTER_FONT)
    scratch = fontforge.font()
    scratch.em = font.em

    made = list(COPIED) + list(DRAWN) + list(LETTERED)
    for code, (source, height) in COPIED.items():
        make_copied(font, code, source, height)
    for code, (draw, flip) in DRAWN.items():
        make_drawn(font, scratch, code, draw, flip)
    for code, text in LETTERED.items():
        make_lettered(font, letters, code, text)

    # the digits also answer at U+F030..U+F039
    for d, name in enumerate(DIGITS):
        font[name].altuni = ((PUA + 48 + d, -1, 0),)

    # keep ordinary text and the glyph codes, drop everything else
    keep = {".notdef"}
    for cp in TEXT_CODEPOINTS:
        if cp in font:
            keep.add(font[cp].glyphname)
    keep.update("tg%03d" % code for code in made)
    for name in keep:
        if font[name].references:
            font[name].unlinkRef()
    for lookup in font.gsub_lookups:
        font.removeLookup(lookup)
    for g in list(font.glyphs()):
        if g.glyphname not in keep:
            font.removeGlyph(g)

    set_names(font)
    font.generate(os.path.normpath(OUT))
    print("wrote", os.path.normpath(OUT), len(keep), "glyphs")


if __name__ == "__main__":
    sys.exit(main())
