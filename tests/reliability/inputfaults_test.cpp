// Inputs that are not what they seem: damaged bytes, awkward names, files
// gone or changed by the time they are read, loops in a searched tree.

#include "platform/text/textcodec.h"
#include "tests/reliability/convertfixture.h"
#include "tests/support/pdfreadback.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

using Names = std::vector<std::string>;

std::string allText(const std::string &pdf)
{
    std::string text;
    for (const std::string &line : PdfReadback::lines(pdf))
        text += line;
    return text;
}

} // namespace

class InputFaults : public ConvertFixture {};

TEST_F(InputFaults, DamagedBytesAreRefusedOrShownAsReplacements)
{
    std::string binary
        = dir.write("in/binary.txt", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    std::string nul = dir.write("in/nul.txt", std::string("text before\r\n\0after\r\n", 21));
    std::string invalidUtf8 = dir.write("in/invalid.txt", "ok\xC3\x28 \xE2\x82 end\r\n");
    // GB18030 whose last character is cut after its first byte.
    std::string truncated
        = dir.write("in/truncated.txt", TextCodec::utf8ToGb18030("汉字") + "\xB0");
    std::string oddUtf16 = dir.write("in/odd16.txt",
                                     std::string("\xFF\xFE"
                                                 "a\0b\0c",
                                                 7));
    std::string good = dir.write("in/good.txt", "好");

    ChildResult run = convert({binary, nul, invalidUtf8, truncated, oddUtf16, good});
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.err),
              (Names{"tervolan-convert: " + binary + ": is a binary file (it holds NUL bytes)",
                     "tervolan-convert: " + nul + ": is a binary file (it holds NUL bytes)"}));
    EXPECT_EQ(run.out,
              pdf("invalid") + "\n" + pdf("truncated") + "\n" + pdf("odd16") + "\n" + pdf("good")
                  + "\n");
    EXPECT_EQ(folderEntries(out()),
              (Names{"good.pdf", "invalid.pdf", "odd16.pdf", "truncated.pdf"}));
    for (const char *base : {"invalid", "truncated", "odd16", "good"})
        EXPECT_TRUE(passesQpdfCheck(pdf(base))) << base;
    // Not valid UTF-8, so read as GB18030: the bytes that are not GB18030
    // show as replacement characters and the rest stays.
    EXPECT_TRUE(allText(pdf("invalid")).starts_with("ok")) << allText(pdf("invalid"));
    EXPECT_EQ(allText(pdf("truncated")), "汉字\uFFFD");
    EXPECT_EQ(allText(pdf("odd16")), "ab\uFFFD");
}

TEST_F(InputFaults, AwkwardFileNamesKeepTheirNames)
{
    Names bases
        = {"with blanks", "it's \"quoted\"", "new\nline", "春日 随笔", "-dash", "tab\there"};
    std::vector<std::string> inputs = {"--"};
    for (const std::string &base : bases)
        inputs.push_back(dir.write("in/" + base + ".txt", base));
    ChildResult run = convert(inputs);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const std::string &base : bases) {
        ASSERT_TRUE(std::filesystem::exists(pdf(base))) << base;
        EXPECT_TRUE(passesQpdfCheck(pdf(base))) << base;
    }
    EXPECT_EQ(allText(pdf("春日 随笔")), "春日 随笔");
    EXPECT_EQ(folderEntries(out()).size(), bases.size());

    // The same names found by a folder search.
    std::filesystem::remove_all(out());
    run = convert({"-r", dir.file("in")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folderEntries(out()).size(), bases.size());
}

// The later document is written over the earlier one, as a whole.
TEST_F(InputFaults, SameBaseNameLastOneWins)
{
    std::string first = dir.write("a/notes.txt", "first");
    std::string second = dir.write("b/notes.txt", "second");
    std::string third = dir.write("b/notes.final.log", "third");
    ChildResult run = convert({first, second, third});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, pdf("notes") + "\n" + pdf("notes") + "\n" + pdf("notes") + "\n");
    EXPECT_EQ(folderEntries(out()), Names{"notes.pdf"});
    EXPECT_EQ(allText(pdf("notes")), "third");
    EXPECT_TRUE(passesQpdfCheck(pdf("notes")));

    // Converted at once by two workers, either may finish last; the file
    // left is one of them whole, never a mix or a leftover temporary file.
    std::string text1, text2;
    for (int i = 0; i < 3000; ++i) {
        text1 += "first " + std::to_string(i) + "\n";
        text2 += "second " + std::to_string(i) + "\n";
    }
    dir.write("a/notes.txt", text1);
    dir.write("b/notes.txt", text2);
    run = convert({"-j", "2", first, second});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folderEntries(out()), Names{"notes.pdf"});
    std::vector<std::string> got = PdfReadback::lines(pdf("notes"));
    ASSERT_EQ(got.size(), 3000u);
    EXPECT_TRUE(got.front() == "first 0" || got.front() == "second 0") << got.front();
    EXPECT_EQ(got.back(), got.front() == "first 0" ? "first 2999" : "second 2999");
    EXPECT_TRUE(passesQpdfCheck(pdf("notes")));
}

TEST_F(InputFaults, SymlinkLoopUnderASearchedFolderEnds)
{
    dir.write("tree/top.txt", "top");
    dir.write("tree/a/inner.txt", "inner");
    std::filesystem::create_directory_symlink(dir.file("tree"), dir.file("tree/a/up"));
    std::filesystem::create_directory_symlink(".", dir.file("tree/a/self"));
    std::filesystem::create_symlink(dir.file("tree/a/dangling"), dir.file("tree/a/dangling"));
    ChildResult run = convert({"-r", dir.file("tree")}, std::chrono::seconds(60));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, pdf("top") + "\n" + pdf("inner") + "\n");
}

// Inputs that stopped being readable text files after they were listed:
// each is reported with its cause and the batch goes on.
TEST_F(InputFaults, InputsChangedAfterListing)
{
    std::string deleted = dir.write("in/deleted.txt", "gone");
    std::filesystem::remove(deleted);
    std::string folder = dir.file("in/folder.txt");
    std::string fifo = dir.file("in/fifo.txt");
    std::filesystem::create_directories(folder);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    std::string good = dir.write("in/good.txt", "good");
    std::string list = dir.write(
        "list", deleted + "\n" + folder + "\n" + fifo + "\n/proc/self/mem\n" + good + "\n");

    // From a path list, as a window's list would hold them; the folder
    // is named on the command line too, where it is refused as a folder.
    ChildResult run = convert({"-T", list}, std::chrono::seconds(60));
    EXPECT_FALSE(run.timedOut) << "a FIFO must not block the run";
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(
        lines(run.err),
        (Names{"tervolan-convert: " + folder + ": is a folder (use -r to search it for text files)",
               "tervolan-convert: " + deleted + ": cannot open: No such file or directory",
               "tervolan-convert: " + fifo + ": is not a regular file",
               "tervolan-convert: /proc/self/mem: cannot read: Input/output error"}));
    EXPECT_EQ(run.out, pdf("good") + "\n");
    EXPECT_EQ(folderEntries(out()), Names{"good.pdf"});
}

// A path list that is a folder, or whose read fails, used to pass for an
// empty list: nothing converted, nothing said, exit status 0.
TEST_F(InputFaults, UnreadablePathListIsReported)
{
    std::string good = dir.write("in/good.txt", "good");
    std::string list = dir.write("list", good + "\n");
    std::string folder = dir.file("in");
    ChildResult run
        = convert({"-T", folder, "-T", "/proc/self/mem", "-T", dir.file("missing"), "-T", list},
                  std::chrono::seconds(60));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(
        lines(run.err),
        (Names{"tervolan-convert: " + folder + ": cannot read the list of paths",
               "tervolan-convert: /proc/self/mem: cannot read the list of paths",
               "tervolan-convert: " + dir.file("missing") + ": cannot read the list of paths"}));
    EXPECT_EQ(run.out, pdf("good") + "\n");
}
