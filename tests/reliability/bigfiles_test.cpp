// Huge inputs: memory stays bounded and the run ends. Inputs are written
// a megabyte at a time into a temporary folder and removed with it.

#include "tests/reliability/convertfixture.h"
#include "tests/support/pdfreadback.h"

#include <fstream>

namespace {

constexpr long long MegaByte = 1024 * 1024;
// Far below the size of the big input: the reader and the cutter hold a
// block and a piece at a time, whatever the line length.
constexpr long PeakRssLimitKb = 160 * 1024;

// Lines stand at slots 2 and on, 5 x font size apart, and a page breaks
// when the next line would come within 200 units of the bottom: with font
// size 1 on A3 (4200 high) at slots 2 to 799, with 12 on A4 (2970) at 2 to 46.
constexpr long long LinesPerA3PageAt1 = 798;
constexpr long long LinesPerA4PageAt12 = 45;
// With font size 130 on A5 (2100 high) a line fills a page: slot 2 is at
// 1300, slot 3 at 1950 would come within 200 units of the bottom.
constexpr long long LinesPerA5PageAt130 = 1;

std::string writeRepeated(const std::string &path, const std::string &unit, long long count)
{
    std::ofstream out(path, std::ios::binary);
    std::string chunk;
    for (long long i = 0; i < MegaByte / (long long)unit.size() && i < count; ++i)
        chunk += unit;
    long long perChunk = (long long)(chunk.size() / unit.size());
    for (long long written = 0; written < count; written += perChunk) {
        long long units = std::min(perChunk, count - written);
        out.write(chunk.data(), std::streamsize(units * (long long)unit.size()));
    }
    return path;
}

// Lines "1" to "count", one a line.
std::string writeNumbered(const std::string &path, long long count)
{
    std::ofstream out(path, std::ios::binary);
    for (long long number = 1; number <= count; ++number)
        out << number << '\n';
    return path;
}

// A file's last page follows its last line; a full last page breaks once more.
long long pagesFor(long long outputLines, long long linesPerPage)
{
    return outputLines / linesPerPage + 1;
}

// Output lines for a line of blanks only: each piece takes N blanks and
// drops the blank after it; the rest, empty or not, is the last line.
long long linesForBlankLine(long long length, long long charsPerLine)
{
    long long lines = 1;
    for (long long rest = length; rest > charsPerLine; rest -= charsPerLine + 1)
        ++lines;
    return lines;
}

} // namespace

class BigFiles : public ConvertFixture {};

TEST_F(BigFiles, TwoHundredMegabyteSingleLine)
{
    constexpr long long Length = 200 * 1000 * 1000;
    std::string input = writeRepeated(dir.file("line.txt"), " ", Length);
    // The writer holds a page's text until the page is done, so the page is
    // kept to the usual 45 lines; the line itself is 200 MB.
    ChildResult run
        = convert({"--font-size", "12", "--page-size", "A4", "--chars-per-line", "32767", input},
                  std::chrono::minutes(15));
    std::filesystem::remove(input);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_LT(run.peakRssKb, PeakRssLimitKb);
    // qpdf --check would parse all 200 million characters of page text,
    // minutes of work; the page count read through the cross-reference
    // table shows the document is whole.
    EXPECT_EQ(PdfReadback::pages(pdf("line")),
              pagesFor(linesForBlankLine(Length, 32767), LinesPerA4PageAt12));
}

TEST_F(BigFiles, TenMillionEmptyLines)
{
    constexpr long long Lines = 10 * 1000 * 1000;
    std::string input = writeRepeated(dir.file("empty.txt"), "\n", Lines);
    ChildResult run
        = convert({"--font-size", "1", "--page-size", "A3", input}, std::chrono::minutes(10));
    std::filesystem::remove(input);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_LT(run.peakRssKb, PeakRssLimitKb);
    EXPECT_EQ(PdfReadback::pages(pdf("empty")), pagesFor(Lines, LinesPerA3PageAt1));
    EXPECT_TRUE(passesQpdfCheck(pdf("empty")));
}

TEST_F(BigFiles, PeakMemoryStaysTheSameForTenTimesThePages)
{
    constexpr long long Lines = 50 * 1000;
    const std::string small = writeNumbered(dir.file("small.txt"), Lines);
    const std::string large = writeNumbered(dir.file("large.txt"), 10 * Lines);
    const std::vector<std::string> options = {"--font-size", "130", "--page-size", "A5"};
    std::vector<std::string> arguments = options;
    arguments.push_back(small);
    ChildResult smallRun = convert(arguments);
    arguments.back() = large;
    ChildResult largeRun = convert(arguments, std::chrono::minutes(5));
    ASSERT_EQ(smallRun.exitCode, 0) << smallRun.err;
    ASSERT_EQ(largeRun.exitCode, 0) << largeRun.err;
    // Nothing kept per page: 450,000 more pages may not cost 2 MB.
    EXPECT_LT(largeRun.peakRssKb - smallRun.peakRssKb, 2 * 1024)
        << smallRun.peakRssKb << " KB for " << Lines << " pages, " << largeRun.peakRssKb
        << " KB for ten times as many";
    EXPECT_EQ(PdfReadback::pages(pdf("large")), pagesFor(10 * Lines, LinesPerA5PageAt130));
    // A page deep in the page tree is still found in its place.
    EXPECT_EQ(PdfReadback::lines(pdf("large"), 300001), std::vector<std::string>{"300001"});
    EXPECT_TRUE(passesQpdfCheck(pdf("small")));
}
