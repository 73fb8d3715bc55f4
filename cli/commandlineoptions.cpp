#include "cli/commandlineoptions.h"

#include "app/headingdetector.h"
#include "cli/commandlineoption.h"
#include "cli/optiondocs.h"

#include <getopt.h>

#include <cctype>
#include <charconv>
#include <string_view>

using Argument = CommandLineOption::Argument;

namespace {

// A range as --help gives it, from the bounds the check holds a value to.
std::string rangeText(int high)
{
    return std::to_string(CommandLineOption::LowestNumber) + "-" + std::to_string(high);
}

} // namespace

std::span<const CommandLineOption> CommandLineOptions::table()
{
    using O = CommandLineOptions;
    using Positive = CommandLineOption::Number<std::optional<int>>;
    static const std::string FontSizeHelp = "font size in points (" + rangeText(MaxFontSize) + ")";
    static const std::string CharsPerLineHelp
        = "break lines after N characters (" + rangeText(MaxCharsPerLine) + ")";
    static const std::string JobsHelp = "convert N files at once (" + rangeText(MaxJobs)
        + ", default 1); the\n"
          "names are decided first, so they never depend on\n"
          "which file finishes first";
    static const CommandLineOption Rows[] = {
        {0, "settings", Argument::Required, &O::settingsFile, "FILE",
         "read this config.ini instead"},
        {'o', "output-dir", Argument::Required, &O::outputDir, "DIR",
         "write the PDFs into DIR (created with its parents);\n"
         "a Windows drive path (C:\\x) is refused"},
        {0, "page-size", Argument::Required, &O::takePageSize, "SIZE", "A3, A4 or A5"},
        {0, "font", Argument::Required, &O::fontName, "NAME",
         "font face: 宋体 (serif), 黑体 (sans) or any installed face"},
        {0, "font-size", Argument::Required, Positive{&O::fontSize, MaxFontSize}, "N",
         FontSizeHelp},
        {0, "chars-per-line", Argument::Required, Positive{&O::charsPerLine, MaxCharsPerLine}, "N",
         CharsPerLineHelp},
        {0, "punctuation-rules", Argument::None, &O::punctuationRules, "",
         "no line starts with 。，、；：？！”）》」 (they stay\n"
         "on the line before, which grows by them) and none\n"
         "ends with “（《「 (it moves to the next)"},
        {0, "page-numbers", Argument::Optional, &O::pageNumbers, "FORMAT",
         "number the pages at their foot: 第 N 页 (zh), N (en),\n"
         "or FORMAT with {n} the page and {total} the count\n"
         "(--page-numbers='{n} / {total}')"},
        {0, "lang", Argument::Required, &O::takeLanguage, "zh|en",
         "language of the texts: zh gives 30, en 60 characters\n"
         "per line (--chars-per-line wins over it)"},
        {0, "author", Argument::Required, &O::author, "TEXT", "author in the document information"},
        {0, "keywords", Argument::Required, &O::keywords, "TEXT",
         "keywords in the document information"},
        {0, "pdfa", Argument::None, &O::pdfA, "", "write PDF/A-1b, for archives"},
        {0, "tagged", Argument::None, &O::tagged, "",
         "write a tagged PDF: one paragraph per input line,\n"
         "for screen readers and reflowing viewers; chapter\n"
         "headings become H1 (volumes) and H2 elements"},
        {0, "no-outline", Argument::None, &O::noOutline, "",
         "no outline (bookmarks) of the chapter headings\n"
         "(第一章, 卷二, 序章, Chapter 3, ...), which a text\n"
         "with two or more of them gets by default"},
        {0, "outline-pattern", Argument::Required, &O::takeOutlinePattern, "REGEX",
         "headings are the lines (at most 40 characters,\n"
         "blanks trimmed) in which REGEX (ECMAScript syntax)\n"
         "finds a match, instead of the built-in forms"},
        {'r', "recursive", Argument::None, &O::recursive, "",
         "search folders for text files (*txt), depth first;\n"
         "links inside them are passed over and counted"},
        {0, "follow-symlinks", Argument::None, &O::followSymlinks, "",
         "with -r, take links to files and folders as well:\n"
         "each folder once, never /proc, /sys or the like"},
        {'T', "files-from", Argument::Required, &O::filesFrom, "FILE",
         "read input paths from FILE, one per line (\"-\": stdin)"},
        {0, "", Argument::None, {}, "", "read input paths from standard input"},
        {'j', "jobs", Argument::Required, CommandLineOption::Number<int>{&O::jobs, MaxJobs}, "N",
         JobsHelp},
        {0, "on-conflict", Argument::Required, &O::takeConflictPolicy, "WHAT",
         "when inputs, or an input and an existing file, have\n"
         "the same PDF name: overwrite (default: the last\n"
         "input stands), skip (keep the file there, report\n"
         "the input skipped) or rename (\"name (2).pdf\", ...)"},
        {0, "keep-tree", Argument::None, &O::keepTree, "",
         "with -r, put each PDF at the input's place below the\n"
         "folder given, under the output folder"},
        {'u', "update", Argument::None, &O::update, "",
         "skip an input whose PDF is at least as new as it"},
        {'0', "null", Argument::None, &O::nullSeparated, "",
         "paths in -T and - lists end with NUL (find -print0)"},
        {0, "encoding", Argument::Required, &O::takeEncoding, "ENC",
         "auto (default), utf-8, gb18030, utf-16le, utf-16be,\n"
         "utf-32le or utf-32be"},
        {0, "shard", Argument::Required, &O::takeShard, "K/N",
         "convert only shard K of N (K from 0 to N-1), chosen\n"
         "by a hash of each path's bytes"},
        {0, "report", Argument::Required, &O::reportFile, "FILE",
         "one JSON line per input to FILE (\"-\": standard\n"
         "output, and the PDF list is not printed)"},
        {'q', "quiet", Argument::None, &O::quiet, "",
         "no progress bar and no list of written files"},
        {'h', "help", Argument::None, &O::help, "", "show this help and exit"},
        {0, "version", Argument::None, &O::version, "", "show the version and exit"},
    };
    return Rows;
}

namespace {

// What getopt_long returns for an input in "return in order" mode, and for
// an option that lacks its value when the short options start with ":".
constexpr int InputCode = 1;
constexpr int MissingValueCode = ':';
// getopt_long's code for an option without a letter: a number beyond
// every character.
constexpr int FirstLongOnlyCode = 256;

int codeOf(const CommandLineOption &row)
{
    const std::span<const CommandLineOption> rows = CommandLineOptions::table();
    return row.shortName ? row.shortName : FirstLongOnlyCode + int(&row - rows.data());
}

const CommandLineOption *optionFor(int code)
{
    for (const CommandLineOption &row : CommandLineOptions::table()) {
        if (row.isOption() && codeOf(row) == code)
            return &row;
    }
    return nullptr;
}

std::string longName(int code)
{
    return std::string(optionFor(code)->longName);
}

int hasArgument(Argument argument)
{
    switch (argument) {
    case Argument::None: return no_argument;
    case Argument::Required: return required_argument;
    case Argument::Optional: return optional_argument;
    }
    return no_argument;
}

// getopt_long's table, from the rows. The names point into string
// literals, so they end with NUL.
const option *longOptions()
{
    static const std::vector<option> options = [] {
        std::vector<option> table;
        for (const CommandLineOption &row : CommandLineOptions::table()) {
            if (row.isOption())
                table.push_back(
                    {row.longName.data(), hasArgument(row.argument), nullptr, codeOf(row)});
        }
        table.push_back({nullptr, 0, nullptr, 0});
        return table;
    }();
    return options.data();
}

// "-" first: inputs come back in their place among the options, whatever
// POSIXLY_CORRECT says. ":" next: a missing value is told apart from an
// unknown option. Then the letters, from the option table.
const std::string &shortOptions()
{
    static const std::string letters = [] {
        std::string text = "-:";
        for (const CommandLineOption &row : CommandLineOptions::table()) {
            if (!row.shortName)
                continue;
            text += row.shortName;
            if (row.argument == Argument::Required)
                text += ':';
            else if (row.argument == Argument::Optional)
                text += "::";
        }
        return text;
    }();
    return letters;
}

bool toNumber(const std::string &text, int low, int high, int &value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= low
        && value <= high;
}

template <typename Target>
bool takeNumber(CommandLineOptions &options, const CommandLineOption &row,
                CommandLineOption::Number<Target> number, const std::string &value,
                std::string &error)
{
    int whole = 0;
    if (!toNumber(value, CommandLineOption::LowestNumber, number.high, whole)) {
        error = "--" + std::string(row.longName) + " needs a whole number from "
            + std::to_string(CommandLineOption::LowestNumber) + " to " + std::to_string(number.high)
            + ", not \"" + value + "\"";
        return false;
    }
    options.*number.target = whole;
    return true;
}

// getopt_long's verdict on argument as a usage message: an unknown or
// ambiguous option, or a flag given a value.
std::string refusal(int optionCode, const char *argument)
{
    if (optionFor(optionCode))
        return "option --" + longName(optionCode) + " takes no value";
    // getopt names an unknown letter; an unknown long name it leaves to be
    // read from the argument it skipped.
    if (optionCode != 0)
        return "unknown option -" + std::string(1, char(optionCode));
    // An unknown name given a value was always refused as a flag with one.
    const std::string_view text = argument;
    const size_t equals = text.find('=');
    const std::string name(text.substr(2, equals - 2));
    if (equals != std::string_view::npos)
        return "option --" + name + " takes no value";
    return "unknown option --" + name;
}

} // namespace

const char *CommandLineOptions::helpText()
{
    static const std::string text = OptionDocs::help();
    return text.c_str();
}

std::vector<std::string> CommandLineOptions::longNames()
{
    std::vector<std::string> names;
    for (const CommandLineOption &row : table()) {
        if (row.isOption())
            names.emplace_back(row.longName);
    }
    return names;
}

bool CommandLineOptions::parse(const std::vector<std::string> &arguments, std::string &error)
{
    // getopt_long wants a writable argv with the program's name first.
    std::vector<std::string> words = {"tervolan-convert"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = int(words.size());

    // optind 0 starts getopt afresh; opterr 0 leaves the messages to us.
    optind = 0;
    opterr = 0;
    int code = 0;
    while ((code = getopt_long(argc, argv.data(), shortOptions().c_str(), longOptions(), nullptr))
           != -1) {
        if (code == '?') {
            error = refusal(optopt, argv[optind - 1]);
            return false;
        }
        if (code == MissingValueCode) {
            error = "option --" + longName(optopt) + " needs a value";
            return false;
        }
        if (code == InputCode)
            inputs.push_back(optarg);
        else if (!take(*optionFor(code), optarg, error))
            return false;
    }
    // Whatever follows "--" is an input, even when it starts with a dash.
    for (int i = optind; i < argc; ++i)
        inputs.push_back(argv[i]);
    return true;
}

// An optional value that was not given reaches its destination as "".
bool CommandLineOptions::take(const CommandLineOption &row, const char *given, std::string &error)
{
    using Flag = bool CommandLineOptions::*;
    using Text = std::optional<std::string> CommandLineOptions::*;
    using List = std::vector<std::string> CommandLineOptions::*;
    const std::string value = given ? given : "";
    const CommandLineOption::Destination &destination = row.destination;
    if (const Flag *flag = std::get_if<Flag>(&destination))
        this->**flag = true;
    else if (const Text *text = std::get_if<Text>(&destination))
        this->**text = value;
    else if (const List *list = std::get_if<List>(&destination))
        (this->**list).push_back(value);
    else if (auto *count = std::get_if<CommandLineOption::Number<int>>(&destination))
        return takeNumber(*this, row, *count, value, error);
    else if (auto *size = std::get_if<CommandLineOption::Number<std::optional<int>>>(&destination))
        return takeNumber(*this, row, *size, value, error);
    else if (auto *check = std::get_if<CommandLineOption::Check>(&destination))
        return (this->**check)(value, error);
    return true;
}

bool CommandLineOptions::takePageSize(const std::string &value, std::string &error)
{
    std::string size = value;
    if (size.size() == 2 && (size[0] == 'a' || size[0] == 'A'))
        size[0] = 'A';
    if (size != "A3" && size != "A4" && size != "A5") {
        error = "page size must be A3, A4 or A5, not \"" + value + "\"";
        return false;
    }
    pageSize = size;
    return true;
}

bool CommandLineOptions::takeLanguage(const std::string &value, std::string &error)
{
    if (value != "zh" && value != "en") {
        error = "--lang must be zh or en, not \"" + value + "\"";
        return false;
    }
    language = value;
    return true;
}

bool CommandLineOptions::takeConflictPolicy(const std::string &value, std::string &error)
{
    if (value == "overwrite")
        onConflict = ConflictPolicy::Overwrite;
    else if (value == "skip")
        onConflict = ConflictPolicy::Skip;
    else if (value == "rename")
        onConflict = ConflictPolicy::Rename;
    else {
        error = "--on-conflict must be overwrite, skip or rename, not \"" + value + "\"";
        return false;
    }
    return true;
}

bool CommandLineOptions::takeEncoding(const std::string &value, std::string &error)
{
    static const std::pair<const char *, std::optional<TextEncoding>> Names[] = {
        {"auto", std::nullopt},
        {"utf-8", TextEncoding::Utf8},
        {"gb18030", TextEncoding::Gb18030},
        {"utf-16le", TextEncoding::Utf16LE},
        {"utf-16be", TextEncoding::Utf16BE},
        {"utf-32le", TextEncoding::Utf32LE},
        {"utf-32be", TextEncoding::Utf32BE},
    };
    std::string lower = value;
    for (char &c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const auto &[name, named] : Names) {
        if (lower == name) {
            encoding = named;
            return true;
        }
    }
    error = "--encoding must be auto, utf-8, gb18030, utf-16le, utf-16be, utf-32le or "
            "utf-32be, not \""
        + value + "\"";
    return false;
}

bool CommandLineOptions::takeOutlinePattern(const std::string &value, std::string &error)
{
    if (const std::string problem = HeadingDetector::patternError(value); !problem.empty()) {
        error = "--outline-pattern \"" + value + "\" is no regular expression: " + problem;
        return false;
    }
    outlinePattern = value;
    return true;
}

// "K/N": shard K of N, K counted from 0 as array and index variables are.
bool CommandLineOptions::takeShard(const std::string &value, std::string &error)
{
    const size_t slash = value.find('/');
    int index = 0;
    int count = 0;
    if (slash == std::string::npos || !toNumber(value.substr(slash + 1), 1, MaxShards, count)
        || !toNumber(value.substr(0, slash), 0, count - 1, index)) {
        error = "--shard needs K/N with N from 1 to " + std::to_string(MaxShards)
            + " and K from 0 to N-1, not \"" + value + "\"";
        return false;
    }
    shard = Shard{index, count};
    return true;
}
