#include "tests/support/commandrun.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <set>

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
