#include "cli/commandlineoptions.h"

#include <getopt.h>

#include <cctype>
#include <charconv>
#include <string_view>

namespace {

// getopt_long's code for each option: its letter where it has one, else a
// number beyond every character.
enum OptionCode : int {
    OutputDir = 'o',
    Recursive = 'r',
    FilesFrom = 'T',
    Jobs = 'j',
    Quiet = 'q',
    Help = 'h',
    Update = 'u',
    NullSeparated = '0',
    Settings = 256,
    PageSize,
    Font,
    FontSize,
    CharsPerLine,
    Lang,
    Author,
    Keywords,
    Version,
    FollowSymlinks,
    OnConflict,
    KeepTree,
    Encoding,
    ShardOption,
    Report,
    PdfA,
    Tagged,
};

// What getopt_long returns for an input in "return in order" mode, and for
// an option that lacks its value when the short options start with ":".
constexpr int InputCode = 1;
constexpr int MissingValueCode = ':';
constexpr int FirstLongOnlyCode = Settings;

constexpr option Options[] = {
    {"settings", required_argument, nullptr, Settings},
    {"output-dir", required_argument, nullptr, OutputDir},
    {"page-size", required_argument, nullptr, PageSize},
    {"font", required_argument, nullptr, Font},
    {"font-size", required_argument, nullptr, FontSize},
    {"chars-per-line", required_argument, nullptr, CharsPerLine},
    {"lang", required_argument, nullptr, Lang},
    {"author", required_argument, nullptr, Author},
    {"keywords", required_argument, nullptr, Keywords},
    {"pdfa", no_argument, nullptr, PdfA},
    {"tagged", no_argument, nullptr, Tagged},
    {"files-from", required_argument, nullptr, FilesFrom},
    {"jobs", required_argument, nullptr, Jobs},
    {"recursive", no_argument, nullptr, Recursive},
    {"follow-symlinks", no_argument, nullptr, FollowSymlinks},
    {"quiet", no_argument, nullptr, Quiet},
    {"help", no_argument, nullptr, Help},
    {"version", no_argument, nullptr, Version},
    {"on-conflict", required_argument, nullptr, OnConflict},
    {"keep-tree", no_argument, nullptr, KeepTree},
    {"update", no_argument, nullptr, Update},
    {"null", no_argument, nullptr, NullSeparated},
    {"encoding", required_argument, nullptr, Encoding},
    {"shard", required_argument, nullptr, ShardOption},
    {"report", required_argument, nullptr, Report},
    {nullptr, 0, nullptr, 0},
};

const option *optionFor(int code)
{
    for (const option &candidate : Options) {
        if (candidate.name && candidate.val == code)
            return &candidate;
    }
    return nullptr;
}

std::string longName(int code)
{
    return optionFor(code)->name;
}

// "-" first: inputs come back in their place among the options, whatever
// POSIXLY_CORRECT says. ":" next: a missing value is told apart from an
// unknown option. Then the letters, from the option table.
const std::string &shortOptions()
{
    static const std::string letters = [] {
        std::string text = "-:";
        for (const option &candidate : Options) {
            if (!candidate.name || candidate.val >= FirstLongOnlyCode)
                continue;
            text += char(candidate.val);
            if (candidate.has_arg == required_argument)
                text += ':';
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
    return R"(Usage: tervolan-convert [OPTION]... [FILE|FOLDER|-]...
Convert plain-text files into PDF documents, one PDF per file, named after
the file up to its first dot and written to the output folder.

Settings start from config.ini, as the window would have them after
start-up (font 宋体 and 30 characters per line at every start); the options
below override them. config.ini is the one beside this program when that
folder can be written or already holds one, else
$XDG_CONFIG_HOME/tervolan/config.ini (~/.config/tervolan/config.ini when
XDG_CONFIG_HOME is unset): the file the window's Settings dialog writes.
Without an output folder the PDFs go to ~/output.

  --settings FILE        read this config.ini instead
  -o, --output-dir DIR   write the PDFs into DIR (created with its parents)
      --page-size SIZE   A3, A4 or A5
      --font NAME        font face: 宋体 (serif), 黑体 (sans) or any installed face
      --font-size N      font size in points (1-500)
      --chars-per-line N break lines after N characters (1-32767)
      --lang zh|en       language of the texts: zh gives 30, en 60 characters
                         per line (--chars-per-line wins over it)
      --author TEXT      author in the document information
      --keywords TEXT    keywords in the document information
      --pdfa             write PDF/A-1b, for archives
      --tagged           write a tagged PDF: one paragraph per input line,
                         for screen readers and reflowing viewers
  -r, --recursive        search folders for text files (*txt), depth first;
                         links to folders inside them are passed over
      --follow-symlinks  with -r, search links to folders as well: each
                         folder once, never /proc, /sys or the like
  -T, --files-from FILE  read input paths from FILE, one per line ("-": stdin)
  -                      read input paths from standard input
  -j, --jobs N           convert N files at once (1-64, default 1); the
                         names are decided first, so they never depend on
                         which file finishes first
      --on-conflict WHAT when inputs, or an input and an existing file, have
                         the same PDF name: overwrite (default: the last
                         input stands), skip (keep the file there, report
                         the input skipped) or rename ("name (2).pdf", ...)
      --keep-tree        with -r, put each PDF at the input's place below the
                         folder given, under the output folder
  -u, --update           skip an input whose PDF is at least as new as it
  -0, --null             paths in -T and - lists end with NUL (find -print0)
      --encoding ENC     auto (default), utf-8, gb18030, utf-16le or utf-16be
      --shard K/N        convert only shard K of N (K from 0 to N-1), chosen
                         by a hash of each path's bytes
      --report FILE      one JSON line per input to FILE ("-": standard
                         output, and the PDF list is not printed)
  -q, --quiet            no progress bar and no list of written files
  -h, --help             show this help and exit
      --version          show the version and exit

Input files are decoded by their byte-order mark (UTF-8, UTF-16LE,
UTF-16BE); else a file that is valid UTF-8 is read as UTF-8, and any other
as GB18030 (which reads GBK). Lines end at CR, LF or CR LF.

The path of every PDF written goes to standard output, one per line; every
input that fails gets one line on standard error naming it and the cause.
Settings that make a full line wider than the page are warned of once,
naming the largest font size that fits.

Exit status:
  0  every input was converted
  1  some inputs failed (the others were converted)
  2  usage error: an unknown option, a bad value, no inputs, a settings
     file that cannot be read, or a report file that cannot be made
)";
}

std::vector<std::string> CommandLineOptions::longNames()
{
    std::vector<std::string> names;
    for (const option &candidate : Options) {
        if (candidate.name)
            names.push_back(candidate.name);
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
    while ((code = getopt_long(argc, argv.data(), shortOptions().c_str(), Options, nullptr))
           != -1) {
        if (code == '?') {
            error = refusal(optopt, argv[optind - 1]);
            return false;
        }
        if (code == MissingValueCode) {
            error = "option --" + longName(optopt) + " needs a value";
            return false;
        }
        if (!take(code, optarg, error))
            return false;
    }
    // Whatever follows "--" is an input, even when it starts with a dash.
    for (int i = optind; i < argc; ++i)
        inputs.push_back(argv[i]);
    return true;
}

bool CommandLineOptions::take(int code, const char *value, std::string &error)
{
    switch (code) {
    case InputCode: inputs.push_back(value); return true;
    case Recursive: recursive = true; return true;
    case FollowSymlinks: followSymlinks = true; return true;
    case PdfA: pdfA = true; return true;
    case Tagged: tagged = true; return true;
    case Quiet: quiet = true; return true;
    case Help: help = true; return true;
    case Version: version = true; return true;
    case KeepTree: keepTree = true; return true;
    case Update: update = true; return true;
    case NullSeparated: nullSeparated = true; return true;
    default: return takeValue(code, value, error);
    }
}

bool CommandLineOptions::takeValue(int code, const std::string &value, std::string &error)
{
    switch (code) {
    case Settings: settingsFile = value; return true;
    case OutputDir: outputDir = value; return true;
    case Font: fontName = value; return true;
    case Author: author = value; return true;
    case Keywords: keywords = value; return true;
    case FilesFrom: filesFrom.push_back(value); return true;
    case Report: reportFile = value; return true;
    case OnConflict: return takeConflictPolicy(value, error);
    case Encoding: return takeEncoding(value, error);
    case ShardOption: return takeShard(value, error);
    case PageSize: return takePageSize(value, error);
    case Lang: return takeLanguage(value, error);
    case FontSize: return takeNumber(code, value, MaxFontSize, fontSize, error);
    case CharsPerLine: return takeNumber(code, value, MaxCharsPerLine, charsPerLine, error);
    case Jobs: {
        std::optional<int> number;
        if (!takeNumber(code, value, MaxJobs, number, error))
            return false;
        jobs = *number;
        return true;
    }
    default: return true;
    }
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
    error = "--encoding must be auto, utf-8, gb18030, utf-16le or utf-16be, not \"" + value + "\"";
    return false;
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

bool CommandLineOptions::takeNumber(int code, const std::string &value, int high,
                                    std::optional<int> &target, std::string &error)
{
    int number = 0;
    if (!toNumber(value, 1, high, number)) {
        error = "--" + longName(code) + " needs a whole number from 1 to " + std::to_string(high)
            + ", not \"" + value + "\"";
        return false;
    }
    target = number;
    return true;
}
