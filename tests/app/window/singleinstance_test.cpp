#include "app/window/runtimefolder.h"
#include "app/window/singleinstance.h"
#include "tests/support/scopedmount.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

QString lockIn(const TempDir &dir, const std::string &name)
{
    return QString::fromStdString(dir.file(name));
}

} // namespace

TEST(SingleInstance, LockThatCannotBeMadeStartsWithAWarning)
{
    TempDir dir;
    SingleInstance missingFolder(lockIn(dir, "gone/tervolan.lock"));
    EXPECT_TRUE(missingFolder.acquired());
    EXPECT_TRUE(missingFolder.warning().contains(lockIn(dir, "gone/tervolan.lock")))
        << missingFolder.warning().toStdString();

    // A runtime folder as the session makes it, then made read-only.
    std::filesystem::create_directory(dir.file("runtime"));
    std::filesystem::permissions(dir.file("runtime"), std::filesystem::perms::owner_all);
    ScopedMount readOnly = ScopedMount::readOnly(dir.file("runtime"));
    if (!readOnly.ok())
        GTEST_SKIP() << "cannot mount a read-only folder here";
    setenv("XDG_RUNTIME_DIR", dir.file("runtime").c_str(), /*overwrite*/ 1);
    SingleInstance unwritable;
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(unwritable.acquired());
    EXPECT_TRUE(unwritable.warning().contains("cannot be written"))
        << unwritable.warning().toStdString();
}

TEST(SingleInstance, OnlyALockNamingARunningCopyRefuses)
{
    TempDir dir;
    {
        SingleInstance running(lockIn(dir, "tervolan.lock"));
        SingleInstance second(lockIn(dir, "tervolan.lock"));
        EXPECT_FALSE(second.acquired());
        EXPECT_TRUE(second.warning().isEmpty()) << "a refused copy ends silently";
    }
    // A copy that died between creating the lock file and writing its name.
    dir.write("tervolan.lock", "");
    SingleInstance afterEmptyLock(lockIn(dir, "tervolan.lock"));
    EXPECT_TRUE(afterEmptyLock.acquired());
    EXPECT_TRUE(afterEmptyLock.warning().isEmpty()) << "the lock is taken over, not bypassed";
}

// Qt refuses a runtime folder that another user made in the temporary
// folder; the lock and the socket then went straight into the temporary
// folder, where that user could plant both and receive the handed-over
// paths. Only a real folder of this user's own with mode 0700 will do.
TEST(RuntimeFolder, NoHandOverWithoutAFolderOfTheUsersOwn)
{
    TempDir dir;
    namespace fs = std::filesystem;
    const std::string foreign
        = dir.file("tmp/runtime-" + std::string(::getpwuid(::geteuid())->pw_name));
    fs::create_directories(foreign);
    fs::permissions(foreign, fs::perms::owner_all);
    if (::chown(foreign.c_str(), /*nobody*/ 65534, 65534) != 0)
        GTEST_SKIP() << "only root can make a folder another user owns";
    setenv("TMPDIR", dir.file("tmp").c_str(), /*overwrite*/ 1);
    unsetenv("XDG_RUNTIME_DIR");
    const RuntimeFolder refused = RuntimeFolder::find();
    unsetenv("TMPDIR");
    EXPECT_FALSE(refused.problem().isEmpty());
    EXPECT_TRUE(refused.lockPath().isEmpty() && refused.socketPath().isEmpty())
        << refused.lockPath().toStdString();

    fs::create_directory(dir.file("open"));
    fs::permissions(dir.file("open"), fs::perms::owner_all | fs::perms::others_all);
    fs::create_directory(dir.file("own"));
    fs::permissions(dir.file("own"), fs::perms::owner_all);
    fs::create_directory_symlink(dir.file("own"), dir.file("link"));
    for (const std::string &name : {foreign, dir.file("open"), dir.file("link")})
        EXPECT_FALSE(RuntimeFolder(QString::fromStdString(name)).problem().isEmpty()) << name;
    EXPECT_EQ(RuntimeFolder(lockIn(dir, "own")).socketPath(), lockIn(dir, "own/tervolan.socket"));
}

// A socket's name holds at most 107 bytes: a longer folder must be refused
// at start-up, not found out by a later copy waiting 20 s for it.
TEST(RuntimeFolder, FolderTooLongForASocketNameIsRefusedAtOnce)
{
    TempDir dir;
    const std::string deep = dir.file(std::string(100, 'd'));
    std::filesystem::create_directory(deep);
    std::filesystem::permissions(deep, std::filesystem::perms::owner_all);
    const RuntimeFolder folder(QString::fromStdString(deep));
    EXPECT_TRUE(folder.problem().contains("too long")) << folder.problem().toStdString();
    EXPECT_TRUE(folder.socketPath().isEmpty());
}
