#include "cli/commandlineoptions.h"

#include <charconv>
#include <map>

namespace {

const std::map<std::string, std::string> &shortNames()
{
    static const std::map<std::string, std::string> names = {
        {"o", "output-dir"}, {"r", "recursive"}, {"T", "files-from"}, {"j", "jobs"},
        {"q", "quiet"},      {"h", "help"}};
    return names;
}

bool toNumber(const std::string &text, int low, int high, int &value)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
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
  -o, --output-dir DIR   write the PDFs into DIR (created if its parent exists)
      --page-size SIZE   A3, A4 or A5
      --font NAME        font face: 宋体 (serif), 黑体 (sans) or any installed face
      --font-size N      font size in points (1-500)
      --chars-per-line N break lines after N characters (1-32767)
      --lang zh|en       language of the texts: zh gives 30, en 60 characters
                         per line (--chars-per-line wins over it)
      --author TEXT      author in the document information
      --keywords TEXT    keywords in the document information
  -r, --recursive        search folders for text files (*txt), depth first
  -T, --files-from FILE  read input paths from FILE, one per line ("-": stdin)
  -                      read input paths from standard input
  -j, --jobs N           convert N files at once (1-64, default 1)
  -q, --quiet            no progress bar and no list of written files
  -h, --help             show this help and exit
      --version          show the version and exit

Input files are decoded by their byte-order mark (UTF-8, UTF-16LE,
UTF-16BE); else a file that is valid UTF-8 is read as UTF-8, and any other
as GB18030 (which reads GBK). Lines end at CR, LF or CR LF.

The path of every PDF written goes to standard output, one per line; every
input that fails gets one line on standard error naming it and the cause.

Exit status:
  0  every input was converted
  1  some inputs failed (the others were converted)
  2  usage error: an unknown option, a bad value, no inputs, or a settings
     file that cannot be read
)";
}

bool CommandLineOptions::needsValue(const std::string &name)
{
    for (const char *candidate : valueOptions()) {
        if (name == candidate)
            return true;
    }
    return false;
}

const std::vector<const char *> &CommandLineOptions::valueOptions()
{
    static const std::vector<const char *> names = {"settings", "output-dir",     "page-size", "font",
                                                    "font-size", "chars-per-line", "lang",      "author",
                                                    "keywords",  "files-from",     "jobs"};
    return names;
}

std::vector<std::string> CommandLineOptions::longNames()
{
    std::vector<std::string> names(valueOptions().begin(), valueOptions().end());
    for (const char *flag : {"recursive", "quiet", "help", "version"})
        names.push_back(flag);
    return names;
}

bool CommandLineOptions::parse(const std::vector<std::string> &arguments, std::string &error)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::vector<std::pair<std::string, std::optional<std::string>>> names;
        if (argument.starts_with("--")) {
            size_t equals = argument.find('=');
            if (equals == std::string::npos)
                names.push_back({argument.substr(2), std::nullopt});
            else
                names.push_back({argument.substr(2, equals - 2), argument.substr(equals + 1)});
        } else {
            // Bundled short options: "-qr", "-j2", "-o DIR".
            for (size_t k = 1; k < argument.size(); ++k) {
                auto found = shortNames().find(argument.substr(k, 1));
                if (found == shortNames().end()) {
                    error = "unknown option -" + argument.substr(k, 1);
                    return false;
                }
                if (needsValue(found->second) && k + 1 < argument.size()) {
                    names.push_back({found->second, argument.substr(k + 1)});
                    break;
                }
                names.push_back({found->second, std::nullopt});
            }
        }
        for (auto &[name, value] : names) {
            if (!needsValue(name)) {
                if (value) {
                    error = "option --" + name + " takes no value";
                    return false;
                }
                if (!takeFlag(name, error))
                    return false;
                continue;
            }
            if (!value) {
                if (i + 1 >= arguments.size()) {
                    error = "option --" + name + " needs a value";
                    return false;
                }
                value = arguments[++i];
            }
            if (!takeOption(name, *value, error))
                return false;
        }
    }
    return true;
}

bool CommandLineOptions::takeFlag(const std::string &name, std::string &error)
{
    if (name == "recursive")
        recursive = true;
    else if (name == "quiet")
        quiet = true;
    else if (name == "help")
        help = true;
    else if (name == "version")
        version = true;
    else {
        error = "unknown option --" + name;
        return false;
    }
    return true;
}

bool CommandLineOptions::takeOption(const std::string &name, const std::string &value, std::string &error)
{
    int number = 0;
    if (name == "settings") {
        settingsFile = value;
    } else if (name == "output-dir") {
        outputDir = value;
    } else if (name == "page-size") {
        std::string size = value;
        if (size.size() == 2 && (size[0] == 'a' || size[0] == 'A'))
            size[0] = 'A';
        if (size != "A3" && size != "A4" && size != "A5") {
            error = "page size must be A3, A4 or A5, not \"" + value + "\"";
            return false;
        }
        pageSize = size;
    } else if (name == "font") {
        fontName = value;
    } else if (name == "font-size" || name == "chars-per-line" || name == "jobs") {
        int high = name == "font-size" ? 500 : name == "jobs" ? 64 : 32767;
        if (!toNumber(value, 1, high, number)) {
            error = "--" + name + " needs a whole number from 1 to " + std::to_string(high) + ", not \"" + value + "\"";
            return false;
        }
        if (name == "font-size")
            fontSize = number;
        else if (name == "jobs")
            jobs = number;
        else
            charsPerLine = number;
    } else if (name == "lang") {
        if (value != "zh" && value != "en") {
            error = "--lang must be zh or en, not \"" + value + "\"";
            return false;
        }
        language = value;
    } else if (name == "author") {
        author = value;
    } else if (name == "keywords") {
        keywords = value;
    } else if (name == "files-from") {
        filesFrom.push_back(value);
    }
    return true;
}
