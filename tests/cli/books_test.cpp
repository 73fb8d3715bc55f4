// What books get: an outline from their chapter headings and page
// numbers, read back with qpdf and pdftotext.
#include "tests/support/commandrun.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string Convert = std::string(TERVOLAN_BINARY_DIR) + "/bin/tervolan-convert";

using Entry = PdfReadback::OutlineEntry;

class Books : public ::testing::Test {
protected:
    Books() { settings = dir.write("empty.ini", ""); }

    // The PDF of text, converted with arguments.
    std::string convert(const std::string &name, const std::string &text,
                        const std::string &arguments = {})
    {
        const std::string input = dir.write(name + ".txt", text);
        const CommandRun run = CommandRun::run(Convert + " -q --settings " + shellQuote(settings)
                                               + " -o " + shellQuote(dir.file("out")) + " "
                                               + arguments + " " + shellQuote(input));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return dir.file("out/" + name + ".pdf");
    }

    TempDir dir;
    std::string settings;
};

// Body lines enough to push the next heading down the page or onto the
// next one.
std::string body(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "天地玄黄，宇宙洪荒。\n";
    return text;
}

} // namespace

TEST_F(Books, NovelGetsItsHeadingsInOrderNestedUnderVolumesOnTheirPages)
{
    const std::string pdf = convert("novel",
                                    "\u3000\u3000序章 雨夜\n" + body(30) + "卷一 风起\n" + body(5)
                                        + "第一章 初入江湖\n" + body(40) + "第2章 夜雨\n" + body(20)
                                        + "  第３章\u3000归来\n" + body(50) + "卷二\n第十回 重逢\n"
                                        + body(10) + "番外 旧事\n" + body(3)
                                        + "第一章在此之后才开始写，这一行太长了，不是标题，只是正文"
                                          "里的一句话而已，四十个字以上。\n");
    const std::vector<Entry> expected = {
        {0, 1, "序章 雨夜"},   {0, 1, "卷一 风起"},        {1, 1, "第一章 初入江湖"},
        {1, 2, "第2章 夜雨"},  {1, 3, "第３章\u3000归来"}, {0, 4, "卷二"},
        {1, 4, "第十回 重逢"}, {1, 4, "番外 旧事"},
    };
    const std::vector<Entry> outline = PdfReadback::outline(pdf);
    ASSERT_EQ(outline, expected);
    // pdftotext gives U+3000 as a plain blank.
    const auto withoutBlanks = [](std::string text) {
        for (const std::string blank : {"\u3000", " "}) {
            for (size_t at = text.find(blank); at != std::string::npos; at = text.find(blank))
                text.erase(at, blank.size());
        }
        return text;
    };
    for (const Entry &entry : outline) {
        const std::vector<std::string> lines = PdfReadback::lines(pdf, entry.page);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const std::string &line) {
                                    return withoutBlanks(line) == withoutBlanks(entry.title);
                                }))
            << entry.title << " on page " << entry.page;
    }
    EXPECT_EQ(PdfReadback::outline(convert("flat",
                                           "Chapter 1\nOne.\nCHAPTER II: Two\nTwo.\n"
                                           "Chapter three - The End\nPart of the plan.\n")),
              (std::vector<Entry>{{0, 1, "Chapter 1"},
                                  {0, 1, "CHAPTER II: Two"},
                                  {0, 1, "Chapter three - The End"}}));
}

TEST_F(Books, TextWithoutTwoHeadingsOrWithNoOutlineGetsNone)
{
    EXPECT_TRUE(
        PdfReadback::outline(convert("note", "第一章\n一张便条。\n部三的人都来了。\n")).empty());
    const std::string novel = "第一章\n甲\n第二章\n乙\n";
    EXPECT_TRUE(PdfReadback::outline(convert("off", novel, "--no-outline")).empty());
    EXPECT_EQ(PdfReadback::outline(
                  convert("own", novel + "== 三 ==\n== 四 ==\n", "--outline-pattern '^== .* ==$'")),
              (std::vector<Entry>{{0, 1, "== 三 =="}, {0, 1, "== 四 =="}}));
}

TEST_F(Books, TaggedHeadingsAreH1ForVolumesAndH2ForChapters)
{
    const std::string pdf = convert("tagged", "卷一\n第一章\n甲\n第二章\n乙\n", "--tagged");
    commandOutput("qpdf --qdf --object-streams=disable " + shellQuote(pdf) + " "
                  + shellQuote(pdf + ".qdf"));
    const std::string objects = readBytes(pdf + ".qdf");
    const auto count = [&](const std::string &what) {
        size_t found = 0;
        for (size_t at = objects.find(what); at != std::string::npos;
             at = objects.find(what, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count("/S /H1"), 1u);
    EXPECT_EQ(count("/S /H2"), 2u);
    EXPECT_EQ(count("/S /P\n"), 2u);
}

TEST_F(Books, PageNumbersStandLastOnEveryPageAndTheCountOnEach)
{
    // 45 lines a page: three pages.
    const std::string text = body(100);
    const std::string chinese = convert("zh", text, "--page-numbers");
    const std::string counted = convert("count", text, "--page-numbers='{n} / {total}'");
    const auto lastLine = [](const std::string &pdf, int page) {
        std::string line = PdfReadback::lines(pdf, page).back();
        std::erase(line, ' ');
        return line;
    };
    ASSERT_EQ(PdfReadback::pages(chinese), 3);
    for (int page = 1; page <= 3; ++page) {
        EXPECT_EQ(lastLine(chinese, page), "第" + std::to_string(page) + "页");
        EXPECT_EQ(lastLine(counted, page), std::to_string(page) + "/3");
    }
    std::vector<double> tops = PdfReadback::lineTops(chinese);
    tops.pop_back();
    EXPECT_EQ(tops, PdfReadback::lineTops(convert("plain", text))) << "the lines stay in place";
}
