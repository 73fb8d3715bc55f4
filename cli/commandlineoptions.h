#pragma once

#include "app/pagefit.h"
#include "cli/conflictpolicy.h"
#include "cli/shard.h"
#include "platform/text/textfilereader.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

struct CommandLineOption;

// What tervolan-convert was asked to do.
struct CommandLineOptions {
    // The path that names standard input, as an input or a list of paths.
    static constexpr const char *StandardInput = "-";
    // The range the conversion job holds a size from config.ini to as well.
    static constexpr int MaxFontSize = PageFit::MaxFontSize;
    static constexpr int MaxCharsPerLine = 32767;
    static constexpr int MaxJobs = 64;
    static constexpr int MaxShards = 1000000;

    std::optional<std::string> settingsFile;
    std::optional<std::string> outputDir;
    std::optional<std::string> pageSize;
    std::optional<std::string> fontName;
    std::optional<int> fontSize;
    std::optional<int> charsPerLine;
    std::optional<std::string> language; // "zh" or "en"
    std::optional<std::string> author;
    std::optional<std::string> keywords;
    std::vector<std::string> filesFrom; // StandardInput is standard input
    std::vector<std::string> inputs;    // files and folders, StandardInput is standard input
    bool recursive = false;
    bool followSymlinks = false; // the recursive search enters links to folders
    bool quiet = false;
    bool pdfA = false;   // write PDF/A-1b
    bool tagged = false; // write a tagged PDF
    bool noOutline = false;
    bool punctuationRules = false;             // 避头尾 at hard cuts
    std::optional<std::string> outlinePattern; // compiles, when given
    // "" for the language's own format ("第 {n} 页" or "{n}").
    std::optional<std::string> pageNumbers;
    bool help = false;
    bool version = false;
    int jobs = 1;
    // The defaults are what the window does.
    ConflictPolicy onConflict = ConflictPolicy::Overwrite;
    bool keepTree = false;
    bool update = false;
    bool nullSeparated = false;           // -T and "-" lists end each path with NUL
    std::optional<TextEncoding> encoding; // nothing: told by the bytes
    std::optional<Shard> shard;
    std::optional<std::string> reportFile; // StandardInput is standard output

    // Reads GNU-style arguments with getopt_long: bundled short options,
    // "--name=value", unambiguous abbreviations of long names, "--" ending
    // the options; inputs keep their order among the options. Returns false
    // with a message in error for a usage error. Uses getopt's global
    // state, so one thread at a time.
    bool parse(const std::vector<std::string> &arguments, std::string &error);

    // The one place each option is spelled: the parser, --help, the man
    // page and the bash completion are all made from these rows, in the
    // order --help lists them.
    static std::span<const CommandLineOption> table();
    static const char *helpText();
    // Every long option, without its dashes.
    static std::vector<std::string> longNames();

private:
    bool take(const CommandLineOption &option, const char *value, std::string &error);
    bool takePageSize(const std::string &value, std::string &error);
    bool takeLanguage(const std::string &value, std::string &error);
    bool takeConflictPolicy(const std::string &value, std::string &error);
    bool takeEncoding(const std::string &value, std::string &error);
    bool takeShard(const std::string &value, std::string &error);
    bool takeOutlinePattern(const std::string &value, std::string &error);
};
