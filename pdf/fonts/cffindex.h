// One INDEX of a CFF table (a count, offsets, then the items back to
// back), read in place from the table's bytes, and written anew.
#ifndef TERVOLANPDF_CFFINDEX_H
#define TERVOLANPDF_CFFINDEX_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class CffIndex {
public:
    // Reads the INDEX starting at offset of table, which must outlive this
    // object. Returns false when its count, offset size or extent is
    // malformed or runs past the end. The offsets of the items are read
    // when an item is asked for: a face's glyph programs number 65,535,
    // and a document uses a few hundred.
    bool read(std::string_view table, size_t offset);

    size_t count() const { return m_count; }
    // The item's bytes; empty where its offsets are out of order or point
    // outside the INDEX's data.
    std::string_view item(size_t i) const
    {
        const uint32_t from = offsetAt(i);
        const uint32_t to = offsetAt(i + 1);
        if (from < 1 || to < from || to - 1 > m_dataBytes)
            return {};
        return m_table.substr(m_dataStart + from - 1, to - from);
    }
    // Where the INDEX begins and the byte past its end, in the table.
    size_t start() const { return m_start; }
    size_t end() const { return m_dataStart + m_dataBytes; }

    // Appends an INDEX of items to out with the smallest offset size.
    static void append(std::string &out, const std::vector<std::string_view> &items);

private:
    // The format's offset of item i: 1 for the start of the data.
    uint32_t offsetAt(size_t i) const
    {
        const auto *bytes
            = reinterpret_cast<const unsigned char *>(m_table.data()) + m_offsetsAt + i * m_offSize;
        uint32_t value = 0;
        for (unsigned k = 0; k < m_offSize; ++k)
            value = (value << 8) | bytes[k];
        return value;
    }

    std::string_view m_table;
    size_t m_start = 0;
    size_t m_count = 0;
    size_t m_offsetsAt = 0;
    unsigned m_offSize = 0;
    size_t m_dataStart = 0;
    size_t m_dataBytes = 0;
};

} // namespace tervolanpdf

#endif
