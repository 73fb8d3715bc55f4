#include "pdf/fonts/cffindex.h"

#include <algorithm>

namespace tervolanpdf {

bool CffIndex::read(std::string_view table, size_t offset)
{
    m_table = table;
    m_start = offset;
    m_count = 0;
    m_dataBytes = 0;
    // Offsets come from the font, a missing one as SIZE_MAX: offset + 2
    // could wrap past the check.
    if (offset > table.size() || table.size() - offset < 2)
        return false;
    const auto *bytes = reinterpret_cast<const unsigned char *>(table.data());
    const size_t count = (bytes[offset] << 8) | bytes[offset + 1];
    if (count == 0) {
        m_dataStart = offset + 2;
        return true;
    }
    if (offset + 3 > table.size())
        return false;
    const unsigned offSize = bytes[offset + 2];
    const size_t offsets = offset + 3;
    if (offSize < 1 || offSize > 4 || offsets + (count + 1) * offSize > table.size())
        return false;
    m_offsetsAt = offsets;
    m_offSize = offSize;
    m_dataStart = offsets + (count + 1) * offSize;
    // The first and last offsets give the INDEX's extent; those between
    // are checked as their items are read.
    const uint32_t last = offsetAt(count);
    if (offsetAt(0) != 1 || last < 1 || last - 1 > table.size() - m_dataStart)
        return false;
    m_count = count;
    m_dataBytes = last - 1;
    return true;
}

void CffIndex::append(std::string &out, const std::vector<std::string_view> &items)
{
    out += static_cast<char>(items.size() >> 8);
    out += static_cast<char>(items.size() & 0xFF);
    if (items.empty())
        return;
    size_t total = 1;
    for (const std::string_view item : items)
        total += item.size();
    unsigned offSize = 1;
    while (offSize < 4 && total >> (8 * offSize))
        ++offSize;
    out += static_cast<char>(offSize);
    // Written in place: a subset's INDEX of subroutines holds thousands of
    // entries, most of them empty.
    const size_t offsetsAt = out.size();
    out.resize(offsetsAt + (items.size() + 1) * offSize + total - 1);
    char *offsets = out.data() + offsetsAt;
    char *data = offsets + (items.size() + 1) * offSize;
    size_t offset = 1;
    auto putOffset = [&] {
        for (unsigned k = offSize; k-- > 0;)
            *offsets++ = static_cast<char>((offset >> (8 * k)) & 0xFF);
    };
    putOffset();
    for (const std::string_view item : items) {
        offset += item.size();
        putOffset();
        data = std::copy(item.begin(), item.end(), data);
    }
}

} // namespace tervolanpdf
