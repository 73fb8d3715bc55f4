#include "cli/commandlineoptions.h"

#include <gtest/gtest.h>

namespace {

struct RefusalRow {
    const char *name;
    std::vector<std::string> arguments;
    const char *message;
};

void PrintTo(const RefusalRow &row, std::ostream *out)
{
    *out << row.name;
}

class CommandLineRefusal : public ::testing::TestWithParam<RefusalRow> {};

} // namespace

// getopt_long's own verdicts come back in the converter's words.
TEST_P(CommandLineRefusal, NamesTheOptionAsBefore)
{
    CommandLineOptions options;
    std::string error;
    EXPECT_FALSE(options.parse(GetParam().arguments, error));
    EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CommandLineRefusal,
    ::testing::Values(
        RefusalRow{"UnknownLetter", {"-qz"}, "unknown option -z"},
        RefusalRow{"UnknownName", {"--bogus", "x"}, "unknown option --bogus"},
        RefusalRow{"AmbiguousName", {"--fo", "x"}, "unknown option --fo"},
        RefusalRow{"LetterWithoutValue", {"x", "-o"}, "option --output-dir needs a value"},
        RefusalRow{"NameWithoutValue", {"--files-from"}, "option --files-from needs a value"},
        RefusalRow{"FlagWithValue", {"--quiet=1"}, "option --quiet takes no value"},
        RefusalRow{
            "NumberOutOfRange", {"-j65"}, "--jobs needs a whole number from 1 to 64, not \"65\""},
        RefusalRow{"ShardPastTheLast",
                   {"--shard", "4/4"},
                   "--shard needs K/N with N from 1 to 1000000 and K from 0 to N-1, not \"4/4\""}),
    [](const ::testing::TestParamInfo<RefusalRow> &row) { return std::string(row.param.name); });

// Inputs keep their order among the options; after "--" and as "-" a dash
// is an input; values come attached, after "=", or as the next word.
TEST(CommandLineOptions, GnuArgumentsKeepInputsInOrder)
{
    CommandLineOptions options;
    std::string error;
    const std::vector<std::string> arguments = {
        "a", "-qrj2", "-", "--output-dir=out", "-T-", "b", "--lang", "en", "--", "-c", "--quiet"};
    ASSERT_TRUE(options.parse(arguments, error)) << error;
    EXPECT_EQ(options.inputs, (std::vector<std::string>{"a", "-", "b", "-c", "--quiet"}));
    EXPECT_TRUE(options.quiet);
    EXPECT_TRUE(options.recursive);
    EXPECT_EQ(options.jobs, 2);
    EXPECT_EQ(options.outputDir, "out");
    EXPECT_EQ(options.filesFrom, std::vector<std::string>{"-"});
    EXPECT_EQ(options.language, "en");
}

// The reader decodes UTF-32 of either byte order, so --encoding names both.
TEST(CommandLineOptions, EncodingTakesUtf32OfEitherByteOrder)
{
    const std::pair<const char *, TextEncoding> rows[]
        = {{"utf-32le", TextEncoding::Utf32LE}, {"UTF-32BE", TextEncoding::Utf32BE}};
    for (const auto &[name, encoding] : rows) {
        CommandLineOptions options;
        std::string error;
        EXPECT_TRUE(options.parse({"--encoding", name, "x"}, error)) << error;
        EXPECT_EQ(options.encoding, encoding) << name;
    }
}
