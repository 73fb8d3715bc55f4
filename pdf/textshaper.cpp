#include "textshaper.h"

#include "fontface.h"
#include "utf8text.h"

#include <cmath>

namespace tervolanpdf {

namespace {

constexpr int kBlanksPerTab = 8;

bool isControl(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value < 0x20 || value == 0x7F;
}

} // namespace

TextShaper::TextShaper()
    : m_buffer(hb_buffer_create())
    , m_language(hb_language_from_string("zh-Hans", -1))
{
}

TextShaper::~TextShaper()
{
    hb_buffer_destroy(m_buffer);
}

void TextShaper::shape(const FontFace &face, double size, double x, double baseline,
                       std::string_view text)
{
    Utf8Text::sanitize(text, m_text);
    m_glyphs.clear();
    m_clusters.clear();
    if (m_text.empty())
        return;
    prepareShapingText();
    runHarfBuzz(face);
    placeGlyphs(face, size / face.unitsPerEm(), x, baseline);
    buildClusters();
}

// Control characters have no glyph in most fonts and would show as boxes.
// They become blanks in the text too, not only in the glyphs: a PDF reader
// given a tab to extract breaks the line there. Every one is a single byte,
// so byte offsets are unchanged; m_tabs remembers where the tabs were.
void TextShaper::prepareShapingText()
{
    m_tabs.assign(m_text.size(), false);
    for (size_t i = 0; i < m_text.size(); ++i) {
        if (isControl(m_text[i])) {
            m_tabs[i] = m_text[i] == '\t';
            m_text[i] = ' ';
        }
    }
}

void TextShaper::runHarfBuzz(const FontFace &face)
{
    hb_buffer_clear_contents(m_buffer);
    hb_buffer_add_utf8(m_buffer, m_text.data(), static_cast<int>(m_text.size()), 0, -1);
    // Lines are Chinese and English, always left to right; a fixed direction
    // also keeps the clusters in text order, as cairo requires.
    hb_buffer_set_direction(m_buffer, HB_DIRECTION_LTR);
    hb_buffer_set_language(m_buffer, m_language);
    hb_buffer_guess_segment_properties(m_buffer);
    hb_shape(face.hbFont(), m_buffer, nullptr, 0);
}

void TextShaper::placeGlyphs(const FontFace &face, double scale, double x, double baseline)
{
    unsigned count = 0;
    const hb_glyph_info_t *infos = hb_buffer_get_glyph_infos(m_buffer, &count);
    const hb_glyph_position_t *positions = hb_buffer_get_glyph_positions(m_buffer, nullptr);
    const double tabStop = kBlanksPerTab * face.spaceAdvance();
    m_glyphs.resize(count);
    double pen = 0; // design units from the start of the line
    for (unsigned i = 0; i < count; ++i) {
        double advance = positions[i].x_advance;
        if (m_tabs[infos[i].cluster] && tabStop > 0)
            advance = (std::floor(pen / tabStop) + 1) * tabStop - pen;
        m_glyphs[i].index = infos[i].codepoint;
        m_glyphs[i].x = x + (pen + positions[i].x_offset) * scale;
        m_glyphs[i].y = baseline - positions[i].y_offset * scale;
        pen += advance;
    }
}

// hb clusters are byte offsets of the text, non-decreasing for left to
// right; consecutive glyphs with one offset form one cairo cluster, whose
// byte count reaches to the next cluster's offset.
void TextShaper::buildClusters()
{
    unsigned count = 0;
    const hb_glyph_info_t *infos = hb_buffer_get_glyph_infos(m_buffer, &count);
    const auto textSize = static_cast<unsigned>(m_text.size());
    bool ordered = count > 0 && infos[0].cluster == 0;
    unsigned i = 0;
    while (ordered && i < count) {
        unsigned next = i;
        while (next < count && infos[next].cluster == infos[i].cluster)
            ++next;
        const unsigned end = next < count ? infos[next].cluster : textSize;
        ordered = end > infos[i].cluster;
        m_clusters.push_back({static_cast<int>(end - infos[i].cluster),
                              static_cast<int>(next - i)});
        i = next;
    }
    if (!ordered) {
        // Not expected from HarfBuzz; one cluster for the whole line keeps
        // the text intact rather than letting cairo refuse it.
        m_clusters.assign(1, {static_cast<int>(textSize), static_cast<int>(count)});
    }
}

} // namespace tervolanpdf
