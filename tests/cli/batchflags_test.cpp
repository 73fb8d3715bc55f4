#include "tests/support/commandrun.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>

namespace {

const std::string Convert = std::string(TERVOLAN_BINARY_DIR) + "/bin/tervolan-convert";

class BatchFlagsTest : public ::testing::Test {
protected:
    BatchFlagsTest() { emptySettings = dir.write("empty.ini", ""); }

    CommandRun convert(const std::string &out, const std::string &arguments,
                       const std::string &input = {})
    {
        return CommandRun::run(Convert + " --settings " + shellQuote(emptySettings) + " -o "
                                   + shellQuote(dir.file(out)) + " " + arguments,
                               input);
    }
    std::string quoted(const std::string &name) const { return shellQuote(dir.file(name)); }

    // Each PDF of a folder with the text it shows.
    std::map<std::string, std::string> pdfTexts(const std::string &out) const
    {
        std::map<std::string, std::string> texts;
        for (const std::string &name : folderEntries(dir.file(out))) {
            std::string text;
            for (const std::string &line : PdfReadback::lines(dir.file(out + "/" + name)))
                text += line;
            texts[name] = text;
        }
        return texts;
    }

    TempDir dir;
    std::string emptySettings;
};

} // namespace

TEST_F(BatchFlagsTest, SameNamesInTwoFoldersGiveTheSameResultEveryRunUnderEachPolicy)
{
    const std::string inputs = quoted(dir.write("in/a/x.txt", "first")) + " "
        + quoted(dir.write("in/b/x.txt", "second")) + " "
        + quoted(dir.write("in/c/x.log", "third"));
    const std::map<std::string, std::map<std::string, std::string>> expected = {
        {"overwrite", {{"x.pdf", "third"}}},
        {"skip", {{"x.pdf", "first"}}},
        {"rename", {{"x.pdf", "first"}, {"x (2).pdf", "second"}, {"x (3).pdf", "third"}}},
    };
    for (const auto &[policy, pdfs] : expected) {
        for (int run = 0; run < 2; ++run) {
            const std::string out = policy + std::to_string(run);
            CommandRun result = convert(out, "-j 2 --on-conflict " + policy + " " + inputs);
            EXPECT_EQ(result.exitCode, 0) << policy << result.err;
            EXPECT_EQ(pdfTexts(out), pdfs) << policy << " run " << run;
        }
    }
    // A file already there is kept under skip and passed over under rename.
    const std::string before = readBytes(dir.file("skip0/x.pdf"));
    CommandRun skipped = convert("skip0", "--on-conflict skip " + quoted("in/b/x.txt"));
    EXPECT_EQ(skipped.exitCode, 0);
    EXPECT_EQ(skipped.out, "");
    EXPECT_EQ(readBytes(dir.file("skip0/x.pdf")), before);
    CommandRun renamed = convert("skip0", "--on-conflict rename " + quoted("in/b/x.txt"));
    EXPECT_EQ(renamed.out, dir.file("skip0/x (2).pdf") + "\n");
}

// The window's rule stands (the last input of a name wins), but a run that
// loses a PDF that way says so, once per name, under any number of workers.
TEST_F(BatchFlagsTest, InputsOverwritingOneAnotherAreToldOncePerName)
{
    const std::string first = dir.write("in/a.txt", "first");
    const std::string second = dir.write("in/sub/a.txt", "second");
    const std::string inputs
        = shellQuote(first) + " " + quoted("in/b.txt") + " " + shellQuote(second);
    dir.write("in/b.txt", "alone");
    CommandRun run = convert("out", "-q -j 2 " + inputs);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err,
              "tervolan-convert: warning: " + dir.file("out/a.pdf") + " is written by 2 inputs, "
                  + first + " then " + second + ", and only the last stands; "
                  + "--on-conflict rename or --keep-tree keeps each\n");
    EXPECT_EQ(pdfTexts("out"),
              (std::map<std::string, std::string>{{"a.pdf", "second"}, {"b.pdf", "alone"}}));
    EXPECT_EQ(convert("renamed", "-q --on-conflict rename " + inputs).err, "");
}

TEST_F(BatchFlagsTest, KeepTreeMirrorsTheFoldersBelowTheFolderGiven)
{
    dir.write("texts/a/b/x.txt", "deep");
    dir.write("texts/x.txt", "top");
    CommandRun run = convert("out", "-r --keep-tree " + quoted("texts") + "/");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(pdfTexts("out/a/b"), (std::map<std::string, std::string>{{"x.pdf", "deep"}}));
    EXPECT_EQ(PdfReadback::lines(dir.file("out/x.pdf")), std::vector<std::string>{"top"});
}

TEST_F(BatchFlagsTest, UpdateFinishesAnInterruptedRunConvertingOnlyWhatIsMissing)
{
    std::string all;
    for (int i = 0; i < 5; ++i)
        all += dir.write("in/f" + std::to_string(i) + ".txt", "text") + "\n";
    // The run stopped after two files.
    const std::string firstTwo = all.substr(0, all.find('\n', all.find('\n') + 1) + 1);
    ASSERT_EQ(convert("out", "-", firstTwo).exitCode, 0);
    const std::string kept = readBytes(dir.file("out/f0.pdf"));

    CommandRun resumed = convert("out", "-u -j 2 -", all);
    EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
    std::set<std::string> listed;
    for (size_t start = 0, end; (end = resumed.out.find('\n', start)) != std::string::npos;
         start = end + 1)
        listed.insert(resumed.out.substr(start, end - start));
    EXPECT_EQ(listed,
              (std::set<std::string>{dir.file("out/f2.pdf"), dir.file("out/f3.pdf"),
                                     dir.file("out/f4.pdf")}));
    EXPECT_EQ(readBytes(dir.file("out/f0.pdf")), kept);
}

// Dated a year ahead, as files from an archive made on a machine whose
// clock ran fast: no PDF is ever newer, yet the first one is its own.
TEST_F(BatchFlagsTest, UpdateWithRenameKeepsOneNameForAnInputDatedInTheFuture)
{
    const std::string input = dir.write("in/x.txt", "text");
    std::filesystem::last_write_time(
        input, std::filesystem::file_time_type::clock::now() + std::chrono::hours(24 * 365));
    for (int run = 0; run < 3; ++run)
        ASSERT_EQ(convert("out", "-q -u --on-conflict rename " + quoted("in/x.txt")).exitCode, 0);
    EXPECT_EQ(folderEntries(dir.file("out")), std::vector<std::string>{"x.pdf"});
}

// A resumed run under rename: the second input of a name is not taken
// for converted because the first one's PDF is as new as it.
TEST_F(BatchFlagsTest, UpdateWithRenameGivesASecondInputOfTheSameNameItsOwnPdf)
{
    const std::string first = dir.write("in/a/x.txt", "first");
    const std::string second = dir.write("in/b/x.txt", "second");
    ASSERT_EQ(convert("out", "-q --on-conflict rename " + shellQuote(first)).exitCode, 0);
    CommandRun resumed = convert(
        "out", "-q -u --on-conflict rename " + shellQuote(first) + " " + shellQuote(second));
    EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
    EXPECT_EQ(pdfTexts("out"),
              (std::map<std::string, std::string>{{"x.pdf", "first"}, {"x (2).pdf", "second"}}));
}

TEST_F(BatchFlagsTest, NulListsTakeNewlinesInNames)
{
    const std::string odd = dir.write("in/two\nlines.txt", "odd");
    const std::string plain = dir.write("in/plain.txt", "plain");
    CommandRun run = convert("out", "-0 -q -", odd + '\0' + plain + '\0');
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folderEntries(dir.file("out")),
              (std::vector<std::string>{"plain.pdf", "two\nlines.pdf"}));
}

TEST_F(BatchFlagsTest, ShardsCoverTheListOnceBetweenThem)
{
    std::string list;
    for (int i = 0; i < 60; ++i)
        list += dir.write("in/f" + std::to_string(i) + ".txt", "x") + "\n";
    std::multiset<std::string> converted;
    for (int shard = 0; shard < 3; ++shard) {
        const std::string out = "out" + std::to_string(shard);
        ASSERT_EQ(convert(out, "-q --shard " + std::to_string(shard) + "/3 -", list).exitCode, 0);
        const std::vector<std::string> names = folderEntries(dir.file(out));
        EXPECT_FALSE(names.empty()) << "shard " << shard;
        converted.insert(names.begin(), names.end());
    }
    std::multiset<std::string> all;
    for (int i = 0; i < 60; ++i)
        all.insert("f" + std::to_string(i) + ".pdf");
    EXPECT_EQ(converted, all);
}

// Read back as a program would: every line one JSON object, a non-UTF-8
// path restored byte for byte, every converted PDF in the folder with its
// size, and the failure and the forced encoding told as they happened.
TEST_F(BatchFlagsTest, ReportIsJsonLinesThatMatchTheFolder)
{
    dir.write("in/\xff-latin1.txt", "caf\xe9");
    dir.write("in/wide.txt", std::string("\x60\x4F\x7D\x59", 4)); // 你好 in UTF-16LE
    dir.write("in/marked.txt", std::string("\xFF\xFE\x60\x4F", 4));
    dir.write("in/boxed.txt", std::string("\xFF\xDB\xFD\xDF", 4)); // U+10FFFD: no font has it
    // 第一章 and 第二章 on lines of their own, in UTF-16LE.
    dir.write("in/book.txt",
              std::string("\x2C\x7B\x00\x4E\xE0\x7A\x0A\x00"
                          "\x2C\x7B\x8C\x4E\xE0\x7A\x0A\x00",
                          16));
    CommandRun run = convert(
        "out", "-r --encoding utf-16le --report - " + quoted("in") + " " + quoted("missing.txt"));
    EXPECT_EQ(run.exitCode, 1);
    const std::string check = R"(
import json, os, sys
out, report = sys.argv[1], [json.loads(line) for line in sys.stdin]
made = {r["output"]: r for r in report if r["status"] == "converted"}
assert sorted(os.path.join(out, n) for n in os.listdir(out)) == sorted(made), (os.listdir(out), made)
assert all(os.path.getsize(p) == r["bytes"] and r["pages"] == 1 for p, r in made.items())
inputs = {os.path.basename(os.fsencode(r["input"])): r for r in report}
assert set(inputs) == {b"\xff-latin1.txt", b"wide.txt", b"marked.txt", b"boxed.txt", b"book.txt", b"missing.txt"}, inputs
assert inputs[b"missing.txt"]["status"] == "failed" and inputs[b"missing.txt"]["reason"]
assert inputs[b"wide.txt"]["encoding"] == "UTF-16LE"
assert inputs[b"boxed.txt"]["missing_glyphs"] == 1 and inputs[b"wide.txt"]["missing_glyphs"] == 0
assert inputs[b"book.txt"]["headings"] == 2 and inputs[b"wide.txt"]["headings"] == 0
assert inputs[b"missing.txt"]["headings"] is None
)";
    CommandRun parsed
        = CommandRun::run("python3 -c " + shellQuote(check) + " " + quoted("out"), run.out);
    EXPECT_EQ(parsed.exitCode, 0) << parsed.err << run.out;
    EXPECT_EQ(PdfReadback::lines(dir.file("out/wide.pdf")), std::vector<std::string>{"你好"});
    EXPECT_EQ(PdfReadback::lines(dir.file("out/marked.pdf")), std::vector<std::string>{"你"})
        << "the byte-order mark is no character of the text";
}

// A name may hold whatever a file name can: a quote, a backslash, control
// characters and bytes that are not UTF-8, encoded surrogates among them.
// Each line stays strict JSON in UTF-8 that gives the name back byte for
// byte, and counts the pages and bytes of its PDF as they are.
TEST_F(BatchFlagsTest, ReportNamesAnyPathAndCountsItsPdf)
{
    const std::string odd = "q\"b\\s\x1f"
                            "d\x7f"
                            "e\xed\xa0\x80.txt";
    std::string text;
    for (int line = 0; line < 100; ++line)
        text += "line " + std::to_string(line) + "\n";
    dir.write("in/" + odd, text);
    CommandRun run = convert("out", "--report - " + quoted("in/" + odd));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string check = R"(
import json, os, subprocess, sys
record, = [json.loads(line) for line in sys.stdin.buffer.read().decode("utf-8").splitlines()]
name = os.path.basename(os.fsencode(record["input"]))
assert name == b"q\"b\\s\x1fd\x7fe\xed\xa0\x80.txt", name
pdf = os.fsencode(record["output"])
pages = int(subprocess.run(["qpdf", "--show-npages", pdf], capture_output=True).stdout)
assert pages > 1 and record["pages"] == pages, (record["pages"], pages)
assert record["bytes"] == os.path.getsize(pdf), record["bytes"]
)";
    CommandRun parsed = CommandRun::run("python3 -c " + shellQuote(check), run.out);
    EXPECT_EQ(parsed.exitCode, 0) << parsed.err << run.out;
}

// As cp -u judges it: a PDF of the very instant of its input is up to date,
// one a nanosecond older is not, and a PDF later in its second but a
// second earlier is older. Such a skip says nothing; only a name taken by
// another file is warned of.
TEST_F(BatchFlagsTest, UpdateDecidesAtTheExactInstantAndWarnsOnlyOfTakenNames)
{
    const std::string input = dir.write("in/x.txt", "text");
    const std::string pdf = dir.file("out/x.pdf");
    ASSERT_EQ(convert("out", "-q " + shellQuote(input)).exitCode, 0);
    const auto stamp = [](const std::string &path, time_t seconds, long nanoseconds) {
        const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
        return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
    };
    const struct {
        time_t seconds;
        long nanoseconds;
        bool redone;
    } rows[] = {{1600000000, 500, false}, {1600000000, 499, true}, {1599999999, 600, true}};
    for (const auto &row : rows) {
        ASSERT_TRUE(stamp(input, 1600000000, 500));
        ASSERT_TRUE(stamp(pdf, row.seconds, row.nanoseconds));
        CommandRun run = convert("out", "-u --report - " + shellQuote(input));
        EXPECT_EQ(run.err, "") << row.nanoseconds;
        EXPECT_NE(run.out.find(row.redone ? "\"status\":\"converted\""
                                          : "\"reason\":\"its PDF is at least as new as it\""),
                  std::string::npos)
            << row.seconds << "." << row.nanoseconds << " " << run.out;
    }
    ASSERT_TRUE(stamp(pdf, 1600000000, 500));
    EXPECT_EQ(convert("out", "-u --on-conflict skip " + shellQuote(input)).err, "");
    EXPECT_EQ(convert("out", "--on-conflict skip " + shellQuote(input)).err,
              "tervolan-convert: " + input
                  + ": skipped: its PDF name is taken by an earlier input or a file already "
                    "there ("
                  + pdf + ")\n");
}

// A forced encoding that the file's byte-order mark contradicts, or that
// its bytes are not written in, gave mojibake without a word.
TEST_F(BatchFlagsTest, ForcedEncodingThatTheBytesContradictIsWarnedOf)
{
    dir.write("in/marked.txt", "\xEF\xBB\xBF文");
    dir.write("in/gbk.txt", "\xCE\xC4\xD7\xD6"); // 文字 in GBK
    CommandRun marked = convert("out", "--encoding gb18030 " + quoted("in/marked.txt"));
    EXPECT_EQ(marked.exitCode, 0);
    EXPECT_EQ(marked.err,
              "tervolan-convert: " + dir.file("in/marked.txt")
                  + ": warning: its byte-order mark says UTF-8, but it is read as GB18030 as "
                    "asked\n");
    CommandRun gbk = convert("out", "--encoding utf-8 " + quoted("in/gbk.txt"));
    EXPECT_EQ(gbk.exitCode, 0);
    EXPECT_EQ(gbk.err,
              "tervolan-convert: " + dir.file("in/gbk.txt")
                  + ": warning: 4 invalid UTF-8 bytes, each shown as U+FFFD\n");
}

// Tabs widen a line past what its character count shows: it is measured
// even after a line of as many wide characters.
TEST_F(BatchFlagsTest, ALineWidenedByTabsIsMeasuredAfterAWideOne)
{
    const std::string input = dir.write("tabs.txt", "汉汉汉汉汉\n\t\t\t\t\t\n");
    CommandRun run = convert("out", "--chars-per-line 5 --font-size 36 " + shellQuote(input));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err,
              "tervolan-convert: " + input
                  + ": warning: text runs off the A4 page at font size 36; the largest "
                    "size that fits is 23\n");
}

// Full lines in both files: each would have warned on its own.
TEST_F(BatchFlagsTest, LinesWiderThanThePageAreToldOncePerRunWithTheSizeThatFits)
{
    std::string fullLine;
    for (int i = 0; i < 30; ++i)
        fullLine += "汉";
    const std::string inputs
        = quoted(dir.write("a.txt", fullLine)) + " " + quoted(dir.write("b.txt", fullLine));
    CommandRun run = convert("out", "--chars-per-line 30 --font-size 36 --page-size A4 " + inputs);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err,
              "tervolan-convert: warning: lines of 30 characters at font size 36 run "
              "past the right edge of the A4 page; the largest size that fits is 18\n");
    EXPECT_EQ(convert("out", "--chars-per-line 30 --font-size 18 " + inputs).err, "");
}
