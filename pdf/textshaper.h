// Turns one line of UTF-8 text into positioned glyphs plus the clusters
// that tie them to the text, ready for cairo_show_text_glyphs. Keeping the
// clusters is what lets a PDF reader give the text back.
#ifndef TERVOLANPDF_TEXTSHAPER_H
#define TERVOLANPDF_TEXTSHAPER_H

#include <cairo.h>
#include <hb.h>

#include <string>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class FontFace;

class TextShaper {
public:
    TextShaper();
    ~TextShaper();

    TextShaper(const TextShaper &) = delete;
    TextShaper &operator=(const TextShaper &) = delete;

    // Shapes text in face at size (page units per em), the pen starting at
    // (x, baseline). Invalid UTF-8 becomes U+FFFD; control characters become
    // blanks, and a tab reaches to the next stop of eight blanks.
    void shape(const FontFace &face, double size, double x, double baseline,
               std::string_view text);

    // Results of the last shape(), valid until the next one.
    const std::string &text() const { return m_text; }
    const std::vector<cairo_glyph_t> &glyphs() const { return m_glyphs; }
    const std::vector<cairo_text_cluster_t> &clusters() const { return m_clusters; }

private:
    void prepareShapingText();
    void runHarfBuzz(const FontFace &face);
    void placeGlyphs(const FontFace &face, double scale, double x, double baseline);
    void buildClusters();

    // Kept from line to line: a document shapes millions of lines.
    hb_buffer_t *m_buffer;
    hb_language_t m_language;
    std::string m_text;
    std::vector<bool> m_tabs;
    std::vector<cairo_glyph_t> m_glyphs;
    std::vector<cairo_text_cluster_t> m_clusters;
};

} // namespace tervolanpdf

#endif
