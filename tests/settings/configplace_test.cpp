#include "settings/settingsstore.h"
#include "tests/support/scopedmount.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

namespace {

struct PlaceCase {
    bool holdsConfigIni;
    bool writable;
    const char *expected;
};

class ConfigPlace : public testing::TestWithParam<PlaceCase> {};

} // namespace

TEST_P(ConfigPlace, ProgramFolderWinsWhenItHoldsOneOrCanBeWritten)
{
    const PlaceCase &row = GetParam();
    EXPECT_EQ(chooseConfigIni("/opt/t/bin", row.holdsConfigIni, row.writable,
                              "/home/li/.config/tervolan"),
              std::filesystem::path(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, ConfigPlace,
                         testing::Values(PlaceCase{false, true, "/opt/t/bin/config.ini"},
                                         PlaceCase{true, true, "/opt/t/bin/config.ini"},
                                         PlaceCase{true, false, "/opt/t/bin/config.ini"},
                                         PlaceCase{false, false,
                                                   "/home/li/.config/tervolan/config.ini"}));

TEST(UserConfigFolder, FollowsXdgConfigHomeElseHomeConfig)
{
    EXPECT_EQ(userConfigFolder("/x/cfg", "/home/li"), std::filesystem::path("/x/cfg/tervolan"));
    EXPECT_EQ(userConfigFolder("", "/home/li"), std::filesystem::path("/home/li/.config/tervolan"));
    EXPECT_EQ(userConfigFolder("relative/cfg", "/home/li"),
              std::filesystem::path("/home/li/.config/tervolan"))
        << "a relative XDG_CONFIG_HOME is ignored";
}

TEST(ConfigIniPathFor, ReadsTheFactsFromTheFileSystem)
{
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "bin");
    EXPECT_EQ(configIniPathFor(dir.path() / "bin", dir.path() / "user"),
              dir.path() / "bin" / "config.ini");
    EXPECT_EQ(configIniPathFor(dir.path() / "gone", dir.path() / "user"),
              dir.path() / "user" / "config.ini")
        << "a folder that does not exist cannot be written";
}

// The installed case: a read-only program folder. Root writes anywhere that
// permission bits guard, so the folder is made read-only by a mount.
TEST(ConfigIniPathFor, ReadOnlyProgramFolderSavesToTheUserFolderAndReadsItBack)
{
    TempDir dir;
    std::filesystem::path program = dir.path() / "bin";
    std::filesystem::path user = dir.path() / "home" / ".config" / "tervolan";
    std::filesystem::create_directories(program);
    ScopedMount mount = ScopedMount::readOnly(program.string());
    if (!mount.ok())
        GTEST_SKIP() << "cannot mount here";

    std::filesystem::path place = configIniPathFor(program, user);
    ASSERT_EQ(place, user / "config.ini");
    Settings saved;
    saved.OutputFolder = "/home/li/输出";
    saved.FontSize = 14;
    ASSERT_TRUE(SaveSettings(saved, place)) << "the user folder is created on the first save";
    Settings loaded;
    LoadSettings(loaded, configIniPathFor(program, user));
    EXPECT_EQ(loaded.OutputFolder, "/home/li/输出");
    EXPECT_EQ(loaded.FontSize, 14);
}

TEST(ConfigIniPathFor, ReadOnlyProgramFolderKeepsAConfigIniItAlreadyHolds)
{
    TempDir dir;
    std::filesystem::path program = dir.path() / "bin";
    dir.write("bin/config.ini", "\"/srv/pdf\"\r\n");
    ScopedMount mount = ScopedMount::readOnly(program.string());
    if (!mount.ok())
        GTEST_SKIP() << "cannot mount here";
    EXPECT_EQ(configIniPathFor(program, dir.path() / "user"), program / "config.ini");
}
