// What --pdfa and --tagged add, and the metadata every PDF carries, read
// back by outside validators and readers.
#include "tests/support/commandrun.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

namespace {

const std::string Convert = std::string(TERVOLAN_BINARY_DIR) + "/bin/tervolan-convert";

// The PDF/A-1b validator of the Debian packages libpdfbox2-java (with its
// preflight jar), libactivation-java and libjaxb-api-java.
const std::string Preflight
    = "LC_ALL=C.UTF-8 java -cp /usr/share/java/preflight.jar:/usr/share/java/pdfbox2.jar:"
      "/usr/share/java/fontbox2.jar:/usr/share/java/xmpbox.jar:"
      "/usr/share/java/commons-logging.jar:/usr/share/java/javax.activation.jar:"
      "/usr/share/java/jaxb-api.jar org.apache.pdfbox.preflight.Validator_A1b ";

class ArchiveOutput : public ::testing::Test {
protected:
    ArchiveOutput() { settings = dir.write("empty.ini", ""); }

    CommandRun convert(const std::string &folder, const std::string &arguments,
                       const std::string &environment = {})
    {
        return CommandRun::run(environment + " " + Convert + " -q --settings "
                               + shellQuote(settings) + " -o " + shellQuote(dir.file(folder)) + " "
                               + arguments);
    }

    // The document's objects in plain text, object streams unpacked.
    std::string objects(const std::string &pdf)
    {
        commandOutput("qpdf --qdf --object-streams=disable " + shellQuote(pdf) + " "
                      + shellQuote(pdf + ".qdf"));
        return readBytes(pdf + ".qdf");
    }

    // 8,200 lines of one hanzi, then one of 8,200 letters: at one
    // character a line and 100 points, 4,101 pages.
    std::string longInput()
    {
        std::string text;
        for (int line = 0; line < 8200; ++line)
            text += "字\n";
        return dir.write("long.txt", text + std::string(8200, 'a') + "\n");
    }

    TempDir dir;
    std::string settings;
};

// Each reader's command for the text of the PDF in $0.
const std::pair<const char *, const char *> Readers[] = {
    {"pdftotext", "pdftotext -enc UTF-8 \"$0\" -"},
    {"mutool", "mutool draw -q -F txt -o - \"$0\""},
    {"pdfminer.six",
     "/usr/bin/python3 -c 'import sys; from pdfminer.high_level import extract_text; "
     "sys.stdout.write(extract_text(sys.argv[1]))' \"$0\""},
    {"pypdf",
     "/usr/bin/python3 -c 'import sys, pypdf; sys.stdout.write(\"\".join(page.extract_text() "
     "for page in pypdf.PdfReader(sys.argv[1]).pages))' \"$0\""},
    {"PDFBox",
     "LC_ALL=C.UTF-8 java -cp /usr/share/java/pdfbox2.jar:/usr/share/java/pdfbox2-tools.jar:"
     "/usr/share/java/fontbox2.jar:/usr/share/java/commons-logging.jar "
     "org.apache.pdfbox.tools.ExtractText -encoding UTF-8 -console \"$0\" 2>/dev/null"},
};

// pdf.js, from npm by scripts/install-deps where Node.js 20 is at hand.
const std::string PdfJsFolder = std::string(TERVOLAN_SOURCE_DIR) + "/.deps/pdfjs";
const std::string PdfJs = "PDFJS_DIR=" + shellQuote(PdfJsFolder) + " node "
    + shellQuote(std::string(TERVOLAN_SOURCE_DIR) + "/tests/support/pdfjstext.mjs") + " ";

// pdf.js leaves format characters such as the joiner U+200D out of the
// text it extracts, whatever the PDF says.
std::string withoutJoiners(std::string text)
{
    for (size_t at; (at = text.find("\u200D")) != std::string::npos;)
        text.erase(at, 3);
    return text;
}

std::string withoutBlanks(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c != ' ' && c != '\n' && c != '\f' && c != '\r' && c != '\t')
            out += c;
    }
    return out;
}

} // namespace

TEST_F(ArchiveOutput, PdfAPassesPreflightWhereTheDefaultOutputDoesNot)
{
    const std::string input
        = dir.write("档案.txt",
                    "天地玄黄，宇宙洪荒。The quick brown fox.\n\n第二行 0123456789\n"
                    "a zero\u200Bwidth space, 😀 and สวัสดี from fallback faces\n");
    ASSERT_EQ(convert("default", shellQuote(input)).exitCode, 0);
    ASSERT_EQ(convert("pdfa", "--pdfa " + shellQuote(input)).exitCode, 0);
    for (const char *folder : {"default", "pdfa"})
        commandOutput("qpdf --check " + shellQuote(dir.file(folder) + "/档案.pdf"));
    const CommandRun valid = CommandRun::run(Preflight + shellQuote(dir.file("pdfa/档案.pdf")));
    EXPECT_EQ(valid.exitCode, 0) << valid.out << valid.err;
    const CommandRun invalid
        = CommandRun::run(Preflight + shellQuote(dir.file("default/档案.pdf")));
    EXPECT_NE(invalid.exitCode, 0) << invalid.out;
}

TEST_F(ArchiveOutput, PdfAWithACharacterNoFaceHasStillPassesAndKeepsTheText)
{
    const std::string input = dir.write("缺字.txt", "前\U000F0000后\n");
    ASSERT_EQ(convert("pdfa", "--pdfa " + shellQuote(input)).exitCode, 0);
    const std::string pdf = dir.file("pdfa/缺字.pdf");
    const CommandRun valid = CommandRun::run(Preflight + shellQuote(pdf));
    EXPECT_EQ(valid.exitCode, 0) << valid.out << valid.err;
    EXPECT_EQ(PdfReadback::lines(pdf), std::vector<std::string>{"前\U000F0000后"});
}

TEST_F(ArchiveOutput, TaggedPdfAPastEveryArrayLimitPassesPreflight)
{
    // PDF/A arrays hold at most 8,191 entries. 8,201 paragraphs, the last
    // of 8,200 pieces, on 4,101 pages (two parent-tree entries each): the
    // Document's kids, the paragraph's and the parent tree each pass it.
    const std::string input = longInput();
    ASSERT_EQ(
        convert("out", "--pdfa --tagged --chars-per-line 1 --font-size 100 " + shellQuote(input))
            .exitCode,
        0);
    const std::string pdf = dir.file("out/long.pdf");
    ASSERT_EQ(PdfReadback::pages(pdf), 4101);
    const CommandRun valid = CommandRun::run(Preflight + shellQuote(pdf));
    EXPECT_EQ(valid.exitCode, 0) << valid.out << valid.err;
}

TEST_F(ArchiveOutput, TaggedPdfGivesBackOneParagraphPerInputLineInOrder)
{
    const std::string input = dir.write("three.txt",
                                        "第一行\nThe second line is long enough "
                                        "to be cut into pieces\n第三行\n");
    ASSERT_EQ(convert("out", "--tagged --chars-per-line 12 " + shellQuote(input)).exitCode, 0);
    EXPECT_EQ(commandOutput("pdfinfo -struct-text " + shellQuote(dir.file("out/three.pdf"))),
              "Document\n"
              "  P (block)\n"
              "    \"第一行\"\n"
              "  P (block)\n"
              "    \"The second \"\n"
              "    \"line is long\"\n"
              "    \"enough to be\"\n"
              "    \"cut into \"\n"
              "    \"pieces\"\n"
              "  P (block)\n"
              "    \"第三行\"\n");
}

TEST_F(ArchiveOutput, TaggedParagraphsInAnotherScriptNameTheirLanguage)
{
    const std::string input = dir.write("语言.txt", "汉语 Chinese\nئۇيغۇر يېزىقى\nབོད་ཡིག\n한국어\n");
    ASSERT_EQ(convert("out", "--tagged " + shellQuote(input)).exitCode, 0);
    const std::string pdf = objects(dir.file("out/语言.pdf"));
    for (const char *language : {"ug", "bo", "ko"})
        EXPECT_NE(pdf.find("/Lang (" + std::string(language) + ")"), std::string::npos) << language;
    size_t count = 0;
    for (size_t at = pdf.find("/Lang ("); at != std::string::npos; at = pdf.find("/Lang (", at + 1))
        ++count;
    EXPECT_EQ(count, 4u) << "the catalog's and three paragraphs'";
}

TEST_F(ArchiveOutput, TitleXmpAndLanguageAgreeAndAreReproducible)
{
    const std::string input = dir.write("报告.final.txt", "文字\n");
    const std::string epoch = "SOURCE_DATE_EPOCH=1700000000";
    for (const char *folder : {"first", "second"})
        ASSERT_EQ(convert(folder, "--pdfa --tagged " + shellQuote(input), epoch).exitCode, 0);
    const std::string first = dir.file("first/报告.pdf");
    EXPECT_EQ(readBytes(first), readBytes(dir.file("second/报告.pdf")));
    EXPECT_EQ(PdfReadback::info(first, "Title"), "报告");
    const std::string xmp = commandOutput("pdfinfo -meta " + shellQuote(first));
    EXPECT_NE(xmp.find("<rdf:li xml:lang=\"x-default\">报告</rdf:li>"), std::string::npos) << xmp;
    EXPECT_NE(xmp.find("<xmp:CreateDate>2023-11-14T22:13:20Z</xmp:CreateDate>"), std::string::npos);
    EXPECT_NE(objects(first).find("/Lang (zh-CN)"), std::string::npos);

    ASSERT_EQ(convert("english", "--lang en " + shellQuote(input)).exitCode, 0);
    EXPECT_NE(objects(dir.file("english/报告.pdf")).find("/Lang (en)"), std::string::npos);

    for (const char *refused : {"-1", "253402300800", "soon"}) {
        const CommandRun run
            = convert("refused", shellQuote(input), std::string("SOURCE_DATE_EPOCH=") + refused);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_NE(run.err.find("SOURCE_DATE_EPOCH \"" + std::string(refused) + "\""),
                  std::string::npos)
            << run.err;
        EXPECT_NE(PdfReadback::info(dir.file("refused/报告.pdf"), "CreationDate"), "");
    }
}

// A name may hold control characters and bytes that are not UTF-8; the
// XMP packet stays XML a parser takes. The dates reach both ends of the
// years the packet can write.
TEST_F(ArchiveOutput, XmpStaysWellFormedAndDatesReachBothEnds)
{
    const std::string input = dir.write("a\x1f"
                                        "b\xff"
                                        "c<d.txt",
                                        "文字\n");
    const struct {
        const char *epoch;
        const char *date;
    } rows[] = {{"0", "1970-01-01T00:00:00Z"}, {"253402300799", "9999-12-31T23:59:59Z"}};
    for (const auto &row : rows) {
        const CommandRun run
            = convert("out", shellQuote(input), std::string("SOURCE_DATE_EPOCH=") + row.epoch);
        EXPECT_EQ(run.err, "");
        const std::string pdf = dir.file("out/a\x1f"
                                         "b\xff"
                                         "c<d.pdf");
        const CommandRun parsed = CommandRun::run(
            "pdfinfo -meta " + shellQuote(pdf)
            + " | python3 -c 'import sys, xml.etree.ElementTree as tree; "
              "root = tree.fromstring(sys.stdin.buffer.read()); "
              "print(\"|\".join(e.text for e in root.iter() if e.tag.endswith(\"}li\") "
              "or e.tag.endswith(\"}CreateDate\")))'");
        EXPECT_EQ(parsed.out, "a b\uFFFDc<d|" + std::string(row.date) + "\n") << parsed.err;
    }
}

// Each page's /StructParents names its entry of the parent tree, whose
// array gives, for each marked piece of the page, the paragraph it belongs
// to; a number tree past 4,095 pages splits into leaves whose /Limits
// hold exactly their keys, and no array passes 8,191 entries.
TEST_F(ArchiveOutput, EveryPageFindsItsMarksInTheParentTree)
{
    const std::string input = longInput();
    ASSERT_EQ(
        convert("out", "--tagged --chars-per-line 1 --font-size 100 " + shellQuote(input)).exitCode,
        0);
    const std::string check = R"(
import json, sys
objects = json.load(sys.stdin)["qpdf"][1]
get = lambda ref: objects["obj:" + ref]["value"]
def arrays(value):
    if isinstance(value, list):
        assert len(value) <= 8191, len(value)
        yield value
        for item in value:
            yield from arrays(item)
    elif isinstance(value, dict):
        for item in value.values():
            yield from arrays(item)
for entry in objects.values():
    for _ in arrays(entry.get("value")):
        pass
root = get(objects["trailer"]["value"]["/Root"])
structure = get(root["/StructTreeRoot"])
entries = {}
def walk(node, top):
    if not top:
        first, last = node["/Limits"]
    keys = []
    if "/Nums" in node:
        nums = node["/Nums"]
        keys = nums[0::2]
        entries.update(zip(nums[0::2], nums[1::2]))
    for kid in node.get("/Kids", []):
        keys += walk(get(kid), False)
    assert keys == sorted(keys) and keys, keys[:3]
    if not top:
        assert (first, last) == (keys[0], keys[-1]), (first, last, keys[0], keys[-1])
    return keys
keys = walk(structure["/ParentTree"], True)
assert keys == list(range(len(keys))) and structure["/ParentTreeNextKey"] == len(keys)
pages = []
def collect(node):
    for kid in get(node)["/Kids"]:
        (pages.append(kid) if get(kid)["/Type"] == "/Page" else collect(kid))
collect(root["/Pages"])
marked = [page for page in pages if "/StructParents" in get(page)]
assert len(marked) == len(keys) > 4095, (len(marked), len(keys))
for page in marked:
    elements = get(entries[get(page)["/StructParents"]])
    for mcid, element in enumerate(elements):
        paragraph = get(element)
        kids = paragraph["/K"]
        if paragraph["/Pg"] == page and mcid in kids:
            continue
        marks = [get(k) if isinstance(k, str) else k for k in kids]
        assert any(isinstance(m, dict) and m["/Pg"] == page and m["/MCID"] == mcid
                   for m in marks), (page, mcid)
)";
    const CommandRun parsed
        = CommandRun::run("qpdf --json=2 --json-key=qpdf " + shellQuote(dir.file("out/long.pdf"))
                          + " | python3 -c " + shellQuote(check));
    EXPECT_EQ(parsed.exitCode, 0) << parsed.err;
}

TEST_F(ArchiveOutput, EveryReaderGetsTheTextBackInEveryMode)
{
    // Codes, cross-reference stream and Unicode maps in the forms every
    // reader takes; clusters of several glyphs (two marks on a letter,
    // Tibetan vowel signs, emoji sequences drawn glyph by glyph) read back
    // whole, their later glyphs adding nothing to the text.
    const std::string text = "中文汉字𠀀 繁體說話 한국어 ひらがなカタカナ café naïve q\u0307\u0323 "
                             "👩\u200D👩\u200D👧 🇯🇵 👍🏽 བོད་ཡིག";
    const std::string input = dir.write("混合.txt", text + "\n");
    for (const auto &[folder, mode] :
         {std::pair{"plain", ""}, std::pair{"tagged", "--tagged"}, std::pair{"pdfa", "--pdfa"}}) {
        ASSERT_EQ(convert(folder, std::string(mode) + " " + shellQuote(input)).exitCode, 0);
        const std::string pdf = dir.file(folder) + "/混合.pdf";
        for (const auto &[reader, command] : Readers) {
            const std::string read
                = commandOutput("sh -c " + shellQuote(command) + " " + shellQuote(pdf));
            EXPECT_EQ(withoutBlanks(read), withoutBlanks(text)) << reader << " " << mode;
        }
        if (std::filesystem::exists(PdfJsFolder + "/node_modules/pdfjs-dist"))
            EXPECT_EQ(withoutBlanks(commandOutput(PdfJs + shellQuote(pdf))),
                      withoutJoiners(withoutBlanks(text)))
                << "pdf.js " << mode;
        else
            std::cout << "pdf.js left out: scripts/install-deps found no Node.js 20\n";
    }
}
