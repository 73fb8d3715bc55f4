#include "platform/text/textcodec.h"
#include "platform/text/utf8.h"
#include "tests/support/commandrun.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

namespace {

const std::string Convert = std::string(TERVOLAN_BINARY_DIR) + "/bin/tervolan-convert";
const std::string Samples = std::string(TERVOLAN_SOURCE_DIR) + "/resources/samples";

class ConvertTest : public ::testing::Test {
protected:
    ConvertTest() { emptySettings = dir.write("empty.ini", ""); }

    // Runs with first-start settings (an empty config.ini) into out/.
    CommandRun convert(const std::string &arguments, const std::string &input = {})
    {
        return CommandRun::run(Convert + " --settings " + shellQuote(emptySettings) + " -o "
                                   + shellQuote(out()) + " " + arguments,
                               input);
    }
    std::string out() const { return dir.file("out"); }
    std::string pdf(const std::string &base) const { return out() + "/" + base + ".pdf"; }

    TempDir dir;
    std::string emptySettings;
};

std::string withoutLineBreaks(const std::string &text)
{
    std::string joined;
    for (char c : text) {
        if (c != '\r' && c != '\n')
            joined += c;
    }
    return joined;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string all;
    for (const std::string &line : lines)
        all += line;
    return all;
}

} // namespace

TEST_F(ConvertTest, SamplesOfEachEncodingComeBackWhole)
{
    CommandRun run = convert(shellQuote(Samples) + "/*.txt");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              pdf("harbour-notes") + "\n" + pdf("春日随笔") + "\n" + pdf("读书笔记") + "\n");
    struct Sample {
        std::string file, base;
        bool gb18030;
    } samples[] = {{"春日随笔.utf8.txt", "春日随笔", false},
                   {"读书笔记.gb18030.txt", "读书笔记", true},
                   {"harbour-notes.txt", "harbour-notes", false}};
    for (const Sample &sample : samples) {
        std::string source = readBytes(Samples + "/" + sample.file);
        if (sample.gb18030)
            source = TextCodec::gb18030ToUtf8(source);
        std::vector<std::string> lines = PdfReadback::lines(pdf(sample.base));
        std::string expected = withoutLineBreaks(source);
        std::string got = joined(lines);
        // Blanks at the breaks are dropped or trimmed by the reader.
        std::erase(expected, ' ');
        std::erase(got, ' ');
        EXPECT_EQ(got, expected) << sample.file;
        for (const std::string &line : lines)
            EXPECT_LE(Utf8::toUtf32(line).size(), 30u) << line;
    }
}

TEST_F(ConvertTest, DocumentInformationPageSizeAndFonts)
{
    std::string input = dir.write("info.txt", "信息 information\r\n");
    CommandRun run = convert("--author 李明 --keywords 'a, b' --page-size A3 " + shellQuote(input));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(PdfReadback::info(pdf("info"), "Author"), "李明");
    EXPECT_EQ(PdfReadback::info(pdf("info"), "Keywords"), "a, b");
    EXPECT_EQ(PdfReadback::info(pdf("info"), "Creator"), "Tervolan");
    EXPECT_TRUE(PdfReadback::info(pdf("info"), "Page size").starts_with("841.89 x 1190.55"));

    CommandRun fonts = CommandRun::run("pdffonts " + shellQuote(pdf("info")));
    EXPECT_NE(fonts.out.find("NotoSerifCJK"), std::string::npos) << fonts.out;
    EXPECT_NE(fonts.out.find(" yes yes yes"), std::string::npos)
        << "embedded subset with a Unicode map\n"
        << fonts.out;
    EXPECT_EQ(CommandRun::run("qpdf --check " + shellQuote(pdf("info"))).exitCode, 0);

    run = convert("--font 黑体 --page-size a5 " + shellQuote(input));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(CommandRun::run("pdffonts " + shellQuote(pdf("info"))).out.find("NotoSansCJK"),
              std::string::npos);
    EXPECT_TRUE(PdfReadback::info(pdf("info"), "Page size").starts_with("419.528 x 595.276"));
}

TEST_F(ConvertTest, SettingsFileThenStartUpValuesThenFlags)
{
    // A config.ini from a Chinese Windows system: GBK bytes, font 黑体, 60
    // characters per line. Start-up brings back 宋体 and 30.
    std::string config = "\"" + out()
        + "\"\r\n\"\"\r\n\"\xD5\xC5\xC8\xFD\"\r\n\"A5\"\r\n\"\xBA\xDA\xCC\xE5\"\r\n12\r\n60\r\n";
    std::string settings = dir.write("config.ini", config);
    std::string input = dir.write("long.txt", std::string(70, 'x') + "\r\n");
    CommandRun run = CommandRun::run(Convert + " --settings " + shellQuote(settings) + " "
                                     + shellQuote(input));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(PdfReadback::info(pdf("long"), "Author"), "张三");
    EXPECT_TRUE(PdfReadback::info(pdf("long"), "Page size").starts_with("419.528"));
    EXPECT_EQ(PdfReadback::lines(pdf("long")).size(), 3u) << "30 characters per line";
    EXPECT_NE(CommandRun::run("pdffonts " + shellQuote(pdf("long"))).out.find("NotoSerifCJK"),
              std::string::npos);

    run = CommandRun::run(Convert + " --settings " + shellQuote(settings) + " --lang en "
                          + shellQuote(input));
    EXPECT_EQ(PdfReadback::lines(pdf("long")).size(), 2u) << "60 characters per line";
    run = CommandRun::run(Convert + " --settings " + shellQuote(settings)
                          + " --lang en --chars-per-line 7 " + shellQuote(input));
    EXPECT_EQ(PdfReadback::lines(pdf("long")).size(), 10u);
}

TEST_F(ConvertTest, BadInputsAreReportedAndTheRestConverted)
{
    std::filesystem::create_directory(dir.file("folder"));
    std::string binary = dir.write("binary.txt", std::string("\x89PNG\r\n\x1A\n\0\0", 10));
    std::string good = dir.write("good.txt", "好");
    CommandRun run = convert(shellQuote(dir.file("folder")) + " " + shellQuote(binary) + " "
                             + shellQuote(dir.file("missing.txt")) + " " + shellQuote(good));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, pdf("good") + "\n");
    EXPECT_NE(run.err.find(dir.file("folder") + ": is a folder"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(binary + ": is a binary file"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(dir.file("missing.txt") + ": cannot open"), std::string::npos)
        << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 3);
    EXPECT_FALSE(std::filesystem::exists(pdf("binary")));
}

TEST_F(ConvertTest, AFailedInputNeverReplacesAGoodPdf)
{
    std::string input = dir.write("same.txt", "第一版");
    ASSERT_EQ(convert(shellQuote(input)).exitCode, 0);
    std::string before = readBytes(pdf("same"));
    dir.write("same.txt", std::string("\0\0binary", 8));
    EXPECT_EQ(convert(shellQuote(input)).exitCode, 1);
    EXPECT_EQ(readBytes(pdf("same")), before);
}

TEST_F(ConvertTest, OutputFolderProblemsNameTheFolder)
{
    std::string input = dir.write("a.txt", "a");
    dir.write("plain", "");
    CommandRun run
        = CommandRun::run(Convert + " --settings " + shellQuote(emptySettings) + " -o "
                          + shellQuote(dir.file("plain/such")) + " " + shellQuote(input));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(input + ": "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("plain/such"), std::string::npos) << run.err;
}

// A read-only folder, and one that cannot be made inside it, fail with what
// stopped them, not as a folder that is missing.
TEST_F(ConvertTest, ReadOnlyOutputFolderFailsCleanly)
{
    std::string readOnly = dir.file("ro");
    std::filesystem::create_directory(readOnly);
    // Root writes through permission bits, so a read-only mount stands in.
    if (mount("tmpfs", readOnly.c_str(), "tmpfs", MS_RDONLY, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a read-only folder here";
    std::string input = dir.write("a.txt", "a");
    for (const std::string &folder : {readOnly, readOnly + "/new/pdf"}) {
        CommandRun run = CommandRun::run(Convert + " --settings " + shellQuote(emptySettings)
                                         + " -o " + shellQuote(folder) + " " + shellQuote(input));
        EXPECT_EQ(run.exitCode, 1) << folder;
        EXPECT_NE(run.err.find(input + ": "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Read-only file system"), std::string::npos) << run.err;
    }
    umount(readOnly.c_str());
}

TEST_F(ConvertTest, PathsFromStandardInputFilesAndFolders)
{
    std::string a = dir.write("in/a.txt", "a");
    std::string b = dir.write("in/sub/b.TXT", "b");
    dir.write("in/sub/skip.doc", "c");
    std::string list = dir.write("list", b + "\n");

    CommandRun run = convert("-q -", a + "\r\n\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "") << "quiet lists nothing";
    EXPECT_TRUE(std::filesystem::exists(pdf("a")));

    run = convert("-T " + shellQuote(list));
    EXPECT_EQ(run.out, pdf("b") + "\n");

    dir.write("elsewhere/c.txt", "c");
    std::filesystem::create_directory_symlink(dir.file("elsewhere"), dir.file("in/linked"));
    run = convert("-rj2 " + shellQuote(dir.file("in")));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << "links are passed over";

    run = convert("-r --follow-symlinks " + shellQuote(dir.file("in")));
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3) << run.err;
}

TEST_F(ConvertTest, ParallelJobsWriteTheSameDocuments)
{
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "第" + std::to_string(i) + "行，一些中文文字和 some English words.\r\n";
    std::string files;
    for (int i = 0; i < 6; ++i)
        files += " " + shellQuote(dir.write("in/f" + std::to_string(i) + ".txt", text));
    ASSERT_EQ(convert("-j 1" + files).exitCode, 0);
    std::vector<std::string> single = PdfReadback::lines(pdf("f3"));
    ASSERT_EQ(convert("-j 3" + files).exitCode, 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(PdfReadback::lines(pdf("f" + std::to_string(i))), single);
}

TEST_F(ConvertTest, UsageErrorsExitWithTwo)
{
    for (const char *arguments : {"--page-size B5 x", "--font-size 0 x", "--jobs x y", "--bogus x",
                                  "--lang fr x", "-o D:/out x", ""}) {
        CommandRun run = convert(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_NE(run.err.find("tervolan-convert: "), std::string::npos) << arguments;
    }
    CommandRun run
        = CommandRun::run(Convert + " --settings " + shellQuote(dir.file("nope.ini")) + " x");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(CommandRun::run(Convert + " --help").exitCode, 0);
}

// A name holding an escape sequence and a line break drove the terminal
// and split the listing into two lines; both are spelled out now, and a
// real backslash is doubled so it cannot pass for an escape.
TEST_F(ConvertTest, ControlCharactersInNamesAreEscapedInListingAndMessages)
{
    const std::string name = "red\033[31m\nline\\033";
    const std::string gone = dir.file("in/gone\033]0;title\a.txt");
    dir.write("in/" + name + ".txt", "text");
    CommandRun run = convert(shellQuote(dir.file("in/" + name + ".txt")) + " " + shellQuote(gone));
    EXPECT_EQ(run.out, out() + "/red\\033[31m\\nline\\\\033.pdf\n");
    EXPECT_NE(run.err.find(dir.file("in/gone\\033]0;title\\a.txt: ")), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find_first_of("\033\a"), std::string::npos) << run.err;
}

// The converter loads fontconfig's configuration itself: one named by
// FONTCONFIG_FILE must still be the one in force.
TEST_F(ConvertTest, FontconfigFileNamedInTheEnvironmentIsTheOneUsed)
{
    const std::string faces = std::string(TERVOLAN_SOURCE_DIR) + "/tests/pdf/data";
    const std::string config
        = dir.write("fonts.conf",
                    "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + faces + "</dir><cachedir>"
                        + dir.file("cache") + "</cachedir></fontconfig>\n");
    const std::string input = dir.write("face.txt", "Hello\n");
    CommandRun run
        = CommandRun::run("FONTCONFIG_FILE=" + shellQuote(config) + " " + Convert + " --settings "
                          + shellQuote(emptySettings) + " -o " + shellQuote(out())
                          + " --font 'Tervolan Name Keyed' " + shellQuote(input));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string fonts = CommandRun::run("pdffonts " + shellQuote(pdf("face"))).out;
    EXPECT_NE(fonts.find("TervolanNameKeyed"), std::string::npos) << fonts;
}

// The writer names the family standing in for a font it has no face of;
// a face of that family under any spelling of its name stands for itself.
TEST_F(ConvertTest, FontWithoutAFaceIsNamedWithItsStandIn)
{
    const std::string input = dir.write("a.txt", "字\n");
    const CommandRun unknown = convert("--font 'No Such Face' " + shellQuote(input));
    ASSERT_EQ(unknown.exitCode, 0) << unknown.err;
    EXPECT_NE(unknown.err.find("font \"No Such Face\" is not known; using Noto"), std::string::npos)
        << unknown.err;
    for (const char *known : {"宋体", "noto serif cjk sc"}) {
        const CommandRun run = convert("--on-conflict overwrite --font '" + std::string(known)
                                       + "' " + shellQuote(input));
        EXPECT_EQ(run.err.find("is not known"), std::string::npos) << known << ": " << run.err;
    }
}

// The faces fontconfig names are kept between runs, but only while every
// file it read and the environment it reads are as they were: an answer
// changed by hand is drawn with, and passed over once either changes.
TEST_F(ConvertTest, KeptFontAnswersHoldOnlyWhileFontconfigsInputsAreUnchanged)
{
    const std::string faces = std::string(TERVOLAN_SOURCE_DIR) + "/tests/pdf/data";
    const std::string configText = "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + faces
        + "</dir><cachedir>" + dir.file("cache") + "</cachedir><include ignore_missing=\"yes\">"
        + dir.file("user/extra.conf") + "</include></fontconfig>\n";
    const std::string config = dir.write("fonts.conf", configText);
    dir.write("user/notes", "");
    const std::string input = dir.write("face.txt", "Hello\n");
    auto faceDrawn = [&](const std::string &environment) {
        CommandRun run = CommandRun::run(
            environment + " FONTCONFIG_FILE=" + shellQuote(config)
            + " XDG_CACHE_HOME=" + shellQuote(dir.file("home-cache")) + " " + Convert
            + " --settings " + shellQuote(emptySettings) + " --on-conflict overwrite -o "
            + shellQuote(out()) + " --font 'Tervolan Name Keyed' " + shellQuote(input));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return CommandRun::run("pdffonts " + shellQuote(pdf("face"))).out;
    };
    // The other test face, the one TrueType face there, as the answer.
    auto editAnswer = [&] {
        std::string kept = readBytes(dir.file("home-cache/tervolan/font-answers"));
        const size_t face = kept.find("namekeyed.otf");
        ASSERT_NE(face, std::string::npos) << kept;
        dir.write("home-cache/tervolan/font-answers", kept.replace(face, 13, "scriptforms.ttf"));
    };
    const std::string other = "XDG_CONFIG_HOME=" + shellQuote(dir.file("config"));
    // The first run writes fontconfig's cache, which the answers watch.
    faceDrawn("");
    faceDrawn("");
    editAnswer();
    EXPECT_NE(faceDrawn("").find("CID TrueType"), std::string::npos);
    EXPECT_NE(faceDrawn(other).find("TervolanNameKeyed"), std::string::npos);
    editAnswer();
    EXPECT_NE(faceDrawn(other).find("CID TrueType"), std::string::npos);
    dir.write("fonts.conf", configText + "<!-- changed -->\n");
    EXPECT_NE(faceDrawn(other).find("TervolanNameKeyed"), std::string::npos);
    // A file the configuration includes where there was none, in a folder
    // of no other file it read.
    editAnswer();
    EXPECT_NE(faceDrawn(other).find("CID TrueType"), std::string::npos);
    dir.write("user/extra.conf", "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
    EXPECT_NE(faceDrawn(other).find("TervolanNameKeyed"), std::string::npos);
}
