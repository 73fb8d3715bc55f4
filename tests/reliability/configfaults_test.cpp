// Damaged config.ini files: whatever they hold, loading ends, keeps every
// field it can read and leaves the rest at its start value; the converter
// still runs with them.

#include "settings/settingsstore.h"
#include "tests/reliability/convertfixture.h"

#include <algorithm>
#include <fstream>

namespace {

struct ConfigCase {
    const char *name;
    std::string bytes;
    Settings expected; // after LoadSettings
};

Settings record(std::string folder, std::string keywords, std::string author, std::string pageSize,
                int16_t fontSize)
{
    Settings settings;
    settings.OutputFolder = std::move(folder);
    settings.Keywords = std::move(keywords);
    settings.Author = std::move(author);
    settings.PageSize = std::move(pageSize);
    settings.FontName = "宋体";
    settings.FontSize = fontSize;
    settings.CharsPerLine = 30;
    return settings;
}

// With the byte-order mark that names it in front.
std::string utf16le(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text)
        bytes += {char(unit & 0xFF), char(unit >> 8)};
    return bytes;
}

std::vector<ConfigCase> configCases()
{
    return {
        {"cut inside a quoted text", "\"/tmp/out\"\r\n\"kw\"\r\n\"Zhang",
         record("/tmp/out", "kw", "Zhang", "", 0)},
        {"cut inside a GB18030 character", "\"/o\"\r\n\"\"\r\n\"\xD5\xC5\xC8",
         record("/o", "", "张\uFFFD", "", 0)},
        {"cut after the font size", "\"/o\"\r\n\"\"\r\n\"\"\r\n\"A5\"\r\n\"\"\r\n1",
         record("/o", "", "", "A5", 1)},
        {"quote inside a text",
         "\"/tmp/o\"ut\"\r\n\"kw\"\r\n\"a\"\r\n\"A3\"\r\n\"x\"\r\n14\r\n60\r\n",
         record("/tmp/o\"ut", "kw", "a", "A3", 14)},
        {"numbers beyond 16 bits", "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n40000\r\n-32769\r\n",
         record("", "", "", "", 0)},
        {"16-bit limits", "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n-32768\r\n32767\r\n",
         record("", "", "", "", -32768)},
        {"twenty digits", "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n99999999999999999999\r\n7\r\n",
         record("", "", "", "", 0)},
        {"number with letters", "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n12pt\r\n7\r\n",
         record("", "", "", "", 0)},
        {"NUL bytes", std::string("\"a\0b\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n9\r\n", 24),
         record(std::string("a\0b", 3), "", "", "", 9)},
        // A mark was read as GB18030 text: the folder became 锘�"/o" and,
        // relative, landed in the working folder.
        {"UTF-8 byte-order mark",
         "\xEF\xBB\xBF\"/o\"\r\n\"\"\r\n\"\xE5\xBC\xA0\"\r\n\"A5\"\r\n\"\"\r\n9\r\n",
         record("/o", "", "张", "A5", 9)},
        {"UTF-16LE byte-order mark",
         utf16le(u"\"/o\"\r\n\"\"\r\n\"张\"\r\n\"A5\"\r\n\"\"\r\n9\r\n"),
         record("/o", "", "张", "A5", 9)},
    };
}

void expectSameRecord(const Settings &got, const Settings &expected)
{
    EXPECT_EQ(got.OutputFolder, expected.OutputFolder);
    EXPECT_EQ(got.Keywords, expected.Keywords);
    EXPECT_EQ(got.Author, expected.Author);
    EXPECT_EQ(got.PageSize, expected.PageSize);
    EXPECT_EQ(got.FontName, expected.FontName);
    EXPECT_EQ(got.FontSize, expected.FontSize);
    EXPECT_EQ(got.CharsPerLine, expected.CharsPerLine);
}

} // namespace

class ConfigFaults : public ConvertFixture {};

TEST_F(ConfigFaults, DamagedFilesLoadWhatTheyHold)
{
    for (const ConfigCase &config : configCases()) {
        SCOPED_TRACE(config.name);
        Settings settings;
        LoadSettings(settings, dir.write("config.ini", config.bytes));
        expectSameRecord(settings, config.expected);
    }
}

// A first line of 20 MB without a line end in sight is cut to 32768
// characters; the lines after it still fill their fields.
TEST_F(ConfigFaults, HugeFileKeepsTheRecordSmall)
{
    std::string path = dir.file("config.ini");
    {
        std::ofstream out(path, std::ios::binary);
        std::string chunk(1024 * 1024, 'x');
        for (int i = 0; i < 20; ++i)
            out << chunk;
        out << "\r\n\"kw\"\r\n\"au\"\r\n\"A4\"\r\n\"\"\r\n12\r\n60\r\n";
        for (int i = 0; i < 100000; ++i)
            out << "\"more\"\r\n";
    }
    Settings settings;
    LoadSettings(settings, path);
    expectSameRecord(settings, record(std::string(32 * 1024, 'x'), "kw", "au", "A4", 12));
}

TEST_F(ConfigFaults, ConverterRunsWithEveryDamagedFile)
{
    std::string input = dir.write("in/text.txt", "文字");
    for (const ConfigCase &config : configCases()) {
        SCOPED_TRACE(config.name);
        std::string settingsFile = dir.write("config.ini", config.bytes);
        ChildResult run
            = ChildProcess::run({command({})[0], "--settings", settingsFile, "-o", out(), input},
                                std::chrono::seconds(60));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, pdf("text") + "\n");
        EXPECT_TRUE(passesQpdfCheck(pdf("text")));
    }
}

// A number out of range became 0 and a config.ini that is no regular file
// was passed over, both unseen; each is said once, naming what and why.
TEST_F(ConfigFaults, IgnoredValuesAreToldOnce)
{
    Settings settings;
    std::filesystem::create_directory(dir.file("folder.ini"));
    const std::vector<ConfigProblem> folder = LoadSettings(settings, dir.file("folder.ini"));
    ASSERT_EQ(folder.size(), 1u);
    EXPECT_EQ(folder[0].failure.kind, ReadFailure::Kind::IsFolder);
    EXPECT_TRUE(LoadSettings(settings, dir.file("missing.ini")).empty())
        << "a first start has no config.ini, and nothing to tell";

    std::string settingsFile
        = dir.write("config.ini", "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n40000\r\n-32769\r\n");
    ChildResult run = ChildProcess::run(
        {command({})[0], "--settings", settingsFile, "-o", out(), dir.write("in/a.txt", "a")},
        std::chrono::seconds(60));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("FontSize \"40000\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("CharsPerLine \"-32769\""), std::string::npos) << run.err;
}
