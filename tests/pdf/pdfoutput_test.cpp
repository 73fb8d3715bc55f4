// What the writer puts into the file: text that reads back exactly, real
// pages of the right size, embedded fonts and the document information.
#include "pdftestsupport.h"

#include "pdf/tervolanpdf.h"
#include "tests/support/commandrun.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <sstream>

using namespace pdftest;

namespace {

const std::vector<std::string> kSongLines = {
    "天地玄黄，宇宙洪荒。日月盈昃，辰宿列张。",
    "寒来暑往（秋收冬藏）；闰余成岁？律吕调阳！",
};
const std::vector<std::string> kHeiLines = {
    "云腾致雨，露结为霜：金生丽水、玉出昆冈。",
    "第12章 共3456789页《测试》",
};
const std::vector<std::string> kLatinLines = {
    "The quick brown fox jumps over the lazy dog.",
    "0123456789 +-*/=<>()[]{} @#$%&_~^|\\ \"quoted\" 'single', end;",
};

void writeLines(int box, const std::vector<std::string> &lines, int &y)
{
    for (const std::string &line : lines) {
        ASSERT_EQ(TextOut(box, /*x*/ 100, y, line.c_str()), 0) << lastError();
        y += 60;
    }
}

} // namespace

TEST(PdfOutput, TextInBothChineseFacesAndLatinReadsBackExactly)
{
    TempDir folder;
    const std::string output = folder.file("mixed");
    const int box = beginDocument(output);
    ASSERT_EQ(SetNumProp(box, PDF_FONT_SIZE, 12), 0);
    int y = 100;
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "宋体"), 0);
    writeLines(box, kSongLines, y);
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "黑体"), 0);
    writeLines(box, kHeiLines, y);
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "SimSun"), 0);
    writeLines(box, kLatinLines, y);
    ASSERT_EQ(EndDoc(box), 0) << lastError();

    std::vector<std::string> expected = kSongLines;
    expected.insert(expected.end(), kHeiLines.begin(), kHeiLines.end());
    expected.insert(expected.end(), kLatinLines.begin(), kLatinLines.end());
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"), expected);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"mixed.pdf"});
    commandOutput("qpdf --check '" + output + ".pdf'");
}

TEST(PdfOutput, FontsAreEmbeddedSubsetsWithUnicodeMaps)
{
    TempDir folder;
    const std::string output = folder.file("fonts");
    const int box = beginDocument(output);
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "SimSun"), 0);
    ASSERT_EQ(TextOut(box, 100, 100, "宋体 Song 123"), 0);
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "SimHei"), 0);
    ASSERT_EQ(TextOut(box, 100, 200, "黑体 Hei 456"), 0);
    ASSERT_EQ(EndDoc(box), 0) << lastError();

    const std::string fonts = commandOutput("pdffonts '" + output + ".pdf'");
    EXPECT_NE(fonts.find("NotoSerifCJKsc-Regular"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("NotoSansCJKsc-Regular"), std::string::npos) << fonts;
    // Every font row: embedded, subset, with a Unicode map.
    std::istringstream rows(fonts);
    std::string row;
    int fontRows = 0;
    while (std::getline(rows, row)) {
        if (row.find("Noto") == std::string::npos)
            continue;
        ++fontRows;
        EXPECT_NE(row.find("yes yes yes"), std::string::npos) << row;
        EXPECT_EQ(row[6], '+') << "subset fonts carry a tag: " << row;
    }
    EXPECT_EQ(fontRows, 2);
}

TEST(PdfOutput, UnknownFaceNamesFallBackToAChineseFace)
{
    TempDir folder;
    const std::string output = folder.file("fallback");
    const int box = beginDocument(output);
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "No Such Face 无此字体"), 0);
    ASSERT_EQ(TextOut(box, 100, 100, "中文不会变成方框"), 0) << lastError();
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "DejaVu Sans"), 0);
    ASSERT_EQ(TextOut(box, 100, 200, "Latin face"), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    const std::string fonts = commandOutput("pdffonts '" + output + ".pdf'");
    EXPECT_NE(fonts.find("CJKsc"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("DejaVuSans"), std::string::npos) << fonts;
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"),
              (std::vector<std::string>{"中文不会变成方框", "Latin face"}));
}

TEST(PdfOutput, LatinLettersTheChineseFacesLackComeFromANotoFaceOfTheirStyle)
{
    TempDir folder;
    const std::string output = folder.file("latin");
    const int box = beginDocument(output);
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "宋体"), 0);
    ASSERT_EQ(TextOut(box, 100, 100, "宋体 Łódź"), 0) << lastError();
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "黑体"), 0);
    ASSERT_EQ(TextOut(box, 100, 200, "黑体 Ÿ"), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    const std::string fonts = commandOutput("pdffonts '" + output + ".pdf'");
    EXPECT_NE(fonts.find("+NotoSerif-Regular "), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("+NotoSans-Regular "), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find("HanaMin"), std::string::npos) << fonts;
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"),
              (std::vector<std::string>{"宋体 Łódź", "黑体 Ÿ"}));
}

TEST(PdfOutput, NewPageStartsPagesThatKeepTheirOwnText)
{
    TempDir folder;
    const std::string output = folder.file("pages");
    const int box = beginDocument(output);
    for (int page = 1; page <= 4; ++page) {
        if (page > 1) {
            ASSERT_EQ(NewPage(box), 0) << lastError();
        }
        const std::string text = "第" + std::to_string(page) + "页 page " + std::to_string(page);
        ASSERT_EQ(TextOut(box, 100, 120, text.c_str()), 0) << lastError();
    }
    ASSERT_EQ(EndDoc(box), 0) << lastError();

    EXPECT_EQ(PdfReadback::info(output + ".pdf", "Pages"), "4");
    EXPECT_EQ(PdfReadback::lines(output + ".pdf", 3), std::vector<std::string>{"第3页 page 3"});
}

TEST(PdfOutput, EmptyDocumentHasOnePage)
{
    TempDir folder;
    const std::string output = folder.file("empty");
    const int box = beginDocument(output);
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(PdfReadback::info(output + ".pdf", "Pages"), "1");
}

struct PageSizeRow {
    const char *name;
    int height; // page units, as property 34 gives it
    const char *points;
};

class PdfPageSize : public ::testing::TestWithParam<PageSizeRow> {};

TEST_P(PdfPageSize, HeightAndPaperMatchTheSizeName)
{
    TempDir folder;
    const std::string output = folder.file("size");
    const int box = CreateBox(0, 0);
    ASSERT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, output.c_str()), 0);
    ASSERT_EQ(SetStrProp(box, PDF_PAGE_SIZE, GetParam().name), 0);
    EXPECT_EQ(GetNumProp(box, PDF_PAGE_HEIGHT), GetParam().height);
    ASSERT_EQ(BeginDoc(box), 0) << lastError();
    ASSERT_EQ(NewPage(box), 0);
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(PdfReadback::info(output + ".pdf", "Page size").rfind(GetParam().points, 0), 0u)
        << PdfReadback::info(output + ".pdf", "Page size");
}

INSTANTIATE_TEST_SUITE_P(Sizes, PdfPageSize,
                         ::testing::Values(PageSizeRow{"A3", 4200, "841.89 x 1190.55 pts"},
                                           PageSizeRow{"A4", 2970, "595.276 x 841.89 pts"},
                                           PageSizeRow{"A5", 2100, "419.528 x 595.276 pts"},
                                           PageSizeRow{"", 2970, "595.276 x 841.89 pts"},
                                           PageSizeRow{"a3", 2970, "595.276 x 841.89 pts"},
                                           PageSizeRow{"Letter", 2970, "595.276 x 841.89 pts"}),
                         [](const ::testing::TestParamInfo<PageSizeRow> &row) {
                             return *row.param.name ? std::string(row.param.name)
                                                    : std::string("Empty");
                         });

TEST(PdfOutput, DocumentInformationShowsAuthorKeywordsCreator)
{
    TempDir folder;
    const std::string output = folder.file("info");
    const int box = CreateBox(0, 0);
    ASSERT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, output.c_str()), 0);
    ASSERT_EQ(SetStrProp(box, PDF_AUTHOR, "张三 (Zhang San)"), 0);
    ASSERT_EQ(SetStrProp(box, PDF_KEYWORDS, "报告, 2024"), 0);
    ASSERT_EQ(SetStrProp(box, PDF_CREATOR, "Tervolan"), 0);
    ASSERT_EQ(BeginDoc(box), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(PdfReadback::info(output + ".pdf", "Author"), "张三 (Zhang San)");
    EXPECT_EQ(PdfReadback::info(output + ".pdf", "Keywords"), "报告, 2024");
    EXPECT_EQ(PdfReadback::info(output + ".pdf", "Creator"), "Tervolan");
}

TEST(PdfOutput, SourceDateEpochMakesOutputReproducible)
{
    // The title is the file's name, so both files share one name, in two
    // folders.
    TempDir firstFolder;
    TempDir secondFolder;
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    for (const TempDir *folder : {&firstFolder, &secondFolder}) {
        const int box = beginDocument(folder->file("same"));
        ASSERT_EQ(TextOut(box, 100, 100, "同样的文字 same text"), 0);
        ASSERT_EQ(NewPage(box), 0);
        ASSERT_EQ(EndDoc(box), 0) << lastError();
    }
    unsetenv("SOURCE_DATE_EPOCH");
    const std::string first = readBytes(firstFolder.file("same.pdf"));
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, readBytes(secondFolder.file("same.pdf")));
    EXPECT_EQ(PdfReadback::info(firstFolder.file("same.pdf"), "CreationDate"),
              "Tue Nov 14 22:13:20 2023 UTC");
}

TEST(PdfOutput, ControlsInvalidBytesAndMissingGlyphsDoNotBreakTheDocument)
{
    TempDir folder;
    const std::string output = folder.file("odd");
    const int box = beginDocument(output);
    EXPECT_EQ(TextOut(box, 100, 100,
                      "before\ttab\x01"
                      "after"),
              0)
        << lastError();
    EXPECT_EQ(TextOut(box, 100, 200, "bad \xff\xc0\xaf bytes \xe4\xb8"), 0) << lastError();
    EXPECT_EQ(TextOut(box, 100, 250, "surrogate \xed\xa0\x80 overlong \xe0\x80\xaf end"), 0)
        << lastError();
    EXPECT_EQ(TextOut(box, 100, 300, "emoji 😀 末"), 0) << lastError();
    EXPECT_EQ(TextOut(box, 100, 400, nullptr), 0) << lastError();
    EXPECT_EQ(TextOut(box, 100, 500, "still fine 仍然正常"), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();

    commandOutput("qpdf --check '" + output + ".pdf'");
    const std::string layout = commandOutput("pdftotext -layout -enc UTF-8 '" + output + ".pdf' -");
    // A tab opens a gap of blanks instead of a glyph box or a line break;
    // every invalid byte becomes one U+FFFD.
    EXPECT_TRUE(std::regex_search(layout, std::regex("before +tab after\n"))) << layout;
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_NE(layout.find("bad " + replacement + replacement + replacement + " bytes " + replacement
                          + replacement + "\n"),
              std::string::npos)
        << layout;
    const std::string three = replacement + replacement + replacement;
    EXPECT_NE(layout.find("surrogate " + three + " overlong " + three + " end\n"),
              std::string::npos)
        << layout;
    EXPECT_NE(layout.find("still fine 仍然正常"), std::string::npos) << layout;
}

TEST(PdfOutput, TaggedStructureLongerThanMemoryBlocksStaysWhole)
{
    // A paragraph of 2,500 pieces over 63 pages, then 9,000 one-line
    // paragraphs: the lists of pieces and paragraphs outgrow the blocks
    // kept in memory (the paragraphs twice), and the Document element is
    // written a part at a time.
    TempDir folder;
    const std::string output = folder.file("long");
    const int box = CreateBox(0, 0);
    ASSERT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, output.c_str()), 0);
    ASSERT_EQ(SetNumProp(box, PDF_TAGGED, 1), 0);
    ASSERT_EQ(BeginDoc(box), 0) << lastError();
    for (int line = 0; line < 11500; ++line) {
        if (line > 0 && line % 40 == 0) {
            ASSERT_EQ(NewPage(box), 0) << lastError();
        }
        ASSERT_EQ(SetNumProp(box, PDF_PARAGRAPH, std::max(line - 2499, 0)), 0);
        const std::string text = std::to_string(line);
        ASSERT_EQ(TextOut(box, 100, 100 + 60 * (line % 40), text.c_str()), 0) << lastError();
    }
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    commandOutput("qpdf --check '" + output + ".pdf'");

    std::istringstream tree(commandOutput("pdfinfo -struct-text '" + output + ".pdf'"));
    std::vector<int> piecesPerParagraph;
    std::string last;
    for (std::string line; std::getline(tree, line);) {
        if (line == "  P (block)")
            piecesPerParagraph.push_back(0);
        else if (line.starts_with("    \"") && !piecesPerParagraph.empty())
            ++piecesPerParagraph.back(), last = line;
    }
    ASSERT_EQ(piecesPerParagraph.size(), 9001u);
    EXPECT_EQ(piecesPerParagraph.front(), 2500);
    EXPECT_EQ(std::count(piecesPerParagraph.begin(), piecesPerParagraph.end(), 1), 9000);
    EXPECT_EQ(last, "    \"11499\"");
}

TEST(PdfOutput, LineTopIsAtYAndColourIsApplied)
{
    TempDir folder;
    const std::string output = folder.file("place");
    const int box = beginDocument(output);
    ASSERT_EQ(SetNumProp(box, PDF_FONT_SIZE, 20), 0);
    ASSERT_EQ(SetNumProp(box, PDF_TEXT_COLOR, 0x0000FF), 0); // pure red
    // 100 mm from the left, 50 mm from the top.
    ASSERT_EQ(TextOut(box, 1000, 500, "红红红红"), 0);
    ASSERT_EQ(EndDoc(box), 0) << lastError();

    // At 254 dpi one pixel is 0.1 mm, a page unit.
    commandOutput("pdftoppm -r 254 -png -singlefile '" + output + ".pdf' '" + output + "'");
    const std::string bounds = commandOutput("convert '" + output
                                             + ".png' -fuzz 30% -fill white +opaque red -trim "
                                               "-format '%X %Y' info:");
    int left = 0, top = 0;
    ASSERT_EQ(std::sscanf(bounds.c_str(), "+%d +%d", &left, &top), 2) << bounds;
    EXPECT_NEAR(left, 1000, 15);
    // The ink of a Chinese glyph starts a little below the line top.
    EXPECT_GE(top, 500);
    EXPECT_LE(top, 500 + 40);
}
