#!/usr/bin/python3
"""Writes namekeyed.otf: a tiny face whose CFF glyphs are keyed by name, as
most CFF faces outside CJK are. The writer must embed it so that every
reader library gets the text back. Run with Debian's python3-fonttools; the
output is checked in so the build does not need it."""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.t2CharStringPen import T2CharStringPen


def box(width, height):
    pen = T2CharStringPen(width, None)
    pen.moveTo((50, 0))
    pen.lineTo((50, height))
    pen.lineTo((width - 50, height))
    pen.lineTo((width - 50, 0))
    pen.closePath()
    return pen.getCharString()


letters = {"A": 600, "B": 620, "C": 640, "a": 500, "b": 520, "c": 480}
glyphs = {".notdef": (500, 700), "space": (250, 0)}
glyphs.update({name: (width, 700 if name.isupper() else 500) for name, width in letters.items()})
builder = FontBuilder(1000, isTTF=False)
builder.setupGlyphOrder(list(glyphs))
cmap = {0x20: "space"}
cmap.update({ord(name): name for name in letters})
builder.setupCharacterMap(cmap)
builder.setupCFF("TervolanNameKeyed-Regular", {"FullName": "Tervolan Name Keyed"},
                 {name: box(*size) for name, size in glyphs.items()}, {})
builder.setupHorizontalMetrics({name: (size[0], 50) for name, size in glyphs.items()})
builder.setupHorizontalHeader(ascent=880, descent=-120)
builder.setupNameTable({"familyName": "Tervolan Name Keyed", "styleName": "Regular",
                        "psName": "TervolanNameKeyed-Regular"})
builder.setupOS2(sTypoAscender=880, sTypoDescender=-120, usWinAscent=880, usWinDescent=120)
builder.setupPost()
builder.save(sys.argv[1] if len(sys.argv) > 1 else "namekeyed.otf")
