#include "app/filesearch.h"
#include "app/vectorpathlist.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

class CountingEvents : public EventPump {
public:
    void processPendingEvents() override { ++calls; }
    int calls = 0;
};

// Ends a search that has run away out of its tree, where waiting for it
// would take longer than the test may.
class YieldBudget : public CountingEvents {
public:
    void processPendingEvents() override
    {
        if (++calls > 10000)
            throw std::runtime_error("the search left its tree");
    }
};

// With the window's limit of 200 sub-folders a folder.
std::vector<std::string> search(const std::string &folder, CountingEvents *events = nullptr,
                                FolderLinks links = FolderLinks::Skip)
{
    VectorPathList list;
    YieldBudget own;
    SearchFolder(folder, list, events ? *events : own, 200, links);
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

// The file system's order differs between machines (and --on-conflict
// rename names with it): each folder comes in NTFS's order instead, files
// before sub-folders, letters without case. Written in reverse, so an
// order of creation would not pass either.
TEST(FolderSearch, EachFolderComesInNameOrderNotTheFileSystems)
{
    TempDir dir;
    std::vector<std::string> names;
    for (int i = 0; i < 30; ++i)
        names.push_back("f" + std::to_string(1000 + i * 37 % 30) + ".txt");
    names.insert(names.begin() + 7, "F1007b.TXT");
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        dir.write("b/" + *name, "x");
        dir.write("A/" + *name, "x");
    }
    std::vector<std::string> inOrder = names;
    std::sort(inOrder.begin(), inOrder.end(), [](std::string a, std::string b) {
        for (std::string *name : {&a, &b})
            std::transform(name->begin(), name->end(), name->begin(), ::toupper);
        return a < b;
    });
    std::vector<std::string> expected;
    const std::string root = dir.path().string();
    for (const char *folder : {"/A/", "/b/"})
        for (const std::string &name : inOrder)
            expected.push_back(root + folder + name);
    EXPECT_EQ(search(root), expected);
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

TEST(FolderSearch, LinkToTheFileSystemRootIsNotFollowed)
{
    TempDir dir;
    dir.write("a.txt", "x");
    dir.write("sub/b.txt", "x");
    std::filesystem::create_directory_symlink("/", dir.path() / "sub" / "everything");
    std::filesystem::create_symlink(dir.path() / "a.txt", dir.path() / "sub" / "alias.txt");
    std::string root = dir.path().string();
    std::vector<std::string> found;
    ASSERT_NO_THROW(found = search(root));
    EXPECT_EQ(
        sorted(found),
        (std::vector<std::string>{root + "/a.txt", root + "/sub/alias.txt", root + "/sub/b.txt"}))
        << "a link to a file counts as the file";
}

TEST(FolderSearch, FollowedLinksReachEachFolderOnceAndNeverProc)
{
    TempDir outside;
    outside.write("far.txt", "x");
    TempDir dir;
    dir.write("a/x.txt", "x");
    std::filesystem::create_directory_symlink(outside.path(), dir.path() / "one");
    std::filesystem::create_directory_symlink(outside.path(), dir.path() / "two");
    std::filesystem::create_directory_symlink(dir.path(), dir.path() / "a" / "back-to-top");
    std::filesystem::create_directory_symlink("/proc", dir.path() / "proc");
    std::string root = dir.path().string();
    YieldBudget events;
    std::vector<std::string> found = search(root, &events, FolderLinks::Follow);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found[0].ends_with("/far.txt") || found[1].ends_with("/far.txt"))
        << "the folder outside is searched once, through either link";
    EXPECT_EQ(sorted(found)[0], root + "/a/x.txt");
    // Four entries at the top and two in a, each but a folder's first
    // yielding twice: listing /proc would add hundreds.
    EXPECT_EQ(events.calls, 8);
}
