// The character codes of one font of a document. Codes are handed out
// densely in the order their text first appears, so page text stays
// compact. Each code shows one glyph and reads back as its own text (one
// character, or several for a ligature or a cluster); each glyph belongs
// to one code only, because some readers key the text by glyph: a second
// text for a glyph already taken (a radical drawn as its hanzi, NBSP drawn
// as the space, every missing character drawn as .notdef) is refused and
// goes to another font of the same face.
#ifndef TERVOLANPDF_CODEMAP_H
#define TERVOLANPDF_CODEMAP_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tervolanpdf {

class CodeMap {
public:
    explicit CodeMap(unsigned glyphCount);

    // The code showing glyph and reading as text, handed out on first use;
    // nothing when glyph already belongs to another text, or takes room
    // where it takes none (blank) or the other way round. Past 65534 codes
    // every new text gets code 0, which shows the empty box and reads back
    // as U+FFFD.
    std::optional<uint16_t> code(uint16_t glyph, std::u32string_view text, bool blank);

    // As code(), but where glyph already belongs to another text of the
    // same width it takes this one too: the last font a face may have in
    // a document, for texts with hundreds of characters no font has.
    std::optional<uint16_t> sharedCode(uint16_t glyph, std::u32string_view text, bool blank);

    // The code already showing glyph as the one character codepoint, or 0:
    // the quick test for nearly every glyph of a page.
    uint16_t knownCode(uint16_t glyph, char32_t codepoint) const
    {
        const uint16_t owner = glyph < m_byGlyph.size() ? m_byGlyph[glyph] : 0;
        return owner != 0 && m_single[owner] == codepoint ? owner : 0;
    }

    struct Entry {
        uint16_t glyph;
        std::u32string text; // empty for the later glyphs of a cluster
        bool blank = false;  // shows nothing, takes no room
    };
    // Entry of code c at index c, code 0 included (the overflow code).
    const std::vector<Entry> &entries() const { return m_entries; }
    bool empty() const { return m_entries.size() <= 1; }

private:
    uint16_t assign(uint16_t glyph, std::u32string_view text, bool blank);

    std::vector<Entry> m_entries;
    // The code of each glyph (0: none yet): one-character texts, nearly
    // all of them, are found through it without a search.
    std::vector<uint16_t> m_byGlyph;
    // Each code's text when it is one character taking room, else a value
    // no character has.
    std::vector<char32_t> m_single;
    std::map<std::pair<uint16_t, std::u32string>, uint16_t> m_shared;
};

} // namespace tervolanpdf

#endif
