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
    // object. Returns false when it is malformed or runs past the end.
    bool read(std::string_view table, size_t offset);

    size_t count() const { return m_offsets.empty() ? 0 : m_offsets.size() - 1; }
    std::string_view item(size_t i) const
    {
        return m_table.substr(m_dataStart + m_offsets[i], m_offsets[i + 1] - m_offsets[i]);
    }
    // Where the INDEX begins and the byte past its end, in the table.
    size_t start() const { return m_start; }
    size_t end() const { return m_end; }

    // Appends an INDEX of items to out with the smallest offset size.
    static void append(std::string &out, const std::vector<std::string_view> &items);

private:
    std::string_view m_table;
    size_t m_start = 0;
    size_t m_end = 0;
    size_t m_dataStart = 0;
    // Relative to the first item, from 0 (the format's offsets less one).
    std::vector<uint32_t> m_offsets;
};

} // namespace tervolanpdf

#endif
