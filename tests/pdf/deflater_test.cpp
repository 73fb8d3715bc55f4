// A stream compressed on two threads is still one zlib stream: the front
// part must end on a byte without closing the stream, and the trailer must
// check the whole data, else readers stop at the join or reject the font.
#include "pdf/format/deflater.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>

using tervolanpdf::Deflater;

namespace {

// uncompress() checks the trailer's Adler-32 against what it read.
void expectDecompressesTo(const std::string &compressed, const std::string &data)
{
    std::string back(data.size() + 1, '\0');
    uLongf backSize = back.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef *>(back.data()), &backSize,
                         reinterpret_cast<const Bytef *>(compressed.data()), compressed.size()),
              Z_OK);
    back.resize(backSize);
    EXPECT_EQ(back, data);
}

} // namespace

TEST(TwoThreadDeflate, DecompressesToTheWholeDataAndItsChecksum)
{
    // Words from a small generator: compressible, but not the same
    // throughout, so each part has its own to say.
    std::string data;
    uint32_t state = 1;
    while (data.size() < Deflater::kTwoThreadBytes + 12345) {
        state = state * 1103515245u + 12345u;
        data += "word" + std::to_string(state >> 22) + ' ';
    }
    Deflater deflater(/*level*/ 1);
    std::string compressed;
    deflater.compressOnTwoThreads(data, compressed);

    expectDecompressesTo(compressed, data);
    EXPECT_EQ(deflater.dataChecksum(),
              adler32_z(1, reinterpret_cast<const Bytef *>(data.data()), data.size()));
}

// Bytes with hardly a repeat, as in a font program of thousands of glyphs,
// take the way that codes each byte alone, on one thread or two.
TEST(TwoThreadDeflate, LargeStreamOfFewRepeatsDecompressesWhole)
{
    std::string data(Deflater::kTwoThreadBytes * 3 + 999, '\0');
    uint32_t state = 5;
    for (char &byte : data) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>((state >> 24) & 0x3F);
    }
    for (const bool twoThreads : {false, true}) {
        Deflater deflater(/*level*/ 1);
        std::string compressed;
        deflater.compressLarge(data, twoThreads, compressed);
        expectDecompressesTo(compressed, data);
        EXPECT_LT(compressed.size(), data.size()) << "two threads: " << twoThreads;
        EXPECT_EQ(deflater.dataChecksum(),
                  adler32_z(1, reinterpret_cast<const Bytef *>(data.data()), data.size()));
    }
}
