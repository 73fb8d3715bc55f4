// The character codes one document uses for one face. Codes are handed
// out densely in the order characters first appear, one per character
// (and glyph, should one character take two forms), so page text stays
// compact and every code maps back to exactly one character, whatever
// glyph it shows: a radical and its hanzi may share a glyph, and every
// missing character shows the empty box, yet each keeps its own code.
#ifndef TERVOLANPDF_CODEMAP_H
#define TERVOLANPDF_CODEMAP_H

#include "fontface.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tervolanpdf {

class CodeMap {
public:
    explicit CodeMap(const FontFace &face);

    // The code for codepoint in a line of script, handed out on first use.
    // Past 65535 different characters every new one gets code 0, which
    // shows the empty box and reads back as U+FFFD.
    uint16_t code(char32_t codepoint, FontFace::LineScript script);

    // Advance of the code's glyph in thousandths of an em.
    double width(uint16_t code) const;

    struct Entry {
        uint16_t glyph;
        char32_t codepoint;
    };
    // Entry of code c at index c, code 0 included (the overflow code).
    const std::vector<Entry> &entries() const { return m_entries; }
    bool empty() const { return m_entries.size() <= 1; }

private:
    uint16_t assign(char32_t codepoint, uint16_t glyph);

    const FontFace &m_face;
    std::vector<Entry> m_entries;
    // Basic Multilingual Plane by direct index (0: none yet); the rest,
    // and a character seen with a second glyph, by (codepoint, glyph).
    std::vector<uint16_t> m_bmp;
    std::unordered_map<uint64_t, uint16_t> m_other;
};

} // namespace tervolanpdf

#endif
