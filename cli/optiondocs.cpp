#include "cli/optiondocs.h"

#include "cli/commandlineoption.h"

#include <map>
#include <sstream>
#include <type_traits>
#include <variant>
#include <vector>

using Argument = CommandLineOption::Argument;

namespace {

// Where --help's descriptions start, as GNU tools put them.
constexpr size_t HelpColumn = 25;

const std::string OptionMarker = ".\\\" option ";
const std::string OptionsEnd = ".\\\" options end";

std::vector<std::string> linesOf(std::string_view text)
{
    std::vector<std::string> lines;
    size_t from = 0;
    while (from <= text.size()) {
        const size_t end = text.find('\n', from);
        if (end == std::string_view::npos) {
            if (from < text.size())
                lines.emplace_back(text.substr(from));
            break;
        }
        lines.emplace_back(text.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

std::string replaced(std::string text, std::string_view marker, const std::string &by)
{
    for (size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + by.size()))
        text.replace(at, marker.size(), by);
    return text;
}

// "-o, --output-dir DIR", "    --page-numbers[=FORMAT]", "-" for the input.
std::string helpNames(const CommandLineOption &row)
{
    if (!row.isOption())
        return "-";
    std::string names = row.shortName ? std::string{'-', row.shortName, ',', ' '} : "    ";
    names += "--" + std::string(row.longName);
    if (row.argument == Argument::Required)
        names += " " + std::string(row.placeholder);
    else if (row.argument == Argument::Optional)
        names += "[=" + std::string(row.placeholder) + "]";
    return names;
}

// Every "-" as roff wants it in a name, so it is not hyphenated.
std::string roffDashes(std::string_view text)
{
    std::string out;
    for (char c : text)
        out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

// A placeholder in italics, its "|" between alternatives upright.
std::string roffPlaceholder(std::string_view placeholder)
{
    return replaced(roffDashes(placeholder), "|", "\\fR|\\fI");
}

std::string manHeading(const CommandLineOption &row)
{
    if (!row.isOption())
        return ".B \\-";
    const std::string shortName = row.shortName ? "\\-" + roffDashes({&row.shortName, 1}) : "";
    const std::string longName = "\\-\\-" + roffDashes(row.longName);
    const std::string value = roffPlaceholder(row.placeholder);
    switch (row.argument) {
    case Argument::None:
        return shortName.empty() ? ".B " + longName : ".BR " + shortName + " \", \" " + longName;
    case Argument::Required:
        return shortName.empty()
            ? ".BI " + longName + " \" " + value + "\""
            : ".BI " + shortName + " \" " + value + "\\fR, \" " + longName + " \" " + value + "\"";
    case Argument::Optional:
        return (shortName.empty() ? "" : "\\fB" + shortName + "\\fR[\\fI" + value + "\\fR], ")
            + "\\fB" + longName + "\\fR[=\\fI" + value + "\\fR]";
    }
    return {};
}

// The help text as roff: dashes escaped, no line read as a request.
std::string manBodyFromHelp(const CommandLineOption &row)
{
    std::string body;
    for (const std::string &line : linesOf(row.help)) {
        std::string text = roffDashes(replaced(line, "\\", "\\e"));
        if (!text.empty() && (text[0] == '.' || text[0] == '\''))
            text = "\\&" + text;
        body += text + "\n";
    }
    return body;
}

// A number option's range in a written paragraph comes from the bounds the
// check holds the value to, as --help's does: "%RANGE%" becomes "1 to 64".
std::string withRange(std::string paragraph, const CommandLineOption &row)
{
    const int high = std::visit(
        [](const auto &destination) {
            using D = std::decay_t<decltype(destination)>;
            if constexpr (
                std::is_same_v<
                    D,
                    CommandLineOption::Number<
                        int>> || std::is_same_v<D, CommandLineOption::Number<std::optional<int>>>)
                return destination.high;
            return 0;
        },
        row.destination);
    if (high == 0)
        return paragraph;
    return replaced(paragraph, "%RANGE%",
                    std::to_string(CommandLineOption::LowestNumber) + " to "
                        + std::to_string(high));
}

std::string markerName(const CommandLineOption &row)
{
    return row.isOption() ? "--" + std::string(row.longName) : "-";
}

// What --help says around the option list.
const std::string HelpBeforeOptions = R"(Usage: tervolan-convert [OPTION]... [FILE|FOLDER|-]...
Convert plain-text files into PDF documents, one PDF per file, named after
the file up to its first dot and written to the output folder.

Settings start from config.ini, as the window would have them after
start-up (font 宋体 and 30 characters per line at every start); the options
below override them. config.ini is the one beside this program when that
folder can be written or already holds one, else
$XDG_CONFIG_HOME/tervolan/config.ini (~/.config/tervolan/config.ini when
XDG_CONFIG_HOME is unset): the file the window's Settings dialog writes.
Without an output folder the PDFs go to ~/output.

)";
const std::string HelpAfterOptions = R"(
Input files are decoded by their byte-order mark (UTF-8, UTF-16LE,
UTF-16BE, UTF-32LE, UTF-32BE); else a file that is valid UTF-8 is read as
UTF-8, and any other as GB18030 (which reads GBK). Lines end at CR, LF or
CR LF.

The path of every PDF written goes to standard output, one per line; every
input that fails gets one line on standard error naming it and the cause.
Settings that make a full line wider than the page are warned of once,
naming the largest font size that fits.

Exit status:
  0  every input was converted
  1  some inputs failed (the others were converted)
  2  usage error: an unknown option, a bad value, no inputs, a settings
     file that cannot be read, or a report file that cannot be made or
     that is an input, a list of paths or a PDF of the run
)";

} // namespace

std::string OptionDocs::helpList()
{
    std::string list;
    for (const CommandLineOption &row : CommandLineOptions::table()) {
        std::string entry = "  " + helpNames(row);
        if (entry.size() < HelpColumn)
            entry.resize(HelpColumn, ' ');
        else
            entry += "\n" + std::string(HelpColumn, ' ');
        list += entry + replaced(std::string(row.help), "\n", "\n" + std::string(HelpColumn, ' '))
            + "\n";
    }
    return list;
}

std::string OptionDocs::help()
{
    return HelpBeforeOptions + helpList() + HelpAfterOptions;
}

std::optional<std::string> OptionDocs::manPage(std::string_view source, std::string &error)
{
    const std::vector<std::string> lines = linesOf(source);
    std::string page;
    size_t at = 0;
    while (at < lines.size() && lines[at] != ".SH OPTIONS")
        page += lines[at++] + "\n";
    // The section's opening comment stays; the paragraphs are gathered.
    while (at < lines.size() && !lines[at].starts_with(OptionMarker) && lines[at] != OptionsEnd)
        page += lines[at++] + "\n";
    std::map<std::string, std::string> paragraphs;
    std::string *paragraph = nullptr;
    for (; at < lines.size() && lines[at] != OptionsEnd; ++at) {
        if (lines[at].starts_with(OptionMarker)) {
            paragraph = &paragraphs[lines[at].substr(OptionMarker.size())];
            continue;
        }
        *paragraph += lines[at] + "\n";
    }
    if (at == lines.size()) {
        error = "the man page has no OPTIONS section ending in \"" + OptionsEnd + "\"";
        return std::nullopt;
    }
    for (const CommandLineOption &row : CommandLineOptions::table()) {
        auto written = paragraphs.find(markerName(row));
        page += ".TP\n" + manHeading(row) + "\n";
        page
            += written == paragraphs.end() ? manBodyFromHelp(row) : withRange(written->second, row);
        if (written != paragraphs.end())
            paragraphs.erase(written);
    }
    if (!paragraphs.empty()) {
        error = "the man page describes " + paragraphs.begin()->first + ", which is no option";
        return std::nullopt;
    }
    for (++at; at < lines.size(); ++at)
        page += lines[at] + "\n";
    return page;
}

std::string OptionDocs::bashCompletion(std::string_view source)
{
    std::string longNames;
    std::string shortNames;
    std::string withValue;
    for (const CommandLineOption &row : CommandLineOptions::table()) {
        if (!row.isOption())
            continue;
        const std::string name = "--" + std::string(row.longName);
        const std::string letter = row.shortName ? std::string{'-', row.shortName} : "";
        longNames += (longNames.empty() ? "" : " ") + name;
        if (!letter.empty())
            shortNames += " " + letter;
        if (row.argument == Argument::Required)
            withValue
                += (withValue.empty() ? "" : " | ") + (letter.empty() ? "" : letter + " | ") + name;
    }
    std::string text = replaced(std::string(source), "@OPTIONS_WITH_VALUE@", withValue);
    return replaced(text, "@OPTIONS@", longNames + shortNames);
}
