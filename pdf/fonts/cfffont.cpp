#include "pdf/fonts/cfffont.h"

namespace tervolanpdf {

namespace {

unsigned readUint16(std::string_view table, size_t at)
{
    return (static_cast<unsigned char>(table[at]) << 8) | static_cast<unsigned char>(table[at + 1]);
}

// The single integer operand of op, or -1 when it is missing or negative.
int32_t offsetOf(const CffDict &dict, int op)
{
    const CffDict::Entry *entry = dict.find(op);
    if (!entry || entry->integers.size() != 1 || entry->integers[0] < 0)
        return -1;
    return entry->integers[0];
}

} // namespace

std::unique_ptr<CffFont> CffFont::read(hb_face_t *face)
{
    std::unique_ptr<CffFont> font(new CffFont);
    font->m_blob = hb_face_reference_table(face, HB_TAG('C', 'F', 'F', ' '));
    unsigned length = 0;
    const char *data = hb_blob_get_data(font->m_blob, &length);
    font->m_table = std::string_view(data ? data : "", data ? length : 0);
    if (!font->parse())
        return nullptr;
    return font;
}

CffFont::~CffFont()
{
    hb_blob_destroy(m_blob);
}

std::string_view CffFont::nameIndex() const
{
    return m_table.substr(m_names.start(), m_names.end() - m_names.start());
}

std::string_view CffFont::stringIndex() const
{
    return m_table.substr(m_strings.start(), m_strings.end() - m_strings.start());
}

bool CffFont::parse()
{
    if (m_table.size() < 4 || m_table[0] != 1)
        return false;
    const size_t headerSize = static_cast<unsigned char>(m_table[2]);
    if (!m_names.read(m_table, headerSize) || m_names.count() != 1
        || !m_topDicts.read(m_table, m_names.end()) || m_topDicts.count() != 1
        || !m_strings.read(m_table, m_topDicts.end())
        || !m_globalSubrs.read(m_table, m_strings.end()) || !m_topDict.read(m_topDicts.item(0)))
        return false;
    // Type 2 glyph programs only.
    if (m_topDict.entries().empty())
        return false;
    if (const CffDict::Entry *type = m_topDict.find(CffDict::CharStringType);
        type && (type->integers.size() != 1 || type->integers[0] != 2))
        return false;
    const int32_t charStrings = offsetOf(m_topDict, CffDict::CharStrings);
    if (charStrings < 0 || !m_charStrings.read(m_table, charStrings) || glyphCount() == 0
        || glyphCount() > 0x10000)
        return false;
    if (m_topDict.entries().front().op != CffDict::Ros)
        return readNameKeyed();
    return readCharset(offsetOf(m_topDict, CffDict::Charset))
        && readFdSelect(offsetOf(m_topDict, CffDict::FdSelect))
        && readFontDicts(offsetOf(m_topDict, CffDict::FdArray));
}

// Read as a CID-keyed font of one font DICT, each glyph its own CID, so a
// subset can be written CID-keyed. A font matrix of its own (other units
// than 1,000 an em) would have to move into that font DICT, where readers
// disagree on how it combines with the Top DICT's: such faces are left to
// the subsetter.
bool CffFont::readNameKeyed()
{
    if (m_topDict.find(CffDict::FontMatrix) || m_topDict.find(CffDict::FdArray))
        return false;
    m_nameKeyed = true;
    m_cids.resize(glyphCount());
    for (size_t glyph = 0; glyph < m_cids.size(); ++glyph)
        m_cids[glyph] = static_cast<uint16_t>(glyph);
    m_fontDictOfGlyph.assign(glyphCount(), 0);
    m_fontDicts.resize(1);
    return readPrivate(m_topDict.find(CffDict::Private), m_fontDicts[0]);
}

// Formats 0, 1 and 2; glyph 0 is always CID 0.
bool CffFont::readCharset(size_t offset)
{
    // The predefined charsets (offsets 0-2) are not CID-keyed.
    if (offset < 3 || offset >= m_table.size())
        return false;
    const size_t glyphs = glyphCount();
    m_cids.assign(glyphs, 0);
    const auto format = static_cast<unsigned char>(m_table[offset]);
    size_t at = offset + 1;
    size_t glyph = 1;
    while (glyph < glyphs) {
        if (format == 0) {
            if (at + 2 > m_table.size())
                return false;
            m_cids[glyph++] = static_cast<uint16_t>(readUint16(m_table, at));
            at += 2;
            continue;
        }
        if (format != 1 && format != 2)
            return false;
        const size_t rangeSize = format == 1 ? 3 : 4;
        if (at + rangeSize > m_table.size())
            return false;
        const unsigned first = readUint16(m_table, at);
        const unsigned left = format == 1 ? static_cast<unsigned char>(m_table[at + 2])
                                          : readUint16(m_table, at + 2);
        at += rangeSize;
        for (unsigned k = 0; k <= left && glyph < glyphs; ++k)
            m_cids[glyph++] = static_cast<uint16_t>(first + k);
    }
    return true;
}

// Formats 0 and 3.
bool CffFont::readFdSelect(size_t offset)
{
    if (offset == 0 || offset >= m_table.size())
        return false;
    const size_t glyphs = glyphCount();
    const auto format = static_cast<unsigned char>(m_table[offset]);
    if (format == 0) {
        if (offset + 1 + glyphs > m_table.size())
            return false;
        const auto *bytes = reinterpret_cast<const uint8_t *>(m_table.data() + offset + 1);
        m_fontDictOfGlyph.assign(bytes, bytes + glyphs);
        return true;
    }
    if (format != 3 || offset + 3 > m_table.size())
        return false;
    const size_t ranges = readUint16(m_table, offset + 1);
    const size_t first = offset + 3;
    if (ranges == 0 || first + ranges * 3 + 2 > m_table.size() || readUint16(m_table, first) != 0)
        return false;
    m_fontDictOfGlyph.assign(glyphs, 0);
    for (size_t r = 0; r < ranges; ++r) {
        const size_t at = first + r * 3;
        const size_t from = readUint16(m_table, at);
        const size_t to = readUint16(m_table, at + 3);
        if (to < from || to > glyphs)
            return false;
        for (size_t glyph = from; glyph < to; ++glyph)
            m_fontDictOfGlyph[glyph] = static_cast<uint8_t>(m_table[at + 2]);
    }
    return readUint16(m_table, first + ranges * 3) == glyphs;
}

// The Private DICT that priv (size, offset) points at, with its local
// subroutines.
bool CffFont::readPrivate(const CffDict::Entry *priv, FontDict &fd)
{
    if (!priv || priv->integers.size() != 2 || priv->integers[0] < 0 || priv->integers[1] < 0)
        return false;
    const size_t size = priv->integers[0];
    const size_t start = priv->integers[1];
    if (start + size > m_table.size() || !fd.privateDict.read(m_table.substr(start, size)))
        return false;
    if (fd.privateDict.find(CffDict::Subrs)) {
        const int32_t subrs = offsetOf(fd.privateDict, CffDict::Subrs);
        if (subrs < 0 || !fd.localSubrs.read(m_table, start + subrs))
            return false;
    }
    return true;
}

bool CffFont::readFontDicts(size_t offset)
{
    CffIndex array;
    if (offset == 0 || !array.read(m_table, offset) || array.count() == 0)
        return false;
    m_fontDicts.resize(array.count());
    for (size_t i = 0; i < array.count(); ++i) {
        FontDict &fd = m_fontDicts[i];
        if (!fd.dict.read(array.item(i)) || !readPrivate(fd.dict.find(CffDict::Private), fd))
            return false;
    }
    for (const uint8_t fd : m_fontDictOfGlyph) {
        if (fd >= m_fontDicts.size())
            return false;
    }
    return true;
}

} // namespace tervolanpdf
