// Inputs and path lists that used to lose text or files without a word:
// NUL characters, UTF-32 files, wide folders, NUL-separated or endless
// path lists, and several workers sharing an output name.

#include "tests/reliability/convertfixture.h"
#include "tests/support/pdfreadback.h"

#include <fstream>

namespace {

using Names = std::vector<std::string>;

std::string utf16LE(const std::u16string &text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes.push_back(char(unit & 0xFF));
        bytes.push_back(char(unit >> 8));
    }
    return bytes;
}

std::string utf32LE(const std::u32string &text)
{
    std::string bytes("\xFF\xFE\0\0", 4);
    for (char32_t c : text) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(char((c >> shift) & 0xFF));
    }
    return bytes;
}

} // namespace

class InputListFaults : public ConvertFixture {};

// U+0000 went through a C string and cut its line; a UTF-32LE mark passed
// for UTF-16LE and gave a blank document.
TEST_F(InputListFaults, NulCharactersAndUtf32AreText)
{
    std::string nul = dir.write(
        "nul.txt", utf16LE(u"before" + std::u16string(1, u'\0') + u"after tail\r\nnext\r\n"));
    std::string wide = dir.write("wide.txt", utf32LE(U"汉字 wide\r\n𠀀 two\r\n"));
    ChildResult run = convert({nul, wide});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(PdfReadback::lines(pdf("nul")), (Names{"before after tail", "next"}));
    EXPECT_EQ(PdfReadback::lines(pdf("wide")), (Names{"汉字 wide", "𠀀 two"}));
}

// Only the first 200 sub-folders of a folder were searched.
TEST_F(InputListFaults, RecursiveSearchTakesEverySubFolder)
{
    for (int i = 0; i < 205; ++i)
        dir.write("tree/d" + std::to_string(i) + "/f" + std::to_string(i) + ".txt", "x");
    ChildResult run = convert({"-q", "-j", "2", "-r", dir.file("tree")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folderEntries(out()).size(), 205u);
}

// find -print0 output read as lines gave one PDF of the wrong text under a
// wrong name and dropped the rest.
TEST_F(InputListFaults, NulSeparatedListIsRefusedWhole)
{
    std::string a = dir.write("in/a.txt", "a");
    std::string b = dir.write("in/b.txt", "b");
    std::string list = dir.write("list", a + "\n" + b + std::string(1, '\0') + a + "\n");
    ChildResult run = convert({"-T", list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.err),
              Names{"tervolan-convert: " + list
                    + ": line 2 holds a NUL byte (paths go one a line, not NUL-separated);"
                      " nothing of this list is converted"});
    EXPECT_TRUE(folderEntries(out()).empty());
}

// A list line was held whole, twice, and echoed whole to stderr: a line
// of 32 MB took more than 64 MB.
TEST_F(InputListFaults, OverlongListLineIsReportedShortenedInBoundedMemory)
{
    constexpr size_t LineBytes = 32 * 1024 * 1024;
    std::string good = dir.write("in/good.txt", "good");
    std::string list = dir.file("list");
    {
        std::ofstream file(list, std::ios::binary);
        file << good << "\n";
        std::string chunk(1024 * 1024, 'x');
        for (size_t written = 0; written < LineBytes; written += chunk.size())
            file << chunk;
        file << "\n";
    }
    // The same run without the long line, for what the program costs
    // anyway (far more under the sanitizers).
    const ChildResult plain = convert({"-T", dir.write("plain-list", good + "\n")});
    ChildResult run = convert({"-T", list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.err),
              Names{"tervolan-convert: " + list
                    + ": line 2: longer than a path can be (4095 bytes): " + std::string(100, 'x')
                    + "..."});
    EXPECT_EQ(run.out, pdf("good") + "\n");
    EXPECT_LT(run.peakRssKb, plain.peakRssKb + long(LineBytes / 1024 / 2));
}

// With -j 2 the earlier of two inputs of one base name won when it took
// longer to write; one worker leaves the later one.
TEST_F(InputListFaults, SharedOutputNameEndsAsWithOneWorker)
{
    std::string longer;
    for (int i = 0; i < 20000; ++i)
        longer += "earlier line " + std::to_string(i) + "\r\n";
    std::string earlier = dir.write("a/same.txt", longer);
    std::string later = dir.write("b/same.log", "later\r\n");
    ASSERT_EQ(convert({"-q", "-j", "1", earlier, later}).exitCode, 0);
    Names oneWorker = PdfReadback::lines(pdf("same"));
    ASSERT_EQ(oneWorker, Names{"later"});
    ASSERT_EQ(convert({"-q", "-j", "2", earlier, later}).exitCode, 0);
    EXPECT_EQ(PdfReadback::lines(pdf("same")), oneWorker);
}
