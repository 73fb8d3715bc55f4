#!/usr/bin/python3
"""Writes scriptforms.ttf: a tiny face whose fullwidth comma (U+FF0C) has one
glyph in Han text and another elsewhere, as some CJK faces have for their
punctuation. The writer must keep both when a document holds both kinds of
line. Run with Debian's python3-fonttools; the output is checked in so the
build does not need it."""
import sys

from fontTools.feaLib.builder import addOpenTypeFeaturesFromString
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen


def box(width, height):
    pen = TTGlyphPen(None)
    pen.moveTo((50, 0))
    pen.lineTo((50, height))
    pen.lineTo((width - 50, height))
    pen.lineTo((width - 50, 0))
    pen.closePath()
    return pen.glyph()


glyphs = {".notdef": (500, 700), "space": (500, 0), "A": (600, 700),
          "uni4E2D": (1000, 800), "uniFF0C": (500, 200), "uniFF0C.han": (1000, 400)}
builder = FontBuilder(1000, isTTF=True)
builder.setupGlyphOrder(list(glyphs))
builder.setupCharacterMap({0x20: "space", 0x41: "A", 0x4E2D: "uni4E2D", 0xFF0C: "uniFF0C"})
builder.setupGlyf({name: box(*size) for name, size in glyphs.items()})
builder.setupHorizontalMetrics({name: (size[0], 50) for name, size in glyphs.items()})
builder.setupHorizontalHeader(ascent=880, descent=-120)
builder.setupNameTable({"familyName": "Tervolan Script Forms", "styleName": "Regular"})
builder.setupOS2(sTypoAscender=880, sTypoDescender=-120, usWinAscent=880, usWinDescent=120)
builder.setupPost()
addOpenTypeFeaturesFromString(builder.font, """
languagesystem DFLT dflt;
languagesystem latn dflt;
languagesystem hani dflt;
feature ccmp {
    script hani;
    sub uniFF0C by uniFF0C.han;
} ccmp;
""")
builder.save(sys.argv[1] if len(sys.argv) > 1 else "scriptforms.ttf")
