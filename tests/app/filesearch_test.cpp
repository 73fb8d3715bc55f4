#include "app/filesearch.h"
#include "app/vectorpathlist.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class CountingEvents : public EventPump {
public:
    void processPendingEvents() override { ++calls; }
    int calls = 0;
};

std::vector<std::string> search(const std::string &folder, CountingEvents *events = nullptr)
{
    VectorPathList list;
    CountingEvents own;
    SearchFolder(folder, list, events ? *events : own);
    return list.paths();
}

std::vector<std::string> sorted(std::vector<std::string> paths)
{
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

TEST(FolderSearch, TakesNamesEndingInTxtInAnyCase)
{
    TempDir dir;
    for (const char *name : {"a.txt", "b.TXT", "c.doc", "notetxt", "tx"})
        dir.write(name, "x");
    std::string root = dir.path().string();
    EXPECT_EQ(sorted(search(root)),
              (std::vector<std::string>{root + "/a.txt", root + "/b.TXT", root + "/notetxt"}));
}

TEST(FolderSearch, FolderNamedLikeATextFileIsSearchedNotAdded)
{
    TempDir dir;
    dir.write("books.txt/inner.txt", "x");
    std::string root = dir.path().string();
    EXPECT_EQ(search(root), (std::vector<std::string>{root + "/books.txt/inner.txt"}));
}

TEST(FolderSearch, DepthFirstWithEachFoldersFilesFirst)
{
    TempDir dir;
    dir.write("top.txt", "x");
    dir.write("one/a.txt", "x");
    dir.write("one/deep/b.txt", "x");
    dir.write("two/c.txt", "x");
    std::string root = dir.path().string();
    std::vector<std::string> found = search(root);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0], root + "/top.txt");
    auto at = [&](const std::string &path) {
        return std::find(found.begin(), found.end(), root + path) - found.begin();
    };
    EXPECT_EQ(at("/one/deep/b.txt"), at("/one/a.txt") + 1)
        << "a sub-folder is finished before the next one";
}

TEST(FolderSearch, EmptyMissingOrPlainFileAddsNothing)
{
    TempDir dir;
    dir.write("only.doc", "x");
    EXPECT_TRUE(search(dir.path().string()).empty());
    EXPECT_TRUE(search(dir.file("missing")).empty());
    EXPECT_TRUE(search(dir.file("only.doc")).empty());
}

TEST(FolderSearch, OnlyTheFirst200SubFoldersAreSearched)
{
    TempDir dir;
    for (int i = 0; i < 250; ++i)
        dir.write("sub" + std::to_string(i) + "/f.txt", "x");
    EXPECT_EQ(search(dir.path().string()).size(), 200u);
}

TEST(FolderSearch, YieldsTwiceForEveryEntryButTheFirst)
{
    TempDir dir;
    for (const char *name : {"a.txt", "b.doc", "c.txt"})
        dir.write(name, "x");
    CountingEvents events;
    search(dir.path().string(), &events);
    EXPECT_EQ(events.calls, 4);
}

TEST(FolderSearch, SymlinkLoopsEnd)
{
    TempDir dir;
    dir.write("a/x.txt", "x");
    std::filesystem::create_directory_symlink(dir.path(), dir.path() / "a" / "back-to-top");
    std::filesystem::create_directory_symlink(dir.path() / "a", dir.path() / "a" / "self");
    std::string root = dir.path().string();
    EXPECT_EQ(search(root), (std::vector<std::string>{root + "/a/x.txt"}));
}

TEST(FolderSearch, SymlinkToAFolderOutsideIsFollowed)
{
    TempDir outside;
    outside.write("far.txt", "x");
    TempDir dir;
    std::filesystem::create_directory_symlink(outside.path(), dir.path() / "link");
    std::string root = dir.path().string();
    EXPECT_EQ(search(root), (std::vector<std::string>{root + "/link/far.txt"}));
}
