#include "pdf/format/huffmanonlydeflater.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tervolanpdf {

namespace {

constexpr int kEndOfBlock = 256;
// The bytes and the end of block; no lengths, as nothing is matched.
constexpr int kLiteralSymbols = 257;
// Two distance codes of one bit make a complete code that no block uses:
// some readers refuse a block whose distance code is empty.
constexpr int kDistanceSymbols = 2;
constexpr int kLengthSymbols = 19;
constexpr int kMaxLiteralBits = 15;
constexpr int kMaxLengthBits = 7;

// The order in which a block's header gives the code lengths of the code
// that codes the code lengths (RFC 1951, 3.2.7).
constexpr std::array<uint8_t, kLengthSymbols> kLengthOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

template <size_t N> using Counts = std::array<uint32_t, N>;
template <size_t N> using Lengths = std::array<uint8_t, N>;

// The code lengths of an optimal prefix code for counts (Huffman's, built
// with two queues over the counts in ascending order). At least two
// symbols are counted, so that the code is complete.
template <size_t N> Lengths<N> optimalLengths(const Counts<N> &counts)
{
    std::vector<int> leaves;
    for (size_t symbol = 0; symbol < N; ++symbol) {
        if (counts[symbol] > 0)
            leaves.push_back(static_cast<int>(symbol));
    }
    std::stable_sort(leaves.begin(), leaves.end(),
                     [&](int a, int b) { return counts[a] < counts[b]; });
    const size_t leafCount = leaves.size();
    // Nodes 0..leafCount-1 are the leaves, the rest are made in order of
    // weight, so the smallest unused node is at the front of either queue.
    std::vector<uint64_t> weight(2 * leafCount - 1);
    std::vector<size_t> parent(2 * leafCount - 1, 0);
    for (size_t i = 0; i < leafCount; ++i)
        weight[i] = counts[leaves[i]];
    size_t nextLeaf = 0;
    size_t nextInner = leafCount;
    auto takeSmallest = [&](size_t made) {
        if (nextLeaf < leafCount && (nextInner >= made || weight[nextLeaf] <= weight[nextInner]))
            return nextLeaf++;
        return nextInner++;
    };
    for (size_t made = leafCount; made < weight.size(); ++made) {
        const size_t first = takeSmallest(made);
        const size_t second = takeSmallest(made);
        weight[made] = weight[first] + weight[second];
        parent[first] = parent[second] = made;
    }
    // Parents come after their children: depths follow from the root down.
    std::vector<uint8_t> depth(weight.size(), 0);
    for (size_t node = weight.size() - 1; node-- > 0;)
        depth[node] = static_cast<uint8_t>(std::min(depth[parent[node]] + 1, 255));
    Lengths<N> lengths{};
    for (size_t i = 0; i < leafCount; ++i)
        lengths[leaves[i]] = depth[i];
    return lengths;
}

// An optimal code whose lengths keep within limit: where Huffman's code is
// longer, the counts are halved (none to zero) until it fits. Rare symbols
// then cost a bit more; with counts of bytes the loss is well under 1 %.
template <size_t N> Lengths<N> limitedLengths(Counts<N> counts, int limit)
{
    // A code of one symbol is incomplete: a second, never written, joins.
    if (std::count_if(counts.begin(), counts.end(), [](uint32_t c) { return c > 0; }) < 2)
        counts[counts[0] > 0 ? 1 : 0] = 1;
    for (;;) {
        const Lengths<N> lengths = optimalLengths(counts);
        if (*std::max_element(lengths.begin(), lengths.end()) <= limit)
            return lengths;
        for (uint32_t &count : counts)
            count = count > 0 ? (count >> 1) | 1 : 0;
    }
}

// Canonical codes for lengths (RFC 1951, 3.2.2), their bits reversed: a
// deflate stream is read from the least significant bit, a code from its
// most significant.
template <size_t N> std::array<uint16_t, N> canonicalCodes(const Lengths<N> &lengths)
{
    std::array<uint32_t, kMaxLiteralBits + 2> perLength{};
    for (const uint8_t length : lengths)
        ++perLength[length];
    perLength[0] = 0;
    std::array<uint32_t, kMaxLiteralBits + 2> next{};
    uint32_t code = 0;
    for (int bits = 1; bits <= kMaxLiteralBits; ++bits) {
        code = (code + perLength[bits - 1]) << 1;
        next[bits] = code;
    }
    std::array<uint16_t, N> codes{};
    for (size_t symbol = 0; symbol < N; ++symbol) {
        const int length = lengths[symbol];
        if (length == 0)
            continue;
        uint32_t value = next[length]++;
        uint32_t reversed = 0;
        for (int bit = 0; bit < length; ++bit, value >>= 1)
            reversed = (reversed << 1) | (value & 1);
        codes[symbol] = static_cast<uint16_t>(reversed);
    }
    return codes;
}

// Bits go out from the least significant end, four bytes at a time, into
// room made beforehand.
class BitWriter {
public:
    explicit BitWriter(char *to) : m_to(to) {}

    void put(uint32_t bits, int count) { put(bits, count, m_buffer, m_count, m_to); }

    // Each byte of text by its code. The state is kept in locals: stores
    // through a char pointer could alias the members, which would then be
    // reloaded for every byte.
    void putCoded(std::string_view text, const uint16_t *codes, const uint8_t *lengths)
    {
        uint64_t buffer = m_buffer;
        int count = m_count;
        char *to = m_to;
        for (const char byte : text) {
            const auto symbol = static_cast<unsigned char>(byte);
            put(codes[symbol], lengths[symbol], buffer, count, to);
        }
        m_buffer = buffer;
        m_count = count;
        m_to = to;
    }

    // Pads with zero bits to the next byte; returns where writing ends.
    char *alignToByte()
    {
        for (; m_count > 0; m_count -= 8, m_buffer >>= 8)
            *m_to++ = static_cast<char>(m_buffer);
        m_count = 0;
        m_buffer = 0;
        return m_to;
    }

private:
    static void put(uint32_t bits, int count, uint64_t &buffer, int &used, char *&to)
    {
        buffer |= static_cast<uint64_t>(bits) << used;
        used += count;
        if (used >= 32) {
            const auto word = static_cast<uint32_t>(buffer);
            if constexpr (std::endian::native == std::endian::little) {
                std::memcpy(to, &word, 4);
                to += 4;
            } else {
                for (int shift = 0; shift < 32; shift += 8)
                    *to++ = static_cast<char>(word >> shift);
            }
            buffer >>= 32;
            used -= 32;
        }
    }

    char *m_to;
    uint64_t m_buffer = 0;
    int m_count = 0;
};

// One block's codes, and its size in bits with its header.
struct BlockCode {
    Lengths<kLiteralSymbols> literalLengths;
    std::array<uint16_t, kLiteralSymbols> literalCodes;
    Lengths<kLengthSymbols> lengthLengths;
    std::array<uint16_t, kLengthSymbols> lengthCodes;
    int lengthsSent;
    uint64_t bits;
};

BlockCode codeFor(std::string_view block)
{
    // Four tables break the chain of increments to one counter.
    std::array<Counts<256>, 4> tables{};
    const auto *bytes = reinterpret_cast<const unsigned char *>(block.data());
    size_t i = 0;
    for (; i + 4 <= block.size(); i += 4) {
        ++tables[0][bytes[i]];
        ++tables[1][bytes[i + 1]];
        ++tables[2][bytes[i + 2]];
        ++tables[3][bytes[i + 3]];
    }
    for (; i < block.size(); ++i)
        ++tables[0][bytes[i]];
    Counts<kLiteralSymbols> counts{};
    for (int byte = 0; byte < 256; ++byte)
        counts[byte] = tables[0][byte] + tables[1][byte] + tables[2][byte] + tables[3][byte];
    counts[kEndOfBlock] = 1;

    BlockCode code{};
    code.literalLengths = limitedLengths(counts, kMaxLiteralBits);
    code.literalCodes = canonicalCodes(code.literalLengths);
    Counts<kLengthSymbols> lengthCounts{};
    for (const uint8_t length : code.literalLengths)
        ++lengthCounts[length];
    lengthCounts[1] += kDistanceSymbols;
    code.lengthLengths = limitedLengths(lengthCounts, kMaxLengthBits);
    code.lengthCodes = canonicalCodes(code.lengthLengths);
    code.lengthsSent = kLengthSymbols;
    while (code.lengthsSent > 4 && code.lengthLengths[kLengthOrder[code.lengthsSent - 1]] == 0)
        --code.lengthsSent;

    code.bits = 3 + 5 + 5 + 4 + 3 * static_cast<uint64_t>(code.lengthsSent);
    for (int length = 0; length <= kMaxLiteralBits; ++length)
        code.bits += static_cast<uint64_t>(lengthCounts[length]) * code.lengthLengths[length];
    for (int symbol = 0; symbol < kLiteralSymbols; ++symbol)
        code.bits += static_cast<uint64_t>(counts[symbol]) * code.literalLengths[symbol];
    return code;
}

void writeHeader(BitWriter &bits, const BlockCode &code, bool last)
{
    bits.put(last ? 1 : 0, 1);
    bits.put(2, 2); // codes of the block's own
    bits.put(kLiteralSymbols - 257, 5);
    bits.put(kDistanceSymbols - 1, 5);
    bits.put(code.lengthsSent - 4, 4);
    for (int i = 0; i < code.lengthsSent; ++i)
        bits.put(code.lengthLengths[kLengthOrder[i]], 3);
    // Each length as it is: repeats are rare in a code of bytes, and the
    // header is a few hundred bits in a block of a million.
    for (const uint8_t length : code.literalLengths)
        bits.put(code.lengthCodes[length], code.lengthLengths[length]);
    for (int distance = 0; distance < kDistanceSymbols; ++distance)
        bits.put(code.lengthCodes[1], code.lengthLengths[1]);
}

void writeBlock(BitWriter &bits, std::string_view block, const BlockCode &code, bool last)
{
    writeHeader(bits, code, last);
    bits.putCoded(block, code.literalCodes.data(), code.literalLengths.data());
    bits.put(code.literalCodes[kEndOfBlock], code.literalLengths[kEndOfBlock]);
}

} // namespace

void HuffmanOnlyDeflater::append(std::string_view data, bool final, std::string &out)
{
    std::vector<std::string_view> blocks;
    for (size_t at = 0; at < data.size(); at += kBlockBytes)
        blocks.push_back(data.substr(at, kBlockBytes));
    std::vector<BlockCode> codes;
    uint64_t bits = 0;
    for (const std::string_view block : blocks) {
        codes.push_back(codeFor(block));
        bits += codes.back().bits;
    }
    // Room for the blocks, the end of an empty stream or the stored block
    // that aligns, and the writer's last four bytes.
    const size_t start = out.size();
    out.resize(start + bits / 8 + 16);
    BitWriter writer(out.data() + start);
    for (size_t i = 0; i < blocks.size(); ++i)
        writeBlock(writer, blocks[i], codes[i], final && i + 1 == blocks.size());
    if (final && blocks.empty()) {
        writer.put(1, 1); // last block
        writer.put(1, 2); // fixed codes: the end of block is seven zero bits
        writer.put(0, 7);
    }
    if (!final) {
        writer.put(0, 3); // a stored block, not the last
        char *end = writer.alignToByte();
        for (const char byte : {'\0', '\0', '\xff', '\xff'}) // empty, and its complement
            *end++ = byte;
        out.resize(static_cast<size_t>(end - out.data()));
        return;
    }
    out.resize(static_cast<size_t>(writer.alignToByte() - out.data()));
}

} // namespace tervolanpdf
