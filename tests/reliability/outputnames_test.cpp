// Names in an output folder that others write into too: links planted by
// whoever made the texts, and a second run putting PDFs of the same names
// there at the same time.

#include "tests/reliability/convertfixture.h"
#include "tests/support/tempdir.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Names = std::vector<std::string>;

class OutputNameFaults : public ConvertFixture {};

} // namespace

TEST_F(OutputNameFaults, LinksInTheOutputFolderCarryNoPdfOutOfIt)
{
    const std::string victim = dir.write("victim/important.conf", "keep");
    dir.write("texts/evil.txt", "evil");
    const std::string deep = dir.write("texts/a/b/x.txt", "deep");
    std::filesystem::create_directories(out());
    std::filesystem::create_symlink(victim, pdf("evil"));
    std::filesystem::create_symlink(dir.file("victim"), out() + "/a");

    ChildResult run = convert({"-q", "-r", "--keep-tree", dir.file("texts")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(readBytes(victim), "keep");
    EXPECT_EQ(folderEntries(dir.file("victim")), Names{"important.conf"});
    EXPECT_FALSE(std::filesystem::is_symlink(pdf("evil")));
    EXPECT_TRUE(passesQpdfCheck(pdf("evil")));
    const Names errors = lines(run.err);
    ASSERT_EQ(errors.size(), 1u) << run.err;
    EXPECT_NE(errors[0].find("x.txt: " + out() + "/a: a symbolic link"), std::string::npos)
        << errors[0];
}

// Both runs plan their names before either puts a PDF in place: each reads
// its list from a pipe that is closed only once both are waiting on it.
// The test's ends are closed on exec, or the second run would hold the
// first one's pipe open until it had finished.
TEST_F(OutputNameFaults, TwoRunsRenamingIntoOneFolderKeepEveryPdf)
{
    constexpr int PerRun = 40;
    ChildProcess runs[2];
    int lists[2] = {-1, -1};
    for (int run = 0; run < 2; ++run) {
        const std::string list = dir.file("list" + std::to_string(run));
        ASSERT_EQ(mkfifo(list.c_str(), 0600), 0);
        runs[run].start(command({"-q", "--on-conflict", "rename", "-T", list}));
        ASSERT_TRUE(runs[run].waitFor(
            [&] {
                return (lists[run] = open(list.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0;
            },
            std::chrono::seconds(30)));
        for (int i = 0; i < PerRun; ++i) {
            const std::string path
                = dir.write("in" + std::to_string(run) + "/t" + std::to_string(i) + ".txt", "t");
            ASSERT_EQ(write(lists[run], (path + "\n").data(), path.size() + 1),
                      ssize_t(path.size() + 1));
        }
    }
    close(lists[0]);
    close(lists[1]);
    for (ChildProcess &run : runs) {
        ChildResult result = run.finish(std::chrono::seconds(120));
        EXPECT_EQ(result.exitCode, 0) << result.err;
    }
    const Names written = folderEntries(out());
    EXPECT_EQ(written.size(), size_t(2 * PerRun));
    for (const std::string &name : written)
        EXPECT_TRUE(name.ends_with(".pdf")) << name;
}
