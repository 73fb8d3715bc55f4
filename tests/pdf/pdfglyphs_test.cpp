// Glyph codes, Unicode maps and line placement of the pages the writer
// makes itself: every character must come back from pdftotext exactly,
// wherever its glyph id and whatever the font lacks.
#include "pdftestsupport.h"

#include "pdf/tervolanpdf.h"
#include "tests/support/commandrun.h"
#include "tests/support/pdfreadback.h"
#include "tests/support/tempdir.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

using namespace pdftest;

namespace {

std::string utf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
        out += {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    } else {
        out += {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)),
                char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    }
    return out;
}

struct Word {
    double xMin, yMin, xMax;
    std::string text;
};

// Words with their boxes in points, from pdftotext -bbox.
std::vector<Word> words(const std::string &pdf)
{
    const std::string html = commandOutput("pdftotext -bbox '" + pdf + "' -");
    const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Word> found;
    for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it)
        found.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), (*it)[4]});
    return found;
}

} // namespace

TEST(PdfGlyphs, EveryByteOfAGlyphCodeSurvivesTheStringSyntax)
{
    // Two thousand consecutive hanzi have glyph ids whose bytes take every
    // value, the string delimiters, backslash and line ends among them.
    TempDir folder;
    const std::string output = folder.file("bytes");
    const int box = beginDocument(output);
    std::vector<std::string> expected;
    for (int line = 0; line < 64; ++line) {
        if (line == 32) {
            ASSERT_EQ(NewPage(box), 0) << lastError();
        }
        std::string text;
        for (char32_t column = 0; column < 32; ++column)
            text += utf8(0x4E00 + line * 32 + column);
        ASSERT_EQ(TextOut(box, 100, 100 + 80 * (line % 32), text.c_str()), 0) << lastError();
        expected.push_back(text);
    }
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    commandOutput("qpdf --check '" + output + ".pdf'");
    std::vector<std::string> got = PdfReadback::lines(output + ".pdf", /*page*/ 1);
    const std::vector<std::string> second = PdfReadback::lines(output + ".pdf", /*page*/ 2);
    got.insert(got.end(), second.begin(), second.end());
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << "line " << i;
    // qpdf reads a bare carriage return in a string as a line feed, as the
    // syntax has it: its rewrite of the file reads back the same.
    commandOutput("qpdf --qdf '" + output + ".pdf' '" + output + ".rewritten.pdf'");
    EXPECT_EQ(PdfReadback::lines(output + ".rewritten.pdf", /*page*/ 1),
              std::vector<std::string>(expected.begin(), expected.begin() + 32));

    // The Unicode map of the 2,049 codes (the overflow code 0 among them)
    // comes in sections of at most 100 entries, each holding as many as it
    // declares; the codes are the CIDs, so no encoding CMap is embedded.
    commandOutput("qpdf --qdf --object-streams=disable '" + output + ".pdf' '" + output + ".qdf'");
    std::istringstream qdf(readBytes(output + ".qdf"));
    const std::regex begin(R"(^(\d+) begin(cidchar|bfchar)$)");
    std::string line;
    std::smatch match;
    int sections = 0;
    while (std::getline(qdf, line)) {
        if (!std::regex_match(line, match, begin))
            continue;
        ++sections;
        const int declared = std::stoi(match[1]);
        EXPECT_LE(declared, 100);
        int entries = 0;
        while (std::getline(qdf, line) && !line.starts_with("end"))
            ++entries;
        EXPECT_EQ(entries, declared);
    }
    EXPECT_EQ(sections, 21);
}

TEST(PdfGlyphs, CharactersSharingOneGlyphOrMissingReadBackExactly)
{
    // The font draws a Kangxi radical with the glyph of its hanzi, and
    // every character it lacks with one empty box; the text must still
    // tell them apart, each character having its own code. (pdftotext
    // finds no blank between two missing
    // characters, whoever wrote the file, so none stands there.)
    TempDir folder;
    const std::string output = folder.file("shared");
    const int box = beginDocument(output);
    const std::vector<std::string> lines = {
        "一⼀一⼀ 人⼈人",
        "😀ก𓀀😀ก missing",
        "⼀😀一",
    };
    int y = 100;
    for (const std::string &line : lines) {
        ASSERT_EQ(TextOut(box, 100, y, line.c_str()), 0) << lastError();
        y += 80;
    }
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"), lines);
}

TEST(PdfGlyphs, EveryScriptShowsItsGlyphsAndReadsBackAlikeInEveryReader)
{
    // Characters the Chinese face lacks come from other installed faces;
    // joiners, a byte order mark and variation selectors show nothing;
    // "——" is one glyph; marks, jamo, Thai and Arabic are shaped. Both
    // readers must give the text back, though one keys it by glyph: NBSP
    // and the space, 〜 and ～, share a glyph in the face. Only the
    // private-use character has no glyph anywhere. (Arabic stands last:
    // poppler moves a blank that follows it in front of it.)
    TempDir folder;
    const std::string output = folder.file("scripts");
    const int box = beginDocument(output);
    const std::vector<std::string> lines = {
        "中文 Latin ——破折号 😀 𠀀 cafe\u0301 zero\u200Bwidth",
        "读书笔记〜 ～ a\u00A0b \u1100\u1161\u11A8 bom\uFEFFmid 葛\U000E0100 \U0010FFFD",
        "สวัสดีครับ end of the line مرحبا بالعالم",
    };
    int y = 100;
    for (const std::string &line : lines) {
        ASSERT_EQ(TextOut(box, 100, y, line.c_str()), 0) << lastError();
        y += 80;
    }
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(GetNumProp(box, PDF_MISSING_GLYPH_COUNT), 1);
    EXPECT_EQ(GetNumProp(box, PDF_MISSING_GLYPH), 0x10FFFD);

    // Both readers give a no-break space back as a blank, whoever wrote
    // the file; poppler marks right-to-left text with embedding controls.
    std::vector<std::string> expected = lines;
    expected[1].replace(expected[1].find("\u00A0"), 2, " ");
    std::vector<std::string> popplerLines = PdfReadback::lines(output + ".pdf");
    for (std::string &line : popplerLines) {
        for (const char *mark : {"\u202A", "\u202B", "\u202C"}) {
            for (size_t at; (at = line.find(mark)) != std::string::npos;)
                line.erase(at, 3);
        }
    }
    EXPECT_EQ(popplerLines, expected);
    std::istringstream mupdf(commandOutput("mutool draw -F txt '" + output + ".pdf' 2>/dev/null"));
    std::vector<std::string> mupdfLines;
    for (std::string line; std::getline(mupdf, line);) {
        if (!line.empty() && line != "\f")
            mupdfLines.push_back(line);
    }
    EXPECT_EQ(mupdfLines, expected);
}

TEST(PdfGlyphs, LinesStandWhereTheyWereDrawnInAnyOrder)
{
    // Lines placed relative to each other must still land on their own
    // coordinates: a regular step, a jump back up, the same line twice, a
    // change of size in between.
    TempDir folder;
    const std::string output = folder.file("places");
    const int box = beginDocument(output);
    struct Placed {
        int x, y, size;
        const char *text;
    };
    const std::vector<Placed> placed = {
        {100, 200, 12, "alpha"}, {100, 260, 12, "beta"}, {100, 320, 12, "gamma"},
        {900, 140, 12, "delta"}, {1500, 140, 20, "eps"}, {100, 2500, 8, "zeta"},
        {2000, 380, 12, "eta"},
    };
    for (const Placed &p : placed) {
        ASSERT_EQ(SetNumProp(box, PDF_FONT_SIZE, p.size), 0);
        ASSERT_EQ(TextOut(box, p.x, p.y, p.text), 0) << lastError();
    }
    ASSERT_EQ(EndDoc(box), 0) << lastError();

    const std::vector<Word> found = words(output + ".pdf");
    ASSERT_EQ(found.size(), placed.size());
    for (const Placed &p : placed) {
        const auto word = std::find_if(found.begin(), found.end(),
                                       [&](const Word &w) { return w.text == p.text; });
        ASSERT_NE(word, found.end()) << p.text;
        // One page unit is 72/254 points; the top of the line is y.
        EXPECT_NEAR(word->xMin, p.x * 72.0 / 254, 1.0) << p.text;
        EXPECT_NEAR(word->yMin, p.y * 72.0 / 254, 1.0) << p.text;
    }
}

TEST(PdfGlyphs, ATabDrawsTheBlanksUpToTheNextStopOfEightColumns)
{
    // Each line with tabs is drawn again with the blanks a text editor
    // would show for them: every word must stand where it does there.
    TempDir folder;
    const std::string output = folder.file("tabs");
    const int box = beginDocument(output);
    const std::vector<std::string> lines = {
        "col1\tcol2",  "col1    col2",      "中文\t列二\tend", "中文      列二      end",
        "abcdefgh\tx", "abcdefgh        x",
    };
    int y = 100;
    for (const std::string &line : lines) {
        ASSERT_EQ(TextOut(box, 100, y, line.c_str()), 0) << lastError();
        y += 80;
    }
    ASSERT_EQ(EndDoc(box), 0) << lastError();

    std::map<std::string, std::vector<double>> starts;
    for (const Word &word : words(output + ".pdf"))
        starts[word.text].push_back(word.xMin);
    ASSERT_EQ(starts.size(), 7u);
    for (const auto &[text, xs] : starts) {
        ASSERT_EQ(xs.size(), 2u) << text;
        EXPECT_NEAR(xs[0], xs[1], 0.01) << text;
    }
}

TEST(PdfGlyphs, ACharacterShapedPerScriptKeepsItsGlyphInLatinAndHanLines)
{
    // The test face draws its fullwidth comma narrow in Latin text and wide
    // in Han text; a document holding both lines needs both glyphs, each
    // with its own width.
    const std::string face = TERVOLAN_SOURCE_DIR "/tests/pdf/data/scriptforms.ttf";
    ASSERT_TRUE(FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8 *>(face.c_str())));
    TempDir folder;
    const std::string output = folder.file("scriptforms");
    const int box = beginDocument(output);
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "Tervolan Script Forms"), 0);
    ASSERT_EQ(SetNumProp(box, PDF_FONT_SIZE, 10), 0);
    ASSERT_EQ(TextOut(box, 100, 100, "A，A"), 0) << lastError();
    ASSERT_EQ(TextOut(box, 100, 200, "中，中"), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();

    const std::vector<Word> found = words(output + ".pdf");
    ASSERT_EQ(found.size(), 2u);
    // Advances in thousandths of the 10 pt size: 600 + 500 + 600 and
    // 1000 + 1000 + 1000.
    EXPECT_NEAR(found[0].xMax - found[0].xMin, 17.0, 0.5) << found[0].text;
    EXPECT_NEAR(found[1].xMax - found[1].xMin, 30.0, 0.5) << found[1].text;
}

TEST(PdfGlyphs, ANameKeyedCffFaceIsWrittenSoEveryReaderGetsItsTextBack)
{
    // Readers that know only the standard encodings (pdfminer.six) got no
    // text from such a face's embedded code map, and pypdf U+FFFD.
    const std::string face = TERVOLAN_SOURCE_DIR "/tests/pdf/data/namekeyed.otf";
    ASSERT_TRUE(FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8 *>(face.c_str())));
    TempDir folder;
    const std::string output = folder.file("namekeyed");
    const int box = beginDocument(output);
    ASSERT_EQ(SetStrProp(box, PDF_FONT_NAME, "Tervolan Name Keyed"), 0);
    ASSERT_EQ(TextOut(box, 100, 100, "Aa Bb Cc abc"), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    const std::string pdf = output + ".pdf";

    EXPECT_EQ(commandOutput("/usr/bin/python3 -c 'import sys; from pdfminer.high_level import "
                            "extract_text; sys.stdout.write(extract_text(sys.argv[1]).strip())' '"
                            + pdf + "'"),
              "Aa Bb Cc abc");
    const CommandRun render = CommandRun::run("pdftoppm -r 20 '" + pdf + "' '" + output + "'");
    EXPECT_EQ(render.err, "") << "poppler could not load the embedded face";
}

// A letter and an accent with no precomposed form are two glyphs of one
// cluster: the letter's glyph carries the letter, the accent's the accent.
TEST(PdfGlyphs, AClusterOfTwoGlyphsGivesEachCharacterOnce)
{
    TempDir folder;
    const std::string output = folder.file("accents");
    const int box = beginDocument(output);
    const std::string line = "q\u0301 x\u0302";
    ASSERT_EQ(TextOut(box, 100, 100, line.c_str()), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"), std::vector<std::string>{line});
    // Readers take the cluster whole from its ActualText; in the Unicode
    // map, each glyph still names its own character alone.
    commandOutput("qpdf --qdf --object-streams=disable '" + output + ".pdf' '" + output + ".qdf'");
    const std::string qdf = readBytes(output + ".qdf");
    for (const char *entry : {"> <0071>\n", "> <0301>\n", "> <0078>\n", "> <0302>\n"})
        EXPECT_NE(qdf.find(entry), std::string::npos) << entry;
}

// Twenty characters no face has are drawn with one stand-in glyph, which
// a font can give one text only: past sixteen fonts of the face, the last
// one gives the glyph a code per text instead of a seventeenth font.
TEST(PdfGlyphs, OneGlyphForManyTextsStopsAtSixteenFontsOfItsFace)
{
    TempDir folder;
    const std::string output = folder.file("capped");
    const int box = beginDocument(output);
    std::string line;
    for (char32_t c = 0xF0000; c < 0xF0014; ++c)
        line += "\xF3" + std::string(1, char(0x80 | ((c >> 12) & 0x3F)))
            + char(0x80 | ((c >> 6) & 0x3F)) + char(0x80 | (c & 0x3F));
    ASSERT_EQ(TextOut(box, 100, 100, line.c_str()), 0) << lastError();
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"), std::vector<std::string>{line});
    std::istringstream fonts(commandOutput("pdffonts '" + output + ".pdf'"));
    int count = -2; // the heading's two lines
    for (std::string row; std::getline(fonts, row);)
        ++count;
    EXPECT_EQ(count, 16);
}

TEST(PdfGlyphs, HundredsOfScatteredExtensionBCharactersKeepTheDocument)
{
    // HanaMinB maps its 60,000 characters in a few ranges: a subset of a
    // few hundred scattered ones outgrew what HarfBuzz lets its cmap become,
    // and the whole document was lost. Its 30 MB stay out of the file.
    TempDir folder;
    const std::string output = folder.file("extension-b");
    const int box = beginDocument(output);
    std::vector<std::string> lines;
    for (char32_t line = 0; line < 20; ++line) {
        std::string text;
        for (char32_t column = 0; column < 25; ++column)
            text += utf8(0x20000 + (line * 25 + column) * 80);
        ASSERT_EQ(TextOut(box, 100, 100 + 60 * line, text.c_str()), 0) << lastError();
        lines.push_back(text);
    }
    ASSERT_EQ(EndDoc(box), 0) << lastError();
    EXPECT_EQ(GetNumProp(box, PDF_MISSING_GLYPH_COUNT), 0);
    EXPECT_EQ(PdfReadback::lines(output + ".pdf"), lines);
    EXPECT_LT(std::filesystem::file_size(output + ".pdf"), 2'000'000u);
}
