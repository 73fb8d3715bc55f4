#include "app/conversionjob.h"
#include "app/pdfapi.h"
#include "app/vectorpathlist.h"
#include "pdf/tervolanpdf.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <stdexcept>

namespace {

class RecordingHost : public ConversionHost, public ProgressDisplay {
public:
    void beep() override { ++beeps; }
    void openFolder(const std::string &folder) override { opened.push_back(folder); }
    void inputSkipped(const std::string &input, const SkipReason &reason) override
    {
        skipped.push_back(input + ": " + reason.english());
    }
    void inputWarning(const std::string &input, const SkipReason &warning) override
    {
        warnings.push_back(input + ": " + warning.english());
    }
    void documentWritten(const std::string &pdf) override
    {
        written.push_back(pdf);
        if (onWritten)
            onWritten();
    }
    void outputFolderUnusable(const std::string &folder, int errorNumber) override
    {
        unusableFolders.push_back(folder + ": " + std::strerror(errorNumber));
    }
    void pdfFailed(const std::string &input, const std::string &message) override
    {
        writerFailures.push_back(input + ": " + message);
    }
    void setValue(int value) override { progress.push_back(value); }

    int beeps = 0;
    std::vector<std::string> opened, skipped, warnings, written, writerFailures, unusableFolders;
    std::vector<int> progress;
    std::function<void()> onWritten;
};

class ConversionJobTest : public ::testing::Test {
protected:
    ConversionJobTest()
    {
        settings.OutputFolder = (dir.path() / "out").string();
        settings.PageSize = "A4";
        settings.FontName = "宋体";
        settings.FontSize = 10;
        settings.CharsPerLine = 30;
    }

    std::string numberedLines(int count)
    {
        std::string text;
        for (int i = 1; i <= count; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        return text;
    }

    TempDir dir;
    Settings settings;
    RecordingHost host;
    int box = CreateBox(0, 0);
    ConversionJob job{box, settings, host, host};
};

} // namespace

TEST_F(ConversionJobTest, EmptyListDoesNothingAtAll)
{
    VectorPathList list;
    job.ConvertList(list);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_TRUE(host.progress.empty());
    EXPECT_FALSE(std::filesystem::exists(settings.OutputFolder));
}

TEST_F(ConversionJobTest, ListShrinksFromTheTopAndTheFolderOpensAtTheEnd)
{
    VectorPathList list(
        {dir.write("in/a.txt", "甲"), dir.write("in/b.txt", "乙"), dir.write("in/c.txt", "丙")});
    std::vector<int> countsWhenWritten;
    host.onWritten = [&] { countsWhenWritten.push_back(list.count()); };
    job.ConvertList(list);
    EXPECT_EQ(countsWhenWritten, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.opened, (std::vector<std::string>{settings.OutputFolder}));
    EXPECT_EQ(host.progress.back(), 100);
    EXPECT_EQ(PdfReadback::lines(settings.OutputFolder + "/b.pdf"),
              (std::vector<std::string>{"乙"}));
}

TEST_F(ConversionJobTest, OutputIsTheFolderPlusTheBaseName)
{
    VectorPathList list({dir.write("a/b/notes.2024.txt", "x")});
    settings.OutputFolder += "/";
    job.ConvertList(list);
    EXPECT_EQ(host.written, (std::vector<std::string>{settings.OutputFolder + "notes.pdf"}));
    EXPECT_EQ(host.opened, (std::vector<std::string>{settings.OutputFolder}));
}

TEST_F(ConversionJobTest, PageBreaksWhenTheNextLineWouldReachTheBottomReserve)
{
    // Font size 10 on A4 (2970 high): lines stand at 100, 150, ... and a page
    // holds 54 of them. A file that fills its last page ends with an empty one.
    VectorPathList list({dir.write("in/full.txt", numberedLines(108)),
                         dir.write("in/more.txt", numberedLines(100))});
    job.ConvertList(list);
    std::string full = settings.OutputFolder + "/full.pdf";
    EXPECT_EQ(PdfReadback::pages(full), 3);
    EXPECT_EQ(PdfReadback::lines(full, 1).back(), "line 54");
    EXPECT_EQ(PdfReadback::lines(full, 2).front(), "line 55");
    EXPECT_TRUE(PdfReadback::lines(full, 3).empty());
    EXPECT_EQ(PdfReadback::pages(settings.OutputFolder + "/more.pdf"), 2);

    // On A5 (2100 high) the line after the 36th would stand exactly on the
    // bottom reserve (1,900 = 38 x 50): the page breaks there.
    settings.PageSize = "A5";
    VectorPathList exact({dir.write("in/exact.txt", numberedLines(36))});
    job.ConvertList(exact);
    EXPECT_EQ(PdfReadback::pages(settings.OutputFolder + "/exact.pdf"), 2);
}

TEST_F(ConversionJobTest, LinesFollowEachOtherAtFiveTimesTheFontSize)
{
    VectorPathList list({dir.write("in/steps.txt", "一\r\n\r\n三\r\n四\r\n")});
    job.ConvertList(list);
    std::vector<double> tops = PdfReadback::lineTops(settings.OutputFolder + "/steps.pdf");
    ASSERT_EQ(tops.size(), 3u);
    // 50 units of 0.1 mm are 14.17 pt; the blank line keeps its slot.
    constexpr double Step = 50 * 72 / 254.0;
    EXPECT_NEAR(tops[1] - tops[0], 2 * Step, 0.5);
    EXPECT_NEAR(tops[2] - tops[1], Step, 0.5);
    EXPECT_NEAR(tops[0], 2 * Step, 3.0) << "the first line stands at y = 10 x font size";
}

TEST_F(ConversionJobTest, ProgressMovesOnlyWhileLongLinesAreCut)
{
    settings.CharsPerLine = 10;
    // Items: 4 lines, one holding a comma, so 5 items. Pieces: 2 from the
    // long line.
    std::string longLine(25, 'x');
    VectorPathList list({dir.write("in/p.txt", "a,b\r\n" + longLine + "\r\nshort\r\nend")});
    job.ConvertList(list);
    EXPECT_EQ(host.progress, (std::vector<int>{20, 40, 100}));

    host.progress.clear();
    VectorPathList shortOnly({dir.write("in/s.txt", "a\r\nb\r\n")});
    job.ConvertList(shortOnly);
    EXPECT_EQ(host.progress, (std::vector<int>{100}));
}

TEST_F(ConversionJobTest, EachEncodingReadsBackExactly)
{
    std::string text = "春眠不觉晓，处处闻啼鸟。\r\nSpring sleep, 2024.\r\n";
    std::vector<std::string> expected = {"春眠不觉晓，处处闻啼鸟。", "Spring sleep, 2024."};
    std::string gbk = "\xB4\xBA\xC3\xDF\xB2\xBB\xBE\xF5\xCF\xFE\xA3\xAC\xB4\xA6\xB4\xA6\xCE\xC5\xCC"
                      "\xE4\xC4\xF1\xA1\xA3"
                      "\r\nSpring sleep, 2024.\r\n";
    VectorPathList list({dir.write("in/u8.txt", text), dir.write("in/gb.txt", gbk),
                         dir.write("in/bom.txt", "\xEF\xBB\xBF" + text)});
    job.ConvertList(list);
    for (const char *name : {"u8", "gb", "bom"})
        EXPECT_EQ(PdfReadback::lines(settings.OutputFolder + "/" + name + ".pdf"), expected)
            << name;
}

TEST_F(ConversionJobTest, CharactersNoFontHasAreWarnedOfOnceEach)
{
    // Private-use characters of plane 15 and 16 are in no installed font.
    VectorPathList list({dir.write("in/pua.txt", "\U000F0000甲\U0010FFFD\U000F0000\n")});
    job.ConvertList(list);
    EXPECT_EQ(host.warnings,
              (std::vector<std::string>{dir.path().string()
                                        + "/in/pua.txt: 2 characters have no glyph "
                                          "in any installed font: U+F0000, U+10FFFD"}));
}

TEST_F(ConversionJobTest, AWideLineAfterANarrowOneIsWarnedOf)
{
    settings.FontSize = 36;
    std::string wide;
    for (int i = 0; i < 30; ++i)
        wide += "汉";
    VectorPathList list({dir.write("in/wide.txt", "汉\n" + wide + "\n汉\n")});
    job.ConvertList(list);
    EXPECT_EQ(host.warnings,
              (std::vector<std::string>{dir.path().string()
                                        + "/in/wide.txt: text runs off the A4 page "
                                          "at font size 36; the largest size that "
                                          "fits is 18"}));
}

TEST_F(ConversionJobTest, EmptyInputGivesOneEmptyPage)
{
    VectorPathList list({dir.write("in/empty.txt", "")});
    job.ConvertList(list);
    EXPECT_EQ(PdfReadback::pages(settings.OutputFolder + "/empty.pdf"), 1);
}

TEST_F(ConversionJobTest, FirstStartSettingsUseTheWritersDefaults)
{
    settings = Settings{};
    settings.OutputFolder = (dir.path() / "first").string();
    settings.CharsPerLine = 30;
    VectorPathList list({dir.write("in/f.txt", numberedLines(60))});
    job.ConvertList(list);
    std::string pdf = settings.OutputFolder + "/f.pdf";
    EXPECT_EQ(PdfReadback::info(pdf, "Page size").substr(0, 16), "595.276 x 841.89");
    // Font size 12: 45 lines to a page, so 60 lines need two.
    EXPECT_EQ(PdfReadback::pages(pdf), 2);
}

TEST_F(ConversionJobTest, UnreadableInputIsSkippedAndTheRestConverted)
{
    std::filesystem::create_directories(dir.path() / "in/folder.txt");
    VectorPathList list({dir.file("in/missing.txt"), dir.file("in/folder.txt"),
                         dir.write("in/binary.txt",
                                   std::string("\x7F"
                                               "ELF\0\0",
                                               6)),
                         dir.write("in/good.txt", "ok")});
    job.ConvertList(list);
    EXPECT_EQ(host.skipped.size(), 3u);
    EXPECT_EQ(host.written, (std::vector<std::string>{settings.OutputFolder + "/good.pdf"}));
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(std::filesystem::exists(settings.OutputFolder + "/binary.pdf"));
}

TEST_F(ConversionJobTest, WriterFailureStopsTheJobWithTheWritersMessage)
{
    // A folder where the PDF should go cannot be replaced.
    std::filesystem::create_directories(settings.OutputFolder + "/a.pdf");
    VectorPathList list({dir.write("in/a.txt", "x"), dir.write("in/b.txt", "y")});
    job.ConvertList(list);
    ASSERT_EQ(host.writerFailures.size(), 1u);
    EXPECT_TRUE(host.writerFailures[0].starts_with(list.entry(0) + ": ")) << host.writerFailures[0];
    EXPECT_NE(host.writerFailures[0].find("a.pdf"), std::string::npos) << host.writerFailures[0];
    EXPECT_EQ(list.count(), 2) << "nothing more happens after a failure";
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_FALSE(job.isRunning());
}

// A missing parent is made; a folder that cannot be made is named with its
// cause, and the list waits for a better one.
TEST_F(ConversionJobTest, OutputFolderIsMadeWithItsParentsOrTheRunWaits)
{
    settings.OutputFolder = dir.file("no/such/parent");
    VectorPathList list({dir.write("in/a.txt", "x")});
    job.ConvertList(list);
    EXPECT_EQ(host.written, (std::vector<std::string>{settings.OutputFolder + "/a.pdf"}));

    settings.OutputFolder = dir.write("plain-file", "") + "/pdf";
    VectorPathList waiting({dir.write("in/b.txt", "y")});
    job.ConvertList(waiting);
    ASSERT_EQ(host.unusableFolders.size(), 1u);
    EXPECT_TRUE(host.unusableFolders[0].starts_with(settings.OutputFolder + ": "))
        << host.unusableFolders[0];
    EXPECT_EQ(waiting.count(), 1);
    EXPECT_TRUE(host.writerFailures.empty());
    EXPECT_EQ(host.beeps, 1) << "only the first run finished";
}

TEST(OutputFolder, DrivePathsAndTheHomeSignMeanTheHomeFolder)
{
    const std::string home = std::getenv("HOME");
    const std::pair<const char *, std::string> rows[] = {
        {"", home + "/output"},       {"C:\\output", home + "/output"},
        {"d:/pdf", home + "/output"}, {"~/pdf", home + "/pdf"},
        {"/srv/pdf", "/srv/pdf"},     {"~user/pdf", "~user/pdf"},
        {"Cx:/pdf", "Cx:/pdf"},       {"~", home},
    };
    for (const auto &[stored, used] : rows) {
        Settings settings;
        settings.OutputFolder = stored;
        EXPECT_EQ(ConversionJob::outputFolder(settings), used) << stored;
    }
}

TEST_F(ConversionJobTest, ListEditsAndASecondConvertDuringTheJobAreHarmless)
{
    VectorPathList list(
        {dir.write("in/first.txt", numberedLines(5)), dir.write("in/second.txt", "2")});
    bool edited = false;
    auto betweenSteps = [&] {
        job.ConvertList(list); // ignored while running
        if (!edited && list.count() == 2) {
            edited = true;
            list.removeEntry(0); // the file being converted leaves the list
            list.append(dir.write("in/third.txt", "3"));
        }
    };
    ASSERT_TRUE(job.start(list));
    while (job.step())
        betweenSteps();
    EXPECT_EQ(host.written,
              (std::vector<std::string>{settings.OutputFolder + "/first.pdf",
                                        settings.OutputFolder + "/second.pdf",
                                        settings.OutputFolder + "/third.pdf"}));
    EXPECT_EQ(PdfReadback::lines(settings.OutputFolder + "/first.pdf").size(), 5u);
    EXPECT_EQ(host.beeps, 1);
}

// The list may be emptied between any two steps, also right after a file
// left it: the run then ends as a finished one does, once.
TEST_F(ConversionJobTest, ListClearedBetweenStepsEndsTheRunOnce)
{
    VectorPathList list({dir.write("in/a.txt", numberedLines(3)), dir.write("in/b.txt", "b")});
    bool aWritten = false;
    host.onWritten = [&] { aWritten = true; };
    ASSERT_TRUE(job.start(list));
    while (job.step()) {
        if (aWritten && list.count() > 0)
            list.removeEntry(0);
    }
    EXPECT_EQ(host.written, (std::vector<std::string>{settings.OutputFolder + "/a.pdf"}));
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.opened, (std::vector<std::string>{settings.OutputFolder}));
    EXPECT_EQ(host.progress.back(), 100);
    EXPECT_FALSE(job.step()) << "a finished run takes no more steps";
}

TEST(PdfCheck, FailureCarriesTheWritersMessage)
{
    try {
        PdfCheck(SetNumProp(/*box*/ 987654, 28, 12));
        FAIL() << "a -1 passed unnoticed";
    } catch (const PdfFailure &failure) {
        EXPECT_NE(std::string(failure.what()).find("987654"), std::string::npos) << failure.what();
    }
}

TEST(Progress, RoundsHalfToEvenAndStopsAt100)
{
    EXPECT_EQ(ConversionJob::progressPercent(1, 8), 12); // 12.5
    EXPECT_EQ(ConversionJob::progressPercent(3, 8), 38); // 37.5
    EXPECT_EQ(ConversionJob::progressPercent(1, 3), 33);
    EXPECT_EQ(ConversionJob::progressPercent(2, 3), 67);
    EXPECT_EQ(ConversionJob::progressPercent(1, 200), 0); // 0.5
    EXPECT_EQ(ConversionJob::progressPercent(3, 200), 2); // 1.5
    EXPECT_EQ(ConversionJob::progressPercent(7, 5), 100);
    EXPECT_EQ(ConversionJob::progressPercent(5, 0), 100);
}
