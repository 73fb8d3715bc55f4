// Blocks coded by hand must inflate to the very bytes: a wrong code length,
// a code too long for deflate or a bad join makes a reader drop the font.
#include "pdf/format/huffmanonlydeflater.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>

using tervolanpdf::HuffmanOnlyDeflater;

namespace {

std::string inflated(const std::string &raw, size_t expected)
{
    z_stream stream{};
    EXPECT_EQ(inflateInit2(&stream, -MAX_WBITS), Z_OK);
    std::string out(expected + 1, '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.data()));
    stream.avail_in = static_cast<uInt>(raw.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    EXPECT_EQ(result, Z_STREAM_END);
    EXPECT_EQ(stream.avail_in, 0u) << "bytes after the last block";
    out.resize(out.size() - stream.avail_out);
    inflateEnd(&stream);
    return out;
}

std::string pseudoRandom(size_t size, uint32_t seed)
{
    std::string data(size, '\0');
    for (char &byte : data) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 24);
    }
    return data;
}

// Counts growing as Fibonacci numbers: Huffman's code for them is as deep
// as there are symbols, far past deflate's 15 bits.
std::string skewed()
{
    std::string data;
    uint64_t previous = 1;
    uint64_t count = 1;
    for (int symbol = 0; symbol < 26; ++symbol) {
        data.append(count, static_cast<char>('a' + symbol));
        const uint64_t next = previous + count;
        previous = count;
        count = next;
    }
    return data;
}

} // namespace

TEST(HuffmanOnlyDeflater, InflatesToTheSameBytes)
{
    const struct {
        const char *name;
        std::string data;
    } cases[] = {
        {"empty", ""},
        {"one byte", "x"},
        {"one byte value throughout", std::string(1000, '\0')},
        {"every byte value", pseudoRandom(5000, 7)},
        {"counts too deep for deflate", skewed()},
        {"several blocks", pseudoRandom(HuffmanOnlyDeflater::kBlockBytes * 2 + 17, 3)},
    };
    for (const auto &one : cases) {
        std::string raw;
        HuffmanOnlyDeflater::append(one.data, /*final*/ true, raw);
        EXPECT_EQ(inflated(raw, one.data.size()), one.data) << one.name;
    }
}

TEST(HuffmanOnlyDeflater, UnendedBlocksLetAnotherStreamFollow)
{
    const std::string front = skewed();
    const std::string back = pseudoRandom(3000, 11);
    std::string raw;
    HuffmanOnlyDeflater::append(front, /*final*/ false, raw);
    HuffmanOnlyDeflater::append("", /*final*/ false, raw);
    HuffmanOnlyDeflater::append(back, /*final*/ true, raw);
    EXPECT_EQ(inflated(raw, front.size() + back.size()), front + back);
}
