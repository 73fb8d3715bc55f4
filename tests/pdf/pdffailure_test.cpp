// Failures of the file system: the writer names the folder and the cause,
// never leaves a partial or temporary file, and never damages an earlier
// good file at the target.
#include "pdftestsupport.h"

#include "pdf/tervolanpdf.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/scopedmount.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <optional>

using namespace pdftest;

namespace {

int beginAt(const std::string &output)
{
    const int box = CreateBox(0, 0);
    EXPECT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, output.c_str()), 0);
    return box;
}

} // namespace

TEST(PdfFailure, BeginDocIntoAMissingFolderNamesFolderAndCause)
{
    TempDir folder;
    const std::string missing = folder.file("no-such-folder");
    const int box = beginAt(missing + "/report");
    EXPECT_EQ(BeginDoc(box), -1);
    EXPECT_NE(lastError().find("\"" + missing + "\""), std::string::npos) << lastError();
    EXPECT_NE(lastError().find("No such file or directory"), std::string::npos) << lastError();
    EXPECT_EQ(TextOut(box, 100, 100, "x"), -1) << "no document may be open after a failed BeginDoc";
}

TEST(PdfFailure, BeginDocIntoAFolderThatCannotTakeFiles)
{
    TempDir folder;
    // Even root cannot create a file inside a plain file or under /proc.
    const std::string plainFile = folder.file("file");
    std::ofstream(plainFile) << "not a folder";
    const int box = beginAt(plainFile + "/report");
    EXPECT_EQ(BeginDoc(box), -1);
    EXPECT_NE(lastError().find("Not a directory"), std::string::npos) << lastError();

    const int procBox = beginAt("/proc/tervolan-report");
    if (BeginDoc(procBox) == 0) {
        EndDoc(procBox);
        GTEST_SKIP() << "/proc accepted a file here";
    }
    EXPECT_NE(lastError().find("\"/proc\""), std::string::npos) << lastError();
}

TEST(PdfFailure, BeginDocWithoutAnOutputPathFails)
{
    const int box = CreateBox(0, 0);
    EXPECT_EQ(BeginDoc(box), -1);
    EXPECT_NE(lastError().find("no output path"), std::string::npos) << lastError();
}

TEST(PdfFailure, RewritingATargetReplacesItWithOrdinaryPermissions)
{
    TempDir folder;
    const std::string output = folder.file("again");
    for (const char *text : {"第一版", "第二版"}) {
        const int box = beginDocument(output);
        ASSERT_EQ(TextOut(box, 100, 100, text), 0);
        ASSERT_EQ(EndDoc(box), 0) << lastError();
    }
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"), std::vector<std::string>{"第二版"});
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"again.pdf"});
    const mode_t mask = umask(0);
    umask(mask);
    struct stat info {};
    ASSERT_EQ(stat((output + ".pdf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(PdfFailure, BeginDocAgainAbandonsTheOpenDocument)
{
    TempDir folder;
    const int box = beginDocument(folder.file("abandoned"));
    ASSERT_EQ(TextOut(box, 100, 100, "never finished"), 0);
    ASSERT_EQ(folder.entries().size(), 1u) << "the document streams into a hidden file";
    ASSERT_EQ(SetStrProp(box, PDF_OUTPUT_PATH, folder.file("kept").c_str()), 0);
    ASSERT_EQ(BeginDoc(box), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"kept.pdf"});
}

TEST(PdfFailure, UnfinishedDocumentLeavesNoTemporaryFileAtExit)
{
    TempDir folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int box = CreateBox(0, 0);
        SetStrProp(box, PDF_OUTPUT_PATH, folder.file("unfinished").c_str());
        const bool begun = BeginDoc(box) == 0 && TextOut(box, 100, 100, "x") == 0;
        std::exit(begun ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(folder.entries().empty()) << folder.entries().front();
}

// A tmpfs of a few hundred kilobytes holding one good document, the
// earlier file that a failed rewrite must leave alone.
class PdfFullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Needs the right to mount, which CI has as root.
        m_disk = m_folder.file("disk");
        std::filesystem::create_directory(m_disk);
        m_mount.emplace(ScopedMount::tmpfs(m_disk, "256k"));
        if (!m_mount->ok())
            GTEST_SKIP() << "cannot mount a tmpfs here";
        m_output = m_disk + "/report";
        m_box = beginDocument(m_output);
        ASSERT_EQ(TextOut(m_box, 100, 100, "早先的好文件"), 0);
        ASSERT_EQ(EndDoc(m_box), 0) << lastError();
        m_earlier = readBytes(m_output + ".pdf");
        ASSERT_FALSE(m_earlier.empty());
    }

    void expectEarlierFileAlone()
    {
        EXPECT_NE(lastError().find("No space left on device (disk full)"), std::string::npos)
            << lastError();
        EXPECT_EQ(readBytes(m_output + ".pdf"), m_earlier);
        EXPECT_EQ(folderEntries(m_disk), std::vector<std::string>{"report.pdf"});
    }

    TempDir m_folder;
    std::string m_disk;
    std::optional<ScopedMount> m_mount;
    std::string m_output;
    std::string m_earlier;
    int m_box = 0;
};

TEST_F(PdfFullDisk, FailedEndDocKeepsTheEarlierFile)
{
    // Two thousand four hundred different characters make a font subset
    // far larger than the disk; the page is small, so only EndDoc, which
    // writes the fonts, runs out of space.
    ASSERT_EQ(BeginDoc(m_box), 0) << lastError();
    for (char32_t line = 0; line < 80; ++line) {
        std::string text;
        for (char32_t column = 0; column < 30; ++column) {
            const char32_t c = 0x4E00 + line * 30 + column;
            text += {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)),
                     char(0x80 | (c & 0x3F))};
        }
        ASSERT_EQ(TextOut(m_box, 100, 100 + 60 * static_cast<int>(line), text.c_str()), 0)
            << lastError();
    }
    EXPECT_EQ(EndDoc(m_box), -1);
    EXPECT_NE(lastError().find("\"" + m_output + ".pdf\""), std::string::npos) << lastError();
    expectEarlierFileAlone();
}

TEST_F(PdfFullDisk, WriteFailureMidDocumentAbandonsIt)
{
    // Many pages outgrow the disk at some TextOut or NewPage; from that
    // call on the document is gone, temporary file included.
    ASSERT_EQ(BeginDoc(m_box), 0) << lastError();
    int result = 0;
    for (int page = 0; page < 5000 && result == 0; ++page) {
        for (int line = 2; line < 50 && result == 0; ++line)
            result = TextOut(m_box, 100, line * 60,
                             "满满的一行中文文字，用来填满这块很小的磁盘。1234567890");
        if (result == 0)
            result = NewPage(m_box);
    }
    ASSERT_EQ(result, -1);
    expectEarlierFileAlone();
    EXPECT_NE(lastError().find("abandoned"), std::string::npos) << lastError();
    EXPECT_EQ(EndDoc(m_box), -1);
}
