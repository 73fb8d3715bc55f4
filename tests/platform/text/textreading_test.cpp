#include "platform/text/itemreader.h"
#include "platform/text/textcodec.h"
#include "platform/text/textfilereader.h"
#include "platform/text/utf8.h"
#include "tests/support/tempdir.h"

#include "tests/support/stringsource.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <vector>

namespace {

std::vector<std::u32string> items(const std::u32string &text)
{
    StringSource source(text);
    ItemReader reader(source);
    std::vector<std::u32string> values;
    std::u32string value;
    while (reader.read(&value))
        values.push_back(value);
    return values;
}

std::u32string readAll(TextFileReader &reader)
{
    std::u32string text;
    for (int32_t c = reader.get(); c >= 0; c = reader.get())
        text.push_back(char32_t(c));
    return text;
}

const std::string ChineseUtf8 = "中文，测试。";

} // namespace

TEST(ItemReader, SplitsAtCommasAndLineEnds)
{
    EXPECT_EQ(items(U"a,b\r\nc"), (std::vector<std::u32string>{U"a", U"b", U"c"}));
    EXPECT_EQ(items(U"a\nb\rc"), (std::vector<std::u32string>{U"a", U"b", U"c"}));
    // An empty line and a comma right after a delimiter are empty items.
    EXPECT_EQ(items(U"a\r\n\r\nb,,c"), (std::vector<std::u32string>{U"a", U"", U"b", U"", U"c"}));
    EXPECT_TRUE(items(U"").empty());
}

TEST(ItemReader, QuotedItemKeepsCommasAndSkipsTheRestOfItsField)
{
    EXPECT_EQ(items(U"\"x, y\"\r\nz"), (std::vector<std::u32string>{U"x, y", U"z"}));
    EXPECT_EQ(items(U"  \"q\" junk,next"), (std::vector<std::u32string>{U"q", U"next"}));
    // A quote inside a quoted text ends it; the rest of the line goes.
    EXPECT_EQ(items(U"\"say \"hi\"\"\r\nnext"), (std::vector<std::u32string>{U"say ", U"next"}));
    // A quoted item runs across line ends to its closing quote.
    EXPECT_EQ(items(U"\"one\ntwo\",3"), (std::vector<std::u32string>{U"one\ntwo", U"3"}));
    EXPECT_EQ(items(U"\"unclosed"), (std::vector<std::u32string>{U"unclosed"}));
}

TEST(ItemReader, BlanksAroundPlainItemsAreDropped)
{
    EXPECT_EQ(items(U"  a b  ,\tc"), (std::vector<std::u32string>{U"a b", U"c"}));
}

TEST(ItemReader, LongValuesAreCutButStillConsumed)
{
    StringSource source(std::u32string(100, U'x') + U",y");
    ItemReader reader(source, 10);
    std::u32string value;
    ASSERT_TRUE(reader.read(&value));
    EXPECT_EQ(value, std::u32string(10, U'x'));
    ASSERT_TRUE(reader.read(&value));
    EXPECT_EQ(value, U"y");
}

TEST(ItemReader, NumbersInSixteenBits)
{
    EXPECT_EQ(ItemReader::toInt16(U"12"), 12);
    EXPECT_EQ(ItemReader::toInt16(U"-32768"), -32768);
    EXPECT_EQ(ItemReader::toInt16(U" 60 "), 60);
    EXPECT_EQ(ItemReader::toInt16(U"32767"), 32767);
    for (const char32_t *bad :
         {U"32768", U"-32769", U"99999999999999999999", U"12a", U"", U"abc", U"-"})
        EXPECT_EQ(ItemReader::toInt16(bad), 0) << Utf8::fromUtf32(bad);
}

TEST(TextCodec, Gb18030RoundTripAndGbkBytes)
{
    // "宋体" as GBK bytes, the way a Chinese Windows system writes it.
    EXPECT_EQ(TextCodec::gb18030ToUtf8("\xCB\xCE\xCC\xE5"), "宋体");
    EXPECT_EQ(TextCodec::utf8ToGb18030("黑体"), "\xBA\xDA\xCC\xE5");
    std::string mixed = "A3 中文 😀 é";
    EXPECT_EQ(TextCodec::gb18030ToUtf8(TextCodec::utf8ToGb18030(mixed)), mixed);
}

TEST(TextCodec, BrokenSequencesBecomeReplacementCharacters)
{
    // A lead byte cut off at the end of the text, and a stray 0x80.
    EXPECT_EQ(TextCodec::gb18030ToUtf32("a\xCB"), U"a\uFFFD");
    EXPECT_EQ(TextCodec::gb18030ToUtf32("\x80"
                                        "b"),
              U"\uFFFDb");
}

// F5 to FF start no sequence; they were once taken as three-byte leads, so
// "F5 80 80" read as U+5000.
TEST(Utf8, LeadBytesF5ToFFAreEachOneReplacementCharacter)
{
    for (int lead = 0xF5; lead <= 0xFF; ++lead) {
        const std::string bytes = {char(lead), '\x80', '\x80'};
        EXPECT_EQ(Utf8::toUtf32(bytes), U"\uFFFD\uFFFD\uFFFD") << lead;
    }
}

// The ends of each range: U+10FFFF is the last character, one past it is
// four invalid bytes; a surrogate has no UTF-8 form; a sequence is cut
// only while bytes are missing from it.
TEST(Utf8, RangesEndExactly)
{
    EXPECT_EQ(Utf8::toUtf32("\xF4\x8F\xBF\xBF"), U"\U0010FFFF");
    EXPECT_EQ(Utf8::toUtf32("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Utf8::fromUtf32(std::u32string(1, char32_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_TRUE(Utf8::isCutSequence("\xE4\xB8"));
    EXPECT_FALSE(Utf8::isCutSequence("\xE4\xB8\xAD"));
    TempDir dir;
    TextFileReader reader;
    ASSERT_TRUE(reader.open(dir.write("last.txt", std::string("\xFF\xFE\xFF\xDB\xFF\xDF", 6))));
    EXPECT_TRUE(readAll(reader) == U"\U0010FFFF");
}

TEST(TextFileReader, DetectsEachEncoding)
{
    TempDir dir;
    struct Case {
        std::string bytes;
        TextEncoding encoding;
    } cases[] = {
        {ChineseUtf8, TextEncoding::Utf8},
        {"\xEF\xBB\xBF" + ChineseUtf8, TextEncoding::Utf8},
        {TextCodec::utf8ToGb18030(ChineseUtf8), TextEncoding::Gb18030},
        {std::string("\xFF\xFE\x2D\x4E\x87\x65\x0C\xFF\x4B\x6D\xD5\x8B\x02\x30", 14),
         TextEncoding::Utf16LE},
        {std::string("\xFE\xFF\x4E\x2D\x65\x87\xFF\x0C\x6D\x4B\x8B\xD5\x30\x02", 14),
         TextEncoding::Utf16BE},
        {std::string("\0\0\xFE\xFF\0\0\x4E\x2D\0\0\x65\x87\0\0\xFF\x0C"
                     "\0\0\x6D\x4B\0\0\x8B\xD5\0\0\x30\x02",
                     28),
         TextEncoding::Utf32BE},
    };
    for (const Case &c : cases) {
        TextFileReader reader;
        ASSERT_TRUE(reader.open(dir.write("in.txt", c.bytes))) << reader.error();
        EXPECT_EQ(reader.encoding(), c.encoding);
        EXPECT_EQ(Utf8::fromUtf32(readAll(reader)), ChineseUtf8) << encodingName(c.encoding);
    }
}

TEST(TextFileReader, SequencesSplitAcrossBlocksDecodeWhole)
{
    TempDir dir;
    // 64 KiB blocks (65,536 bytes): "xy" puts a three-byte UTF-8 character
    // across the edge (65,534 = 2 + 3 x 21,844), "x" a two-byte GB18030 one,
    // and a UTF-16 mark with 32,766 letters an emoji's surrogate pair.
    std::string hanzi;
    for (int i = 0; i < 30000; ++i)
        hanzi += "中";
    std::string utf16 = "\xFF\xFE";
    for (int i = 0; i < 32766; ++i)
        utf16 += std::string("a\0", 2);
    utf16 += std::string("\x3D\xD8\x00\xDE", 4); // U+1F600
    const std::pair<std::string, std::u32string> cases[] = {
        {"xy" + hanzi, U"xy" + std::u32string(30000, U'中')},
        {"x" + TextCodec::utf8ToGb18030(hanzi), U"x" + std::u32string(30000, U'中')},
        {utf16, std::u32string(32766, U'a') + U"\U0001F600"},
    };
    for (const auto &[bytes, expected] : cases) {
        TextFileReader reader;
        ASSERT_TRUE(reader.open(dir.write("big.txt", bytes)));
        const std::u32string text = readAll(reader);
        EXPECT_TRUE(text == expected)
            << encodingName(reader.encoding()) << ": " << text.size() << " characters, last U+"
            << std::hex << uint32_t(text.empty() ? 0 : text.back());
        ASSERT_TRUE(reader.rewind());
        EXPECT_EQ(reader.get(), int32_t(expected[0]));
    }
}

TEST(TextFileReader, CountingPassesOverTheTextAsReadingDoes)
{
    TempDir dir;
    // A marked UTF-8 file may hold broken sequences too, here also one cut
    // short 64 bytes after a comma that follows a long item. Each shift puts
    // a different byte of the piece on the 64 KiB block edge.
    const std::string piece = "中文,\"引号,\r\n里\"尾,\xE4\xB8,\xFF\r\n  \n" + std::string(100, 'y')
        + ",\n" + std::string(61, ' ') + "\xE4\xB8,x\n";
    for (size_t shift = 0; shift < piece.size(); ++shift) {
        std::string text = "\xEF\xBB\xBF" + std::string(shift, 'a');
        while (text.size() < 65536 + piece.size())
            text += piece;
        TextFileReader reader;
        ASSERT_TRUE(reader.open(dir.write("items.txt", text)));
        size_t counted = 0;
        for (ItemReader items(reader); items.read(nullptr);)
            ++counted;
        ASSERT_TRUE(reader.rewind());
        StringSource decoded(readAll(reader));
        size_t expected = 0;
        for (ItemReader items(decoded); items.read(nullptr);)
            ++expected;
        EXPECT_EQ(counted, expected) << "shift " << shift;
    }
}

TEST(TextFileReader, RefusesWhatIsNotTextAndNeverBlocks)
{
    TempDir dir;
    TextFileReader reader;
    EXPECT_FALSE(reader.open(dir.write("bin.txt", std::string("PK\x03\x04\0\0", 6))));
    EXPECT_NE(reader.error().find("binary"), std::string::npos);
    EXPECT_FALSE(reader.open(dir.file("missing.txt")));
    EXPECT_NE(reader.error().find("No such file"), std::string::npos);
    std::filesystem::create_directory(dir.file("folder.txt"));
    EXPECT_FALSE(reader.open(dir.file("folder.txt")));
    EXPECT_NE(reader.error().find("folder"), std::string::npos);
    // A FIFO with no writer would block a plain open.
    ASSERT_EQ(mkfifo(dir.file("pipe.txt").c_str(), 0600), 0);
    EXPECT_FALSE(reader.open(dir.file("pipe.txt")));
}

TEST(TextFileReader, InvalidUtf8FallsBackToGb18030WithReplacements)
{
    TempDir dir;
    TextFileReader reader;
    // Valid GBK followed by a truncated lead byte at the very end.
    ASSERT_TRUE(reader.open(dir.write("cut.txt", "\xCB\xCE\xCC\xE5\xCB")));
    EXPECT_EQ(reader.encoding(), TextEncoding::Gb18030);
    EXPECT_EQ(readAll(reader), U"宋体\uFFFD");
    // GBK whose last character looks like the start of an unfinished UTF-8
    // sequence: it is not UTF-8.
    ASSERT_TRUE(reader.open(dir.write("tail.txt", "abc\xE4\xBD")));
    EXPECT_EQ(reader.encoding(), TextEncoding::Gb18030);
    EXPECT_EQ(readAll(reader), U"abc浣");
    // Three bytes of UTF-8's shape that encode a surrogate or say a small
    // character the long way are not UTF-8 either.
    for (const char *bytes : {"\xED\xA0\x80", "\xE0\x80\xAF"}) {
        ASSERT_TRUE(reader.open(dir.write("shape.txt", bytes)));
        EXPECT_EQ(reader.encoding(), TextEncoding::Gb18030) << bytes;
    }
}

// A UTF-8 book with one damaged byte, or cut in the middle of its last
// character, read as GB18030 from end to end: mojibake and no word.
TEST(TextFileReader, Utf8WithAStrayByteOrACutEndStaysUtf8)
{
    TempDir dir;
    std::string book;
    for (int i = 0; i < 2000; ++i)
        book += "中";
    const struct Case {
        const char *name;
        std::string bytes;
        std::u32string text;
        long long replaced;
    } cases[] = {
        {"stray byte", book + "\xFF" + book,
         std::u32string(2000, U'中') + U"\uFFFD" + std::u32string(2000, U'中'), 1},
        {"cut end", "文字\xE4\xB8", U"文字\uFFFD\uFFFD", 2},
    };
    for (const Case &c : cases) {
        TextFileReader reader;
        ASSERT_TRUE(reader.open(dir.write("in.txt", c.bytes)));
        EXPECT_EQ(reader.encoding(), TextEncoding::Utf8) << c.name;
        EXPECT_TRUE(readAll(reader) == c.text) << c.name;
        EXPECT_EQ(reader.replacedCount(), c.replaced) << c.name;
    }
    // Three stray bytes in 2,000 characters are too many: GB18030, as GBK
    // text with a few characters of UTF-8's shape reads.
    TextFileReader reader;
    ASSERT_TRUE(reader.open(dir.write("in.txt", book + "\xFF\xFF\xFF")));
    EXPECT_EQ(reader.encoding(), TextEncoding::Gb18030);
}
