// Settings that leave no room for the text, or that the writer does not
// know: the converter says so instead of writing blank or cut pages, or a
// page and a font nobody asked for.

#include "tests/reliability/convertfixture.h"
#include "tests/support/pdfreadback.h"

#include <filesystem>

namespace {

// config.ini with every field empty but these.
std::string configText(const std::string &pageSize, int fontSize)
{
    return "\"\"\r\n\"\"\r\n\"\"\r\n\"" + pageSize + "\"\r\n\"\"\r\n" + std::to_string(fontSize)
        + "\r\n30\r\n";
}

std::string thirtyHanzi()
{
    std::string line;
    for (int i = 0; i < 30; ++i)
        line += "中";
    return line;
}

} // namespace

class SettingsFaults : public ConvertFixture {
protected:
    ChildResult convertWith(const std::string &config, const std::vector<std::string> &arguments)
    {
        std::vector<std::string> full
            = {command({})[0], "--settings", dir.write("config.ini", config), "-o", out()};
        full.insert(full.end(), arguments.begin(), arguments.end());
        return ChildProcess::run(full, std::chrono::seconds(60));
    }
};

// Font size 300 put the first line of every page below an A4 page: blank
// PDFs and exit status 0. config.ini went up to 10000 where the flag
// stopped at 500.
TEST_F(SettingsFaults, FontSizeThatPutsTheFirstLineBelowThePageIsRefused)
{
    std::string input = dir.write("in/text.txt", "文字\n");
    struct Case {
        const char *name;
        std::string config;
        std::vector<std::string> arguments;
    };
    for (const Case &refused : {Case{"flag", "", {"--font-size", "300", input}},
                                Case{"config.ini", configText("A3", 600), {input}}}) {
        SCOPED_TRACE(refused.name);
        ChildResult run = convertWith(refused.config, refused.arguments);
        EXPECT_EQ(run.exitCode, 1) << run.err;
        ASSERT_EQ(lines(run.err).size(), 1u) << run.err;
        EXPECT_TRUE(lines(run.err)[0].starts_with("tervolan-convert: " + input + ": font size "))
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(pdf("text")));
    }
}

// At 24 points 30 Chinese characters a line ran past the right edge of an
// A4 page without a word; 18 points is the largest size at which they fit.
TEST_F(SettingsFaults, TextRunningOffThePageWarnsWithTheLargestSizeThatFits)
{
    std::string input = dir.write("in/text.txt", thirtyHanzi() + "\n");
    ChildResult run = convert({"--font-size", "24", input});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, pdf("text") + "\n");
    ASSERT_EQ(lines(run.err).size(), 1u) << run.err;
    EXPECT_TRUE(lines(run.err)[0].ends_with("the largest size that fits is 18")) << run.err;

    EXPECT_EQ(convert({"--font-size", "18", input}).err, "");
    // Latin letters are narrower: English at its 60 a line fits at 12.
    std::string english = dir.write("in/english.txt", std::string(60, 'e') + "\n");
    EXPECT_EQ(convert({"--lang", "en", "--font-size", "12", english}).err, "");
}

// An unknown page size in config.ini and an unknown font name fell back to
// A4 and to another face without a word.
TEST_F(SettingsFaults, UnknownPageSizeAndFontSayWhatIsUsedInstead)
{
    std::string input = dir.write("in/text.txt", "文字\n");
    ChildResult run = convertWith(configText("A0", 12), {"--font", "No Such Face 42", input});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> errors = lines(run.err);
    ASSERT_EQ(errors.size(), 2u) << run.err;
    EXPECT_EQ(errors[0], "tervolan-convert: page size \"A0\" is not known; using A4");
    EXPECT_TRUE(errors[1].starts_with("tervolan-convert: font \"No Such Face 42\" is not known; "
                                      "using "))
        << errors[1];
    EXPECT_NE(PdfReadback::info(pdf("text"), "Page size").find("(A4)"), std::string::npos);
}
