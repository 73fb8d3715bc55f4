// Inputs and path lists that used to lose text or files without a word:
// NUL characters, UTF-32 files, wide or deep folders, links out of a tree,
// NUL-separated or endless path lists, and several workers sharing an
// output name.

#include "tests/reliability/convertfixture.h"
#include "tests/support/pdfreadback.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
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

// Folders of 250-byte names nested below root until their path is longer
// than PATH_MAX allows, with a text file at the bottom. No path reaches
// that far, so they are made and removed through folder descriptors.
class DeepTree {
public:
    explicit DeepTree(const std::string &root) : m_deepest(root)
    {
        m_folders.push_back(open(root.c_str(), O_DIRECTORY));
        while (m_deepest.size() < PATH_MAX) {
            mkdirat(m_folders.back(), Name.c_str(), 0755);
            m_folders.push_back(openat(m_folders.back(), Name.c_str(), O_DIRECTORY));
            m_deepest += "/" + Name;
        }
        close(openat(m_folders.back(), "deep.txt", O_CREAT | O_WRONLY, 0644));
    }
    ~DeepTree()
    {
        unlinkat(m_folders.back(), "deep.txt", 0);
        for (size_t level = m_folders.size() - 1; level > 0; --level) {
            close(m_folders[level]);
            unlinkat(m_folders[level - 1], Name.c_str(), AT_REMOVEDIR);
        }
        close(m_folders[0]);
    }
    // The folder whose path is the first too long to be used.
    const std::string &deepest() const { return m_deepest; }

private:
    const std::string Name = std::string(250, 'd');
    std::vector<int> m_folders;
    std::string m_deepest;
};

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

// -r passed over a folder it could not search (its path longer than
// PATH_MAX, or no permission) in silence: exit status 0, nothing said,
// nothing in the report, and the files below it gone.
TEST_F(InputListFaults, FolderTheSearchCannotEnterIsAFailedInput)
{
    dir.write("tree/top.txt", "top");
    const DeepTree deep(dir.file("tree"));
    const std::string report = dir.file("report.jsonl");
    ChildResult run = convert({"-r", "--report", report, dir.file("tree")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.err),
              Names{"tervolan-convert: " + deep.deepest() + ": cannot search: File name too long"});
    EXPECT_EQ(run.out, pdf("top") + "\n");
    EXPECT_NE(readBytes(report).find("{\"input\":\"" + deep.deepest()
                                     + "\",\"output\":\"\",\"status\":\"failed\""),
              std::string::npos);
}

// -r took a link to a file outside the tree: notes.txt -> /etc/shadow
// became notes.pdf.
TEST_F(InputListFaults, RecursiveSearchPassesOverLinksItMeets)
{
    std::string secret = dir.write("secret/shadow", "secret");
    dir.write("tree/own.txt", "own");
    std::filesystem::create_symlink(secret, dir.file("tree/notes.txt"));
    ChildResult run = convert({"-r", dir.file("tree")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, pdf("own") + "\n");
    EXPECT_EQ(lines(run.err),
              Names{"tervolan-convert: passed over 1 link met in the folders "
                    "searched (--follow-symlinks follows them)"});
    run = convert({"-r", "--follow-symlinks", dir.file("tree")});
    EXPECT_EQ(folderEntries(out()), (Names{"notes.pdf", "own.pdf"})) << run.err;
}

// -0 -T /dev/zero read empty paths for ever; /dev/urandom grew to 12 GB.
TEST_F(InputListFaults, DeviceAsAListEndsWithAnError)
{
    ChildResult run = convert({"-0", "-T", "/dev/zero"}, std::chrono::seconds(30));
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(lines(run.err),
              Names{"tervolan-convert: /dev/zero: more than 16 MiB of paths from a list that is "
                    "not a file or a pipe; nothing of this list is converted"});
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
