#include "settings/settingsstore.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

Settings sample()
{
    Settings settings;
    settings.OutputFolder = "/home/li/输出";
    settings.Keywords = "";
    settings.Author = "Li, Wei";
    settings.PageSize = "A4";
    settings.FontName = "黑体";
    settings.FontSize = 12;
    settings.CharsPerLine = 60;
    settings.Language = "英文";
    return settings;
}

// What start-up leaves when the file says nothing: empty texts, zeros and
// the two forced values.
void expectFirstStartValues(const Settings &settings)
{
    EXPECT_EQ(settings.OutputFolder, "");
    EXPECT_EQ(settings.Keywords, "");
    EXPECT_EQ(settings.Author, "");
    EXPECT_EQ(settings.PageSize, "");
    EXPECT_EQ(settings.FontName, "宋体");
    EXPECT_EQ(settings.FontSize, 0);
    EXPECT_EQ(settings.CharsPerLine, 30);
}

} // namespace

TEST(ConfigFile, IsSevenQuotedOrBareLinesInGb18030)
{
    TempDir dir;
    ASSERT_TRUE(SaveSettings(sample(), dir.file("config.ini")));
    std::string expected = "\"/home/li/\xCA\xE4\xB3\xF6\"\r\n"
                           "\"\"\r\n"
                           "\"Li, Wei\"\r\n"
                           "\"A4\"\r\n"
                           "\"\xBA\xDA\xCC\xE5\"\r\n"
                           "12\r\n"
                           "60\r\n";
    EXPECT_EQ(readBytes(dir.file("config.ini")), expected);
}

TEST(ConfigFile, LanguageIsNeverSaved)
{
    Settings chinese = sample();
    chinese.Language = "中文";
    EXPECT_EQ(formatConfig(chinese), formatConfig(sample()));
}

TEST(ConfigFile, NegativeNumbersAreBare)
{
    Settings settings;
    settings.FontSize = -5;
    settings.CharsPerLine = -32768;
    EXPECT_TRUE(formatConfig(settings).ends_with("-5\r\n-32768\r\n"));
}

TEST(ConfigFile, ReadsBackWhatWasWritten)
{
    TempDir dir;
    Settings quotes = sample();
    quotes.Author = "John \"JD\", Doe";
    ASSERT_TRUE(SaveSettings(quotes, dir.file("quotes.ini")));
    ASSERT_TRUE(readConfigFile(quotes, dir.file("quotes.ini")));
    EXPECT_EQ(quotes.Author, "John \"JD\", Doe") << "a quote inside a text shifts nothing";
    EXPECT_EQ(quotes.PageSize, "A4");

    // U+E831, a private-use character with no GB18030 code in this iconv.
    Settings privateUse = sample();
    privateUse.OutputFolder = "/home/li/\uE831输出";
    ASSERT_TRUE(SaveSettings(privateUse, dir.file("private.ini")));
    Settings reread;
    ASSERT_TRUE(readConfigFile(reread, dir.file("private.ini")));
    EXPECT_EQ(reread.OutputFolder, privateUse.OutputFolder);
    EXPECT_EQ(reread.FontName, "黑体");

    ASSERT_TRUE(SaveSettings(sample(), dir.file("config.ini")));
    Settings loaded;
    ASSERT_TRUE(readConfigFile(loaded, dir.file("config.ini")));
    Settings expected = sample();
    EXPECT_EQ(loaded.OutputFolder, expected.OutputFolder);
    EXPECT_EQ(loaded.Keywords, "");
    EXPECT_EQ(loaded.Author, "Li, Wei");
    EXPECT_EQ(loaded.PageSize, "A4");
    EXPECT_EQ(loaded.FontName, "黑体");
    EXPECT_EQ(loaded.FontSize, 12);
    EXPECT_EQ(loaded.CharsPerLine, 60);
}

TEST(LoadSettings, ForcesFontAndCharsPerLine)
{
    TempDir dir;
    ASSERT_TRUE(SaveSettings(sample(), dir.file("config.ini")));
    Settings loaded;
    LoadSettings(loaded, dir.file("config.ini"));
    EXPECT_EQ(loaded.FontName, "宋体");
    EXPECT_EQ(loaded.CharsPerLine, 30);
    EXPECT_EQ(loaded.Author, "Li, Wei");
    EXPECT_EQ(loaded.FontSize, 12);
}

TEST(LoadSettings, MissingOrUnusableFileGivesFirstStartValues)
{
    TempDir dir;
    Settings missing;
    LoadSettings(missing, dir.file("config.ini"));
    expectFirstStartValues(missing);

    std::filesystem::create_directory(dir.file("folder"));
    Settings folder;
    LoadSettings(folder, dir.file("folder"));
    expectFirstStartValues(folder);
}

TEST(LoadSettings, ShortFileKeepsTheRestEmpty)
{
    TempDir dir;
    dir.write("config.ini", "\"/out\"\r\n\"kw\"\r\n\"me\"\r\n");
    Settings loaded;
    LoadSettings(loaded, dir.file("config.ini"));
    EXPECT_EQ(loaded.OutputFolder, "/out");
    EXPECT_EQ(loaded.Keywords, "kw");
    EXPECT_EQ(loaded.Author, "me");
    EXPECT_EQ(loaded.PageSize, "");
    EXPECT_EQ(loaded.FontSize, 0);
    EXPECT_EQ(loaded.CharsPerLine, 30);
}

TEST(LoadSettings, DamagedFilesLoadWithoutHarm)
{
    TempDir dir;
    // Not a number, a number out of 16-bit range, a quote inside a text,
    // an unquoted comma, a truncated GBK character.
    dir.write("config.ini", "\"/o\"ut\"\r\nplain, two\r\n\"A4\"\r\n\"\xCB\"\r\nbig\r\n70000\r\n");
    Settings loaded;
    LoadSettings(loaded, dir.file("config.ini"));
    EXPECT_EQ(loaded.OutputFolder, "/o\"ut");
    EXPECT_EQ(loaded.Keywords, "plain");
    EXPECT_EQ(loaded.Author, "two");
    EXPECT_EQ(loaded.PageSize, "A4");
    EXPECT_EQ(loaded.FontSize, 0);
    EXPECT_EQ(loaded.FontName, "宋体");
}

TEST(LoadSettings, HugeFileIsReadInBoundedPieces)
{
    TempDir dir;
    // An unclosed quote swallowing megabytes must neither hang nor keep
    // the whole file in the record.
    dir.write("config.ini", "\"" + std::string(8 << 20, 'x'));
    Settings loaded;
    LoadSettings(loaded, dir.file("config.ini"));
    EXPECT_LE(loaded.OutputFolder.size(), 32u * 1024);
    EXPECT_EQ(loaded.Keywords, "");
}

TEST(SaveSettings, LineBreaksInTextsCannotShiftFields)
{
    Settings settings = sample();
    settings.Author = "two\r\nlines";
    TempDir dir;
    ASSERT_TRUE(SaveSettings(settings, dir.file("config.ini")));
    Settings loaded;
    ASSERT_TRUE(readConfigFile(loaded, dir.file("config.ini")));
    EXPECT_EQ(loaded.Author, "two  lines");
    EXPECT_EQ(loaded.PageSize, "A4");
    EXPECT_EQ(loaded.CharsPerLine, 60);
}

TEST(SaveSettings, FailureLeavesTheOldFileAndNoLeftovers)
{
    TempDir dir;
    dir.write("config.ini", "old");
    EXPECT_FALSE(SaveSettings(sample(), dir.file("config.ini/sub/config.ini")))
        << "a file stands where the folder would be made";
    // A folder in the file's place cannot be replaced by a rename.
    std::filesystem::create_directory(dir.file("taken.ini"));
    EXPECT_FALSE(SaveSettings(sample(), dir.file("taken.ini")));
    EXPECT_EQ(readBytes(dir.file("config.ini")), "old");
    int entries = 0;
    for ([[maybe_unused]] auto &entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2) << "no temporary file may stay behind";
}

// A config.ini the user made read-only stays as it was; one that is a link
// into a dotfiles folder stays a link, and the file it points at keeps its
// mode.
TEST(SaveSettings, RespectsReadOnlyFilesLinksAndModes)
{
    TempDir dir;
    dir.write("frozen/config.ini", "frozen");
    std::filesystem::permissions(dir.file("frozen/config.ini"), std::filesystem::perms::owner_read);
    EXPECT_FALSE(SaveSettings(sample(), dir.file("frozen/config.ini")));
    EXPECT_EQ(readBytes(dir.file("frozen/config.ini")), "frozen");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("frozen")), {}), 1);

    dir.write("dotfiles/config.ini", "old");
    const auto shared = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
        | std::filesystem::perms::group_read;
    std::filesystem::permissions(dir.file("dotfiles/config.ini"), shared);
    std::filesystem::create_directory(dir.file("program"));
    std::filesystem::create_symlink("../dotfiles/config.ini", dir.file("program/config.ini"));
    ASSERT_TRUE(SaveSettings(sample(), dir.file("program/config.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("program/config.ini")));
    EXPECT_EQ(readBytes(dir.file("dotfiles/config.ini")), formatConfig(sample()));
    EXPECT_EQ(std::filesystem::status(dir.file("dotfiles/config.ini")).permissions(), shared);

    // A new config.ini is made as any new file of this user would be.
    const mode_t previousMask = umask(027);
    const bool saved = SaveSettings(sample(), dir.file("fresh/config.ini"));
    umask(previousMask);
    ASSERT_TRUE(saved);
    EXPECT_EQ(std::filesystem::status(dir.file("fresh/config.ini")).permissions(), shared);
}
