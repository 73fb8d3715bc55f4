// One font face, loaded once per process and shared by every box and
// thread: glyphs and advances come from its cmap and metrics, and its
// outlines are subset into each document that uses it.
#ifndef TERVOLANPDF_FONTFACE_H
#define TERVOLANPDF_FONTFACE_H

#include <hb.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tervolanpdf {

class CffFont;

class FontFace {
public:
    // How the outlines are stored, which decides how a document embeds them.
    enum class Outlines {
        CidKeyedCff, // CFF with CIDs (the Noto CJK faces)
        NameKeyedCff,
        TrueType,
    };

    // Opens face index of the font file at path. Throws PdfError when the
    // file cannot be read, holds no usable face, or has no outlines a PDF
    // can embed.
    FontFace(const std::string &path, int index);
    ~FontFace();

    FontFace(const FontFace &) = delete;
    FontFace &operator=(const FontFace &) = delete;

    // Immutable after construction, so any number of threads may read them
    // at once. The font's scale is its design units.
    hb_face_t *hbFace() const { return m_hbFace; }
    hb_font_t *hbFont() const { return m_hbFont; }

    // The script a line is shaped in, taken from its first character of a
    // definite script; punctuation follows it (a dash becomes the font's
    // full-width form for simplified Chinese).
    enum class LineScript { Han, Other, None };

    // The language the face draws its forms for (FaceLanguage), which
    // every shaping with it asks for.
    const std::string &language() const { return m_languageTag; }
    hb_language_t hbLanguage() const { return m_language; }

    // The glyph that shows codepoint, as HarfBuzz shapes the character for
    // the face's language in a line of script. 0 (.notdef) when the face
    // lacks it, and for glyph ids past 0xFFFF, which two-byte codes cannot
    // address. Cached for the process; safe from any thread.
    uint16_t glyphFor(char32_t codepoint, LineScript script) const;

    // Whether the face's cmap has codepoint at all.
    bool covers(char32_t codepoint) const;

    // Colour bitmap or layer faces (emoji) keep their pictures in tables a
    // PDF font cannot carry; their outlines, if any, are blank.
    bool drawsInColourOnly() const { return m_colourOnly; }

    // Advance of glyph in thousandths of an em (cached like glyphFor).
    float widthOf(uint16_t glyph) const;

    unsigned glyphCount() const { return m_glyphCount; }

    Outlines outlines() const { return m_outlines; }
    double unitsPerEm() const { return m_unitsPerEm; }
    // Distance from the top of a line to its baseline, in design units.
    double ascent() const { return m_ascent; }
    double descent() const { return m_descent; }
    // xMin, yMin, xMax, yMax of all glyphs, in design units.
    const std::array<int, 4> &boundingBox() const { return m_boundingBox; }
    // The PostScript name, as PDF font names want it (no blanks).
    const std::string &postScriptName() const { return m_postScriptName; }
    const std::string &path() const { return m_path; }

    // The CFF table of a CFF face, read on first use (from any thread) for
    // cutting subsets; nullptr for TrueType faces and for tables that
    // reader cannot follow.
    const CffFont *cffFont() const;

private:
    uint16_t lookUp(char32_t codepoint, LineScript script) const;
    const std::vector<bool> &substitutable(LineScript script) const;
    void readMetrics();
    void readNames();

    std::string m_path;
    hb_face_t *m_hbFace = nullptr;
    hb_font_t *m_hbFont = nullptr;
    Outlines m_outlines = Outlines::TrueType;
    double m_unitsPerEm = 1000;
    double m_ascent = 880;
    double m_descent = -120;
    std::array<int, 4> m_boundingBox{0, -120, 1000, 880};
    std::string m_postScriptName;
    std::string m_languageTag;
    hb_language_t m_language;
    unsigned m_glyphCount = 0;
    bool m_colourOnly = false;
    // Lazily filled by any thread through std::atomic_ref; a race only
    // computes the same value twice. Both start as zeros the system hands
    // out untouched (calloc), so a face costs only the pages its text uses,
    // not a megabyte written at every start. Glyphs are stored plus one and
    // widths as their bits inverted, so 0 means not looked up yet.
    struct FreeMemory {
        void operator()(uint32_t *table) const { std::free(table); }
    };
    using LazyTable = std::unique_ptr<uint32_t[], FreeMemory>;
    static LazyTable zeroedTable(size_t size);
    LazyTable m_bmpGlyphs[3]; // by LineScript
    LazyTable m_widths;
    mutable std::once_flag m_cffRead;
    mutable std::unique_ptr<CffFont> m_cffFont;
    // By LineScript, Han and Other: the glyphs some substitution of the
    // face's shaping for the script may replace, made on first use.
    mutable std::once_flag m_substitutableMade[2];
    mutable std::vector<bool> m_substitutable[2];
};

} // namespace tervolanpdf

#endif
