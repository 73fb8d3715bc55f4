// Two boxes in two threads write two documents at once, and each thread
// keeps its own failure message.
#include "pdftestsupport.h"

#include "pdf/tervolanpdf.h"
#include "tests/support/commandrun.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <barrier>
#include <thread>

using namespace pdftest;

namespace {

// Writes pages of numbered lines; returns the first failure message or "".
std::string writeDocument(const std::string &output, const char *font, const std::string &tag,
                          int pages)
{
    const int box = CreateBox(0, 0);
    if (SetStrProp(box, PDF_OUTPUT_PATH, output.c_str()) != 0 || BeginDoc(box) != 0)
        return lastError();
    SetStrProp(box, PDF_FONT_NAME, font);
    SetNumProp(box, PDF_FONT_SIZE, 10);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && NewPage(box) != 0)
            return lastError();
        for (int line = 2; line < 55; ++line) {
            const std::string text = tag + " " + std::to_string(page) + "-" + std::to_string(line);
            if (TextOut(box, 100, 50 * line, text.c_str()) != 0)
                return lastError();
        }
    }
    return EndDoc(box) == 0 ? "" : lastError();
}

} // namespace

TEST(PdfThreads, TwoBoxesWriteTwoDocumentsAtOnce)
{
    TempDir folder;
    std::string songError = "not run", heiError = "not run";
    std::thread song([&] { songError = writeDocument(folder.file("song"), "宋体", "宋体行", 40); });
    std::thread hei([&] { heiError = writeDocument(folder.file("hei"), "黑体", "黑体行", 40); });
    song.join();
    hei.join();
    ASSERT_EQ(songError, "");
    ASSERT_EQ(heiError, "");

    for (const auto &[name, tag] : {std::pair{"song", "宋体行"}, std::pair{"hei", "黑体行"}}) {
        const std::string pdf = folder.file(name) + ".pdf";
        EXPECT_EQ(PdfReadback::info(pdf, "Pages"), "40");
        const std::vector<std::string> lines = PdfReadback::lines(pdf, 40);
        ASSERT_EQ(lines.size(), 53u) << name;
        EXPECT_EQ(lines.front(), std::string(tag) + " 39-2");
        EXPECT_EQ(lines.back(), std::string(tag) + " 39-54");
        commandOutput("qpdf --check '" + pdf + "'");
    }
    const std::string fonts = commandOutput("pdffonts '" + folder.file("hei") + ".pdf'");
    EXPECT_EQ(fonts.find("Serif"), std::string::npos) << "the Song thread's font leaked in";
}

TEST(PdfThreads, EachThreadReadsItsOwnErrorMessage)
{
    std::barrier bothFailed(2);
    std::string first, second;
    std::thread a([&] {
        GetNumProp(424242, PDF_FONT_SIZE);
        bothFailed.arrive_and_wait();
        first = lastError();
    });
    std::thread b([&] {
        GetNumProp(CreateBox(0, 0), 77);
        bothFailed.arrive_and_wait();
        second = lastError();
    });
    a.join();
    b.join();
    EXPECT_EQ(first, "unknown PDF box 424242");
    EXPECT_EQ(second, "unknown property 77");
}

// A long document's pages are compressed on a thread of their own only
// while a core is free; the file must not tell which way it was made.
// 300 pages give more page content than the writer keeps in flight.
TEST(PdfThreads, PagesCompressedAlongsideGiveTheSameFile)
{
    TempDir alone;
    TempDir crowded;
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const std::string aloneError = writeDocument(alone.file("book"), "宋体", "行", 300);
    // Documents open on every core leave the next one no core to spare.
    std::vector<int> idle;
    for (unsigned core = 0; core < std::max(1u, std::thread::hardware_concurrency()); ++core) {
        idle.push_back(beginDocument(crowded.file("idle" + std::to_string(core))));
    }
    const std::string crowdedError = writeDocument(crowded.file("book"), "宋体", "行", 300);
    for (int box : idle)
        EndDoc(box);
    unsetenv("SOURCE_DATE_EPOCH");
    ASSERT_EQ(aloneError, "");
    ASSERT_EQ(crowdedError, "");
    EXPECT_TRUE(readBytes(alone.file("book.pdf")) == readBytes(crowded.file("book.pdf")));
    commandOutput("qpdf --check '" + alone.file("book.pdf") + "'");
}
