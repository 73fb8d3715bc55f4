#include "app/window/singleinstance.h"
#include "tests/support/scopedmount.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
