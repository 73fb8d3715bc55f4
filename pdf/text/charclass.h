// What a character asks of the layout: whether it draws nothing, and
// whether it can take its glyph alone (a cached lookup) or needs its
// neighbours shaped with it.
#ifndef TERVOLANPDF_CHARCLASS_H
#define TERVOLANPDF_CHARCLASS_H

namespace tervolanpdf {

class CharClass {
public:
    // Joiners, zero-width spaces, the soft hyphen, a byte order mark inside
    // the text and variation selectors: they take no room and show no
    // glyph, yet they belong to the text.
    static bool isIgnorable(char32_t codepoint);

    // Combining marks, ignorables, Hangul jamo and every script whose
    // letters change with their neighbours (Arabic, Thai, the Indic
    // scripts, ...): their glyphs come only from shaping a run. The em
    // dash too: two of them may join into one glyph.
    static bool needsShaping(char32_t codepoint)
    {
        // Plain ASCII and the unified hanzi, nearly all of every text,
        // never need it.
        if (codepoint < 0x80 || (codepoint >= 0x4E00 && codepoint <= 0x9FFF))
            return false;
        return needsShapingElsewhere(codepoint);
    }

    static bool isMark(char32_t codepoint);

    // Below U+0020 and DEL: drawn as blanks.
    static bool isControl(char32_t codepoint) { return codepoint < 0x20 || codepoint == 0x7F; }

    // Of no script of its own (blanks, punctuation, digits, symbols).
    static bool isNeutral(char32_t codepoint);

    // Of a script written right to left (Arabic, Hebrew, ...).
    static bool isRightToLeft(char32_t codepoint);

private:
    static bool needsShapingElsewhere(char32_t codepoint);
};

} // namespace tervolanpdf

#endif
