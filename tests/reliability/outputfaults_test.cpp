// The output folder fails under a running batch: read-only, deleted, full.
// Whatever happens, no partial PDF replaces a good one, no temporary file
// stays behind, every failed input gets one line on stderr and the others
// are still converted.

#include "tests/reliability/convertfixture.h"
#include "tests/support/scopedmount.h"
#include "tests/support/tempdir.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using Names = std::vector<std::string>;

// Enough lines that converting them takes a while, so a test can act
// while the document is open.
std::string manyLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "第" + std::to_string(i) + "行，一些中文文字 and some words\r\n";
    return text;
}

// Many different hanzi: the embedded font subset, written at EndDoc, is
// far larger than the page text.
std::string manyDistinctHanzi()
{
    std::string text;
    for (char32_t c = 0x4E00; c < 0x4E00 + 3000; ++c) {
        text += char(0xE0 | (c >> 12));
        text += char(0x80 | ((c >> 6) & 0x3F));
        text += char(0x80 | (c & 0x3F));
        if ((c - 0x4E00) % 30 == 29)
            text += "\r\n";
    }
    return text;
}

// The hidden file a document streams into while it is open.
bool hasTemporaryFile(const std::string &folder)
{
    for (const std::string &name : folderEntries(folder)) {
        if (name.starts_with(".tervolan-"))
            return true;
    }
    return false;
}

// A document that has written its first pages: its file is made and
// locked, past the moment a replaced folder would make the writer start
// it again in the new one.
bool hasDocumentUnderWay(const std::string &folder)
{
    for (const std::string &name : folderEntries(folder)) {
        std::error_code error;
        if (name.starts_with(".tervolan-")
            && std::filesystem::file_size(folder + "/" + name, error) > 0 && !error)
            return true;
    }
    return false;
}

bool isStopped(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const size_t end = text.rfind(") ");
    return end != std::string::npos && end + 2 < text.size() && text[end + 2] == 'T';
}

// Stops the child while its first document is open. On a loaded machine
// that document may be done before the stop takes hold: then the child is
// let go and the caller tries again.
bool stoppedWithFirstDocumentOpen(ChildProcess &child, const std::string &folder,
                                  const std::string &firstPdf)
{
    EXPECT_TRUE(
        child.waitFor([&] { return hasDocumentUnderWay(folder); }, std::chrono::seconds(60)))
        << "the first document never opened";
    kill(child.pid(), SIGSTOP);
    child.waitFor([&] { return isStopped(child.pid()); }, std::chrono::seconds(10));
    if (hasDocumentUnderWay(folder) && !std::filesystem::exists(firstPdf))
        return true;
    kill(child.pid(), SIGCONT);
    child.finish(std::chrono::seconds(120));
    for (const std::string &name : folderEntries(folder))
        std::filesystem::remove(folder + "/" + name);
    return false;
}

constexpr int StopAttempts = 5;

} // namespace

class OutputFolderFaults : public ConvertFixture {};

TEST_F(OutputFolderFaults, ReadOnlyFolderKeepsItsPdfAndReportsEveryInput)
{
    std::string a = dir.write("in/a.txt", "第一版");
    std::string b = dir.write("in/b.txt", "b");
    ASSERT_EQ(convert({a}).exitCode, 0);
    std::string before = readBytes(pdf("a"));
    dir.write("in/a.txt", "第二版");

    ScopedMount readOnly = ScopedMount::readOnly(out());
    if (!readOnly.ok())
        GTEST_SKIP() << "cannot make a read-only mount here";
    ChildResult run = convert({a, b});
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    Names errors = lines(run.err);
    ASSERT_EQ(errors.size(), 2u) << run.err;
    EXPECT_TRUE(errors[0].starts_with("tervolan-convert: " + a + ": ")) << errors[0];
    EXPECT_TRUE(errors[1].starts_with("tervolan-convert: " + b + ": ")) << errors[1];
    for (const std::string &line : errors)
        EXPECT_NE(line.find("Read-only file system"), std::string::npos) << line;
    EXPECT_EQ(folderEntries(out()), Names{"a.pdf"});
    EXPECT_EQ(readBytes(pdf("a")), before);
}

// The folder vanishes while the first document is open. That document
// cannot be put in place; with the folder gone the rest cannot either,
// and each says so. When a new folder of the same name appears at once,
// the rest are converted into it.
TEST_F(OutputFolderFaults, FolderDeletedDuringABatch)
{
    std::string big = dir.write("in/big.txt", manyLines(60000));
    std::string small1 = dir.write("in/small1.txt", "一");
    std::string small2 = dir.write("in/small2.txt", "二");
    std::filesystem::create_directory(out());
    for (bool recreated : {false, true}) {
        SCOPED_TRACE(recreated ? "folder made again" : "folder gone");
        ChildProcess child;
        bool stopped = false;
        for (int attempt = 0; attempt < StopAttempts && !stopped; ++attempt) {
            child.start(command({big, small1, small2}));
            stopped = stoppedWithFirstDocumentOpen(child, out(), pdf("big"));
        }
        ASSERT_TRUE(stopped);
        std::filesystem::remove_all(out());
        if (recreated)
            std::filesystem::create_directory(out());
        kill(child.pid(), SIGCONT);
        ChildResult run = child.finish(std::chrono::seconds(120));

        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.exitCode, 1)
            << "listed: " << run.out << "entries: " << testing::PrintToString(folderEntries(out()));
        Names errors = lines(run.err);
        ASSERT_EQ(errors.size(), recreated ? 1u : 3u) << run.err;
        EXPECT_TRUE(errors[0].starts_with("tervolan-convert: " + big + ": ")) << errors[0];
        if (recreated) {
            EXPECT_EQ(run.out, pdf("small1") + "\n" + pdf("small2") + "\n");
            EXPECT_EQ(folderEntries(out()), (Names{"small1.pdf", "small2.pdf"}));
            EXPECT_TRUE(passesQpdfCheck(pdf("small1")));
            EXPECT_TRUE(passesQpdfCheck(pdf("small2")));
        } else {
            EXPECT_EQ(run.out, "");
            EXPECT_TRUE(errors[1].starts_with("tervolan-convert: " + small1 + ": ")) << errors[1];
            EXPECT_TRUE(errors[2].starts_with("tervolan-convert: " + small2 + ": ")) << errors[2];
            EXPECT_FALSE(std::filesystem::exists(out()));
            std::filesystem::create_directory(out());
        }
    }
}

// Ctrl-C, a logout and a plain kill leave no hidden file; SIGKILL cannot
// be caught, so its file is swept up by the next run in that folder.
TEST_F(OutputFolderFaults, InterruptedConversionLeavesNoTemporaryFile)
{
    std::string big = dir.write("in/big.txt", manyLines(60000));
    std::string small = dir.write("in/small.txt", "小");
    std::filesystem::create_directory(out());
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
        SCOPED_TRACE(strsignal(signal));
        ChildProcess child;
        bool stopped = false;
        for (int attempt = 0; attempt < StopAttempts && !stopped; ++attempt) {
            child.start(command({big}));
            stopped = stoppedWithFirstDocumentOpen(child, out(), pdf("big"));
        }
        ASSERT_TRUE(stopped);
        kill(child.pid(), signal);
        kill(child.pid(), SIGCONT);
        ChildResult run = child.finish(std::chrono::seconds(60));
        EXPECT_EQ(run.signal, signal);
        if (signal == SIGKILL) {
            EXPECT_TRUE(hasTemporaryFile(out()));
            ASSERT_EQ(convert({small}).exitCode, 0);
            EXPECT_EQ(folderEntries(out()), Names{"small.pdf"});
        } else {
            EXPECT_EQ(folderEntries(out()), Names{});
        }
    }
}

TEST_F(OutputFolderFaults, DiskFullAtEndDocKeepsTheOldPdf)
{
    std::filesystem::create_directory(out());
    ScopedMount small = ScopedMount::tmpfs(out(), "256k");
    if (!small.ok())
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    std::string same = dir.write("in/same.txt", "旧文");
    std::string after = dir.write("in/after.txt", "after");
    ASSERT_EQ(convert({same}).exitCode, 0);
    std::string before = readBytes(pdf("same"));
    dir.write("in/same.txt", manyDistinctHanzi());

    ChildResult run = convert({same, after});
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1);
    Names errors = lines(run.err);
    ASSERT_EQ(errors.size(), 1u) << run.err;
    EXPECT_TRUE(errors[0].starts_with("tervolan-convert: " + same + ": ")) << errors[0];
    EXPECT_NE(errors[0].find("No space left on device"), std::string::npos) << errors[0];
    EXPECT_EQ(run.out, pdf("after") + "\n");
    EXPECT_EQ(folderEntries(out()), (Names{"after.pdf", "same.pdf"}));
    EXPECT_EQ(readBytes(pdf("same")), before);
    EXPECT_TRUE(passesQpdfCheck(pdf("same")));
    EXPECT_TRUE(passesQpdfCheck(pdf("after")));
}
