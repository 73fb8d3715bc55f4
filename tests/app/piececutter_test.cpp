#include "app/piececutter.h"

#include "tests/support/stringsource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Output {
    std::u32string text;
    bool isPiece;
    bool operator==(const Output &) const = default;
};

std::vector<Output> cut(const std::u32string &text, int charsPerLine)
{
    StringSource source(text);
    PieceCutter cutter(source, charsPerLine);
    std::vector<Output> outputs;
    while (cutter.nextLine()) {
        std::u32string_view line;
        bool isPiece;
        while (cutter.nextOutput(line, isPiece))
            outputs.push_back({std::u32string(line), isPiece});
    }
    return outputs;
}

std::vector<std::u32string> texts(const std::vector<Output> &outputs)
{
    std::vector<std::u32string> result;
    for (const Output &output : outputs)
        result.push_back(output.text);
    return result;
}

using Lines = std::vector<std::u32string>;

} // namespace

TEST(PieceCutter, BreaksAtBlanksAsTheExamplesShow)
{
    EXPECT_EQ(texts(cut(U"aaaa bbbb cccc dddd", 10)), (Lines{U"aaaa bbbb ", U"cccc dddd"}));
    EXPECT_EQ(texts(cut(U"aaaa bbbbbb cc", 10)), (Lines{U"aaaa ", U"bbbbbb cc"}));
    EXPECT_EQ(texts(cut(U"aaaaaaaaaa bbb", 10)), (Lines{U"aaaaaaaaaa", U"bbb"}));
}

TEST(PieceCutter, ChineseWithoutBlanksBreaksHard)
{
    std::u32string text;
    for (int i = 0; i < 25; ++i)
        text += U'字';
    EXPECT_EQ(
        texts(cut(text, 10)),
        (Lines{std::u32string(10, U'字'), std::u32string(10, U'字'), std::u32string(5, U'字')}));
}

TEST(PieceCutter, OnlyPiecesCutFromALongerRestCountForProgress)
{
    EXPECT_EQ(cut(U"aaaaaaaaaa bbb", 10),
              (std::vector<Output>{{U"aaaaaaaaaa", true}, {U"bbb", false}}));
    EXPECT_EQ(cut(U"short", 10), (std::vector<Output>{{U"short", false}}));
}

TEST(PieceCutter, EdgesOfTheLimit)
{
    // Exactly N characters is one line; one more makes a piece.
    EXPECT_EQ(texts(cut(U"abcdefghij", 10)), (Lines{U"abcdefghij"}));
    EXPECT_EQ(texts(cut(U"abcdefghijk", 10)), (Lines{U"abcdefghij", U"k"}));
    // A long line whose only blank is its first character.
    EXPECT_EQ(texts(cut(U" bcdefghijkl", 10)), (Lines{U" ", U"bcdefghijk", U"l"}));
    // Character N+1 is the last one and a blank: the piece, then an empty line.
    EXPECT_EQ(texts(cut(U"abcdefghij ", 10)), (Lines{U"abcdefghij", U""}));
}

TEST(PieceCutter, LinesEndAtCrCrLfAndLf)
{
    EXPECT_EQ(texts(cut(U"a\r\nb\rc\nd", 10)), (Lines{U"a", U"b", U"c", U"d"}));
    // Blank lines keep their place; a final line end adds no line.
    EXPECT_EQ(texts(cut(U"a\r\n\r\nb\r\n", 10)), (Lines{U"a", U"", U"b"}));
    EXPECT_TRUE(cut(U"", 10).empty());
}

TEST(PieceCutter, LimitBelowOneCountsAsOne)
{
    EXPECT_EQ(texts(cut(U"abc", 0)), (Lines{U"a", U"b", U"c"}));
    EXPECT_EQ(texts(cut(U"ab", -5)), (Lines{U"a", U"b"}));
}

TEST(PieceCutter, HugeLineIsCutWithoutHoldingIt)
{
    // Two million characters with blanks now and then: every piece obeys
    // the limit and nothing is lost.
    std::u32string text;
    for (int i = 0; i < 2000000; ++i)
        text += i % 7 == 6 ? U' ' : U'x';
    StringSource source(text);
    PieceCutter cutter(source, 30);
    ASSERT_TRUE(cutter.nextLine());
    std::u32string_view line;
    bool isPiece;
    size_t characters = 0;
    size_t droppedBlanks = 0;
    while (cutter.nextOutput(line, isPiece)) {
        ASSERT_LE(line.size(), 30u);
        characters += line.size();
        if (isPiece && line.size() == 30)
            ++droppedBlanks;
    }
    EXPECT_EQ(characters + droppedBlanks, text.size());
}

// A cut after N characters split a letter from its accent, an emoji from
// its skin tone or the halves of a flag: the next line began with the
// mark, which shows alone or as a box.
TEST(PieceCutter, CutsNeverSplitAGraphemeCluster)
{
    const struct Row {
        const char *name;
        std::u32string text;
        int charsPerLine;
        Lines lines;
    } rows[] = {
        {"combining acute", U"abcde\u0301fg", 5, {U"abcd", U"e\u0301fg"}},
        {"variation selector", U"abcd\u2268\uFE00", 5, {U"abcd", U"\u2268\uFE00"}},
        {"ideographic variation", U"abcd辻\U000E0100", 5, {U"abcd", U"辻\U000E0100"}},
        {"skin tone", U"abcd\U0001F44D\U0001F3FD", 5, {U"abcd", U"\U0001F44D\U0001F3FD"}},
        {"flag", U"abcd\U0001F1E8\U0001F1F3", 5, {U"abcd", U"\U0001F1E8\U0001F1F3"}},
        {"flags pair from the start",
         U"\U0001F1E8\U0001F1F3\U0001F1E8\U0001F1F3",
         3,
         {U"\U0001F1E8\U0001F1F3", U"\U0001F1E8\U0001F1F3"}},
        {"joined emoji",
         U"abcd\U0001F468\u200D\U0001F469",
         6,
         {U"abcd", U"\U0001F468\u200D\U0001F469"}},
        {"Thai vowel sign", U"abcdก\u0E34", 5, {U"abcd", U"ก\u0E34"}},
        {"Tibetan vowel sign", U"abcdཀ\u0F72", 5, {U"abcd", U"ཀ\u0F72"}},
        {"cluster starts the piece", U"e\u0301\u0301\u0301x", 2, {U"e\u0301\u0301\u0301", U"x"}},
        {"cluster is the whole rest", U"ab\u0301", 1, {U"a", U"b\u0301"}},
        {"blank cut keeps its blank", U"ab cde\u0301", 5, {U"ab ", U"cde\u0301"}},
        {"Han and ASCII as before", U"中文字abc", 2, {U"中文", U"字a", U"bc"}},
        {"Devanagari spacing mark", U"abcd\u0915\u093F", 5, {U"abcd", U"\u0915\u093F"}},
        {"skin tone before a joiner",
         U"abcd\U0001F468\U0001F3FD\u200D\U0001F33E",
         7,
         {U"abcd", U"\U0001F468\U0001F3FD\u200D\U0001F33E"}},
        {"Hangul syllable with a final takes no vowel",
         U"abcd\uAC1B\u1161",
         5,
         {U"abcd\uAC1B", U"\u1161"}},
        {"Hangul syllable without a final takes a vowel",
         U"abcd\uAC1C\u1161",
         5,
         {U"abcd", U"\uAC1C\u1161"}},
        {"two trailing jamo", U"abcd\uAC00\u11A8\u11A8", 6, {U"abcd", U"\uAC00\u11A8\u11A8"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(texts(cut(row.text, row.charsPerLine)), row.lines) << row.name;
}

struct PunctuationCase {
    const char32_t *text;
    int charsPerLine;
    Lines lines;
};

class PunctuationRules : public ::testing::TestWithParam<PunctuationCase> {};

// The cut with 避头尾: closing marks join the line before, opening marks
// go to the next, and nothing else moves.
TEST_P(PunctuationRules, KeepMarksOffTheWrongEndOfALine)
{
    StringSource source(GetParam().text);
    PieceCutter cutter(source, GetParam().charsPerLine, /*punctuationRules*/ true);
    Lines lines;
    while (cutter.nextLine()) {
        std::u32string_view line;
        bool isPiece;
        while (cutter.nextOutput(line, isPiece))
            lines.emplace_back(line);
    }
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PunctuationRules,
    ::testing::Values(PunctuationCase{U"一二三。四五六", 3, {U"一二三。", U"四五六"}},
                      PunctuationCase{U"一二三」。四五", 3, {U"一二三」。", U"四五"}},
                      PunctuationCase{U"一二三」。", 3, {U"一二三」。"}},
                      PunctuationCase{U"一二“三四五", 3, {U"一二", U"“三四", U"五"}},
                      PunctuationCase{U"一“《三四五", 3, {U"一", U"“《三", U"四五"}},
                      PunctuationCase{U"。。。。。", 2, {U"。。。。。"}},
                      PunctuationCase{U"“““““", 2, {U"““", U"““", U"“"}},
                      PunctuationCase{U"一二三四", 3, {U"一二三", U"四"}},
                      PunctuationCase{U"ab 。cd", 3, {U"ab ", U"。cd"}}));

TEST(PieceCutter, WithoutPunctuationRulesAMarkMayStartALine)
{
    EXPECT_EQ(texts(cut(U"一二三。四五六", 3)), (Lines{U"一二三", U"。四五", U"六"}));
}
