// The drawing operators of one page, collected until the page is written.
// Font and colour are set only when a line changes them.
#ifndef TERVOLANPDF_CONTENTSTREAM_H
#define TERVOLANPDF_CONTENTSTREAM_H

#include "pdf/text/linelayout.h"

#include <cstdint>
#include <string>

namespace tervolanpdf {

class ContentStream {
public:
    // Shows glyphs as one line in their fonts at points size and colour
    // 0x00BBGGRR, the baseline starting at (x, y) in PDF points from the
    // bottom left; the glyphs of each span read as its text. plain tells
    // that all glyphs are of one font, none raised or offset, in no span.
    void showLine(int points, uint32_t colour, double x, double y,
                  const std::vector<LineLayout::Glyph> &glyphs,
                  const std::vector<LineLayout::Span> &spans, bool plain);

    // Brackets the lines that follow, up to endMarked(), as the marked
    // content mcid of a paragraph, for a tagged document.
    void beginMarked(int mcid);
    void endMarked();
    // Brackets what follows as an artifact: no part of the text's
    // structure (a page number).
    void beginArtifact();

    // Draws the Form XObject of resource name with its origin at (x, y) in
    // points, outside the text object; as an artifact when artifact is
    // set.
    void drawForm(const char *name, double x, double y, bool artifact);

    // The finished operators of the page; the stream is then empty again,
    // ready for the next page.
    const std::string &finish();
    void clear();

private:
    void beginText();
    void showPlain(const std::vector<LineLayout::Glyph> &glyphs);
    void showShaped(const std::vector<LineLayout::Glyph> &glyphs,
                    const std::vector<LineLayout::Span> &spans, int points);
    void selectFont(const std::string &font, int points);
    void moveTo(double x, double y);
    void showGlyph(const LineLayout::Glyph &glyph, int points);
    void shift(float thousandths);
    void raise(float thousandths, int points);
    void beginSpan(const std::u32string &text);
    void flushRun();

    std::string m_data;
    bool m_inText = false;
    const std::string *m_font = nullptr;
    int m_points = 0;
    uint32_t m_colour = 0;
    // Start of the last line and the line step in force, in hundredths of
    // a point, so that relative moves add up exactly.
    long long m_lineX = 0;
    long long m_lineY = 0;
    long long m_leading = 0;
    float m_rise = 0;
    std::vector<uint16_t> m_run;
    bool m_array = false;
};

} // namespace tervolanpdf

#endif
