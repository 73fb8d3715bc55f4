// The property rules and the failures a caller can run into: each failure
// returns -1 and leaves a message that says what was wrong.
#include "pdftestsupport.h"

#include "pdf/tervolanpdf.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <climits>

using namespace pdftest;

namespace {

void expectFailure(int result, const std::string &messagePart)
{
    EXPECT_EQ(result, -1);
    EXPECT_NE(lastError().find(messagePart), std::string::npos) << lastError();
}

} // namespace

TEST(PdfProperties, FontSizeBelowOneMeansTwelvePoints)
{
    const int box = CreateBox(0, 0);
    for (int size : {0, -3, INT_MIN}) {
        ASSERT_EQ(SetNumProp(box, PDF_FONT_SIZE, size), 0);
        EXPECT_EQ(GetNumProp(box, PDF_FONT_SIZE), 12) << size;
    }
    ASSERT_EQ(SetNumProp(box, PDF_FONT_SIZE, 1), 0);
    EXPECT_EQ(GetNumProp(box, PDF_FONT_SIZE), 1);
}

TEST(PdfProperties, PageHeightKeepsTheOpenDocumentsSize)
{
    TempDir folder;
    const int box = beginDocument(folder.file("a5"), "A5");
    EXPECT_EQ(GetNumProp(box, PDF_PAGE_HEIGHT), 2100);
    // A size set while a document is open is for the next document; the
    // page-break test must go on measuring the pages being written.
    ASSERT_EQ(SetStrProp(box, PDF_PAGE_SIZE, "A3"), 0);
    EXPECT_EQ(GetNumProp(box, PDF_PAGE_HEIGHT), 2100);
    ASSERT_EQ(NewPage(box), 0);
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(PdfReadback::info(folder.file("a5.pdf"), "Page size").rfind("419.528 x 595.276", 0),
              0u);
    EXPECT_EQ(GetNumProp(box, PDF_PAGE_HEIGHT), 4200);
}

TEST(PdfProperties, UnknownHandlesAreRefusedByEveryCall)
{
    const int unknown = CreateBox(0, 0) + 1000;
    const std::string name = "unknown PDF box " + std::to_string(unknown);
    expectFailure(SetStrProp(unknown, PDF_AUTHOR, "x"), name);
    expectFailure(SetNumProp(unknown, PDF_FONT_SIZE, 10), name);
    expectFailure(GetNumProp(unknown, PDF_FONT_SIZE), name);
    expectFailure(BeginDoc(unknown), name);
    expectFailure(TextOut(unknown, 100, 100, "x"), name);
    expectFailure(NewPage(unknown), name);
    expectFailure(EndDoc(unknown), name);
    char text[8];
    expectFailure(GetStrProp(unknown, PDF_FONT_STAND_IN, text, sizeof text), name);
    expectFailure(GetNumProp(0, PDF_FONT_SIZE), "unknown PDF box 0");
    expectFailure(GetNumProp(-1, PDF_FONT_SIZE), "unknown PDF box -1");
}

TEST(PdfProperties, UnknownAndWrongKindPropertiesAreRefused)
{
    const int box = CreateBox(0, 0);
    expectFailure(SetStrProp(box, 99, "x"), "unknown property 99");
    expectFailure(SetNumProp(box, 12, 1), "unknown property 12");
    expectFailure(GetNumProp(box, 0), "unknown property 0");
    expectFailure(SetStrProp(box, PDF_FONT_SIZE, "12"), "property 28 holds a number");
    expectFailure(SetNumProp(box, PDF_AUTHOR, 1), "property 15 holds text");
    expectFailure(GetNumProp(box, PDF_OUTPUT_PATH), "property 10 holds text");
    expectFailure(SetNumProp(box, PDF_PAGE_HEIGHT, 100), "read-only");
    // A refused value leaves the one in force alone.
    EXPECT_EQ(GetNumProp(box, PDF_PAGE_HEIGHT), 2970);
    char text[8];
    expectFailure(SetStrProp(box, PDF_FONT_STAND_IN, "x"), "read only");
    expectFailure(GetStrProp(box, PDF_AUTHOR, text, sizeof text), "cannot be read");
    expectFailure(GetStrProp(box, PDF_FONT_SIZE, text, sizeof text), "holds a number");
    expectFailure(GetStrProp(box, PDF_FONT_STAND_IN, nullptr, 8), "buffer");
}

TEST(PdfProperties, DocumentCallsNeedAnOpenDocument)
{
    TempDir folder;
    const int box = CreateBox(0, 0);
    expectFailure(TextOut(box, 100, 100, "x"), "TextOut without an open document");
    expectFailure(NewPage(box), "NewPage without an open document");
    expectFailure(EndDoc(box), "EndDoc without an open document");

    // A second EndDoc after a good one has nothing left to close.
    ASSERT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, folder.file("once").c_str()), 0);
    ASSERT_EQ(BeginDoc(box), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    expectFailure(EndDoc(box), "EndDoc without an open document");
}

// The message of a failure once outlived the calls after it, so a later
// -1 value read as a failure with a stale reason.
TEST(PdfProperties, SuccessClearsTheMessageOfAnEarlierFailure)
{
    const int box = CreateBox(0, 0);
    expectFailure(GetNumProp(box, 77), "unknown property 77");
    ASSERT_EQ(GetNumProp(box, PDF_FONT_SIZE), 12);
    EXPECT_EQ(lastError(), "");
}

// Property 62 answered -1 past the count, which reads as a failure.
TEST(PdfProperties, MissingGlyphIndexPastTheCountFails)
{
    const int box = CreateBox(0, 0);
    ASSERT_EQ(GetNumProp(box, PDF_MISSING_GLYPH_COUNT), 0);
    expectFailure(GetNumProp(box, PDF_MISSING_GLYPH), "past the count 0");
    expectFailure(SetNumProp(box, PDF_MISSING_GLYPH_INDEX, -1), "cannot be negative");
    EXPECT_EQ(GetNumProp(box, PDF_MISSING_GLYPH_INDEX), 0);
}

TEST(PdfProperties, ErrorMessageIsCutOnACharacterBoundary)
{
    TempDir folder;
    const int box = CreateBox(0, 0);
    const std::string output = folder.file("缺少的目录/文件");
    ASSERT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, output.c_str()), 0);
    ASSERT_EQ(BeginDoc(box), -1);
    const std::string full = lastError();
    ASSERT_NE(full.find("缺少的目录"), std::string::npos) << full;

    for (int capacity = 1; capacity <= static_cast<int>(full.size()) + 2; ++capacity) {
        std::vector<char> buffer(static_cast<size_t>(capacity) + 8, '#');
        const int copied = GetErrorMsg(buffer.data(), capacity);
        ASSERT_GE(copied, 0);
        const std::string text(buffer.data());
        ASSERT_EQ(static_cast<int>(text.size()), copied);
        ASSERT_LE(copied, capacity - 1);
        // At most the three trailing bytes of a split character are lost.
        ASSERT_GE(copied, std::min<int>(capacity - 1, static_cast<int>(full.size())) - 3);
        ASSERT_EQ(full.compare(0, text.size(), text), 0);
        const bool endsOnBoundary = copied == static_cast<int>(full.size())
            || (static_cast<unsigned char>(full[static_cast<size_t>(copied)]) & 0xC0) != 0x80;
        ASSERT_TRUE(endsOnBoundary) << "capacity " << capacity;
        ASSERT_EQ(buffer[static_cast<size_t>(capacity)], '#') << "wrote past capacity";
    }
    char buffer[4];
    EXPECT_EQ(GetErrorMsg(nullptr, 10), -1);
    EXPECT_EQ(GetErrorMsg(buffer, 0), -1);
}

TEST(PdfProperties, OversizedFontFailsTheLineButNotTheDocument)
{
    TempDir folder;
    const std::string output = folder.file("oversized");
    const int box = beginDocument(output);
    ASSERT_EQ(SetNumProp(box, PDF_FONT_SIZE, INT_MAX), 0);
    expectFailure(TextOut(box, 100, 100, "巨大"), "too large");
    ASSERT_EQ(SetNumProp(box, PDF_FONT_SIZE, 12), 0);
    ASSERT_EQ(TextOut(box, 100, 200, "正常的一行"), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"), std::vector<std::string>{"正常的一行"});
}
