// A DICT of a CFF table: operators with the bytes of their operands, kept
// as they are so a subset can copy them, and the integers among them for
// the offsets and counts a subset must read.
#ifndef TERVOLANPDF_CFFDICT_H
#define TERVOLANPDF_CFFDICT_H

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class CffDict {
public:
    // Two-byte operators (12 x) are numbered 1200 + x.
    static constexpr int escaped(int second) { return 1200 + second; }

    // The operators a subset reads or rewrites.
    static constexpr int Charset = 15;
    static constexpr int Encoding = 16;
    static constexpr int CharStrings = 17;
    static constexpr int Private = 18;
    static constexpr int Subrs = 19;
    static constexpr int CharStringType = 1206; // 12 6
    static constexpr int FontMatrix = 1207;     // 12 7
    static constexpr int Ros = 1230;            // 12 30
    static constexpr int CidCount = 1234;       // 12 34
    static constexpr int FdArray = 1236;        // 12 36
    static constexpr int FdSelect = 1237;       // 12 37

    struct Entry {
        int op = 0;
        std::string_view bytes;        // the operands and the operator
        std::vector<int32_t> integers; // the operands, reals as 0
    };

    // Reads dict, which must outlive this object; false when malformed.
    bool read(std::string_view dict);

    const std::vector<Entry> &entries() const { return m_entries; }
    // The operator's entry, nullptr when the DICT lacks it.
    const Entry *find(int op) const;

    // Appends op with values written as five-byte integers, so the size of
    // a DICT holding offsets is known before the offsets are.
    static void appendFixed(std::string &out, int op, std::initializer_list<int32_t> values);
    static constexpr size_t fixedSize(int op, size_t values)
    {
        return 5 * values + (op >= 1200 ? 2 : 1);
    }

private:
    std::vector<Entry> m_entries;
};

} // namespace tervolanpdf

#endif
