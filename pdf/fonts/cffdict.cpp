#include "pdf/fonts/cffdict.h"

namespace tervolanpdf {

bool CffDict::read(std::string_view dict)
{
    m_entries.clear();
    const auto *bytes = reinterpret_cast<const unsigned char *>(dict.data());
    const size_t size = dict.size();
    size_t entryStart = 0;
    std::vector<int32_t> operands;
    size_t p = 0;
    while (p < size) {
        const unsigned b = bytes[p];
        if (b <= 21) {
            int op = static_cast<int>(b);
            if (b == 12) {
                if (p + 1 >= size)
                    return false;
                op = escaped(bytes[++p]);
            }
            ++p;
            m_entries.push_back({op, dict.substr(entryStart, p - entryStart), operands});
            operands.clear();
            entryStart = p;
        } else if (b == 28) {
            if (p + 3 > size)
                return false;
            operands.push_back(static_cast<int16_t>((bytes[p + 1] << 8) | bytes[p + 2]));
            p += 3;
        } else if (b == 29) {
            if (p + 5 > size)
                return false;
            operands.push_back(static_cast<int32_t>((uint32_t(bytes[p + 1]) << 24)
                                                    | (bytes[p + 2] << 16) | (bytes[p + 3] << 8)
                                                    | bytes[p + 4]));
            p += 5;
        } else if (b == 30) {
            // A real: nibbles up to one of 0xF.
            ++p;
            while (p < size && (bytes[p] & 0x0F) != 0x0F && (bytes[p] >> 4) != 0x0F)
                ++p;
            if (p++ >= size)
                return false;
            operands.push_back(0);
        } else if (b >= 32 && b <= 246) {
            operands.push_back(static_cast<int32_t>(b) - 139);
            ++p;
        } else if (b >= 247 && b <= 254) {
            if (p + 2 > size)
                return false;
            const int32_t magnitude
                = static_cast<int32_t>(((b - 247) & 3) << 8) + bytes[p + 1] + 108;
            operands.push_back(b <= 250 ? magnitude : -magnitude);
            p += 2;
        } else {
            return false;
        }
    }
    return operands.empty();
}

const CffDict::Entry *CffDict::find(int op) const
{
    for (const Entry &entry : m_entries) {
        if (entry.op == op)
            return &entry;
    }
    return nullptr;
}

void CffDict::appendFixed(std::string &out, int op, std::initializer_list<int32_t> values)
{
    for (const int32_t value : values) {
        const auto bits = static_cast<uint32_t>(value);
        out += static_cast<char>(29);
        for (int shift = 24; shift >= 0; shift -= 8)
            out += static_cast<char>((bits >> shift) & 0xFF);
    }
    if (op >= 1200) {
        out += static_cast<char>(12);
        out += static_cast<char>(op - 1200);
    } else {
        out += static_cast<char>(op);
    }
}

} // namespace tervolanpdf
