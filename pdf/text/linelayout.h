// Turns one line of UTF-8 text into glyph codes of the document's fonts.
// Characters the line's face lacks are drawn from another installed face
// that has them. Runs that need it (marks, ignorables, ligatures such as
// "——", Arabic, Thai, jamo, ...) are shaped with HarfBuzz, one face,
// script and direction at a time; every other character takes the glyph
// it takes alone, the cached fast path for plain Chinese and Latin text.
// Invalid UTF-8 becomes U+FFFD, control characters blanks, and a tab
// reaches the next stop of eight columns. A character no installed face has
// is drawn as .notdef, or, for archival output, as the geta mark.
#ifndef TERVOLANPDF_LINELAYOUT_H
#define TERVOLANPDF_LINELAYOUT_H

#include "pdf/fonts/fontface.h"
#include "pdf/text/facechoice.h"

#include <hb.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tervolanpdf {

class DocumentFonts;

class LineLayout {
public:
    // With standIn, a character no installed face has shows the geta mark
    // 〓 (U+3013), the typesetters' sign for a missing character, yet reads
    // back as itself: PDF/A forbids drawing .notdef.
    explicit LineLayout(bool standIn = false);
    ~LineLayout();
    LineLayout(const LineLayout &) = delete;
    LineLayout &operator=(const LineLayout &) = delete;

    // All distances in thousandths of an em of the line's size.
    struct Glyph {
        const std::string *font; // resource name of the glyph's font
        uint16_t code;           // the two-byte code on the page
        float lead;              // shift before the glyph (a mark's offset)
        float extraAdvance;      // past the glyph's width (tabs, marks)
        float rise;              // above the baseline
    };
    // Glyphs [begin, end) that read as text together, whatever their own
    // codes read as.
    struct Span {
        size_t begin;
        size_t end;
        std::u32string text;
    };

    // Lays out text in face, handing out new codes of fonts as needed.
    void layOut(std::string_view text, const FontFace &face, DocumentFonts &fonts);

    // Results of the last layOut(), valid until the next one.
    const std::vector<Glyph> &glyphs() const { return m_glyphs; }
    const std::vector<Span> &spans() const { return m_spans; }
    // True when the glyphs are all of one font, none raised or offset.
    bool plain() const { return m_plain; }
    // The characters of the line.
    const std::vector<char32_t> &codepoints() const { return m_codepoints; }

    // Characters no installed face has, in the order of their first use,
    // over every line laid out so far.
    const std::vector<char32_t> &missing() const { return m_missing; }

private:
    struct Run {
        size_t begin;
        size_t end;
        const FontFace *face;
        hb_script_t script;
    };

    bool layOutPlain(const FontFace &face);
    Glyph controlGlyph(char32_t codepoint, size_t i);
    bool asksForShaping(size_t i) const;
    void layOutRuns();
    void layOutAlone(const Run &run);
    size_t runEnd(const Run &run) const;
    void layOutShaped(const Run &run);
    void layOutClusters(const Run &run, unsigned count, const hb_glyph_info_t *infos,
                        const hb_glyph_position_t *positions);
    // A glyph as shaped, in thousandths of an em; a blank shows nothing
    // and takes no room.
    struct Shaped {
        const FontFace *face;
        uint16_t glyph;
        std::u32string_view text;
        float advance;
        float offset;
        float rise;
        bool blank;
        unsigned clusterGlyphs;          // glyphs of the cluster it belongs to
        std::u32string_view clusterText; // and the cluster's text
    };
    struct Placed {
        const std::string *font;
        uint16_t code;
        float width; // the advance the font gives the code
    };
    void addBlanks(std::u32string_view ignorables);
    void showLeftToRight();
    void noteCluster(const Shaped &shaped);
    void showRightToLeft();
    Placed place(const Shaped &shaped);
    void addGlyph(const FontFace &face, uint16_t glyph, std::u32string_view text, float advance);
    void noteMissing(char32_t codepoint);
    void noteMissing(std::u32string_view text);
    void standIn(const FontFace *&face, uint16_t &glyph) const;

    std::vector<char32_t> m_codepoints;
    FaceChoice m_faces;
    std::vector<Glyph> m_glyphs;
    std::vector<Span> m_spans;
    std::vector<Shaped> m_shaped;
    std::vector<char32_t> m_missing;
    std::unordered_set<char32_t> m_missingSeen;
    hb_buffer_t *m_buffer = nullptr;
    bool m_standIn = false;
    // The line being laid out.
    const FontFace *m_face = nullptr;
    DocumentFonts *m_fonts = nullptr;
    FontFace::LineScript m_script = FontFace::LineScript::None;
    bool m_plain = true;
    size_t m_tabColumns = 0; // columns the line's tabs added past their own
};

} // namespace tervolanpdf

#endif
