#pragma once

#include <optional>
#include <string>
#include <vector>

// What tervolan-convert was asked to do.
struct CommandLineOptions {
    std::optional<std::string> settingsFile;
    std::optional<std::string> outputDir;
    std::optional<std::string> pageSize;
    std::optional<std::string> fontName;
    std::optional<int> fontSize;
    std::optional<int> charsPerLine;
    std::optional<std::string> language; // "zh" or "en"
    std::optional<std::string> author;
    std::optional<std::string> keywords;
    std::vector<std::string> filesFrom; // "-" is standard input
    std::vector<std::string> inputs;    // files and folders, "-" is standard input
    bool recursive = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
    int jobs = 1;

    // Reads GNU-style arguments. Returns false with a message in error for
    // a usage error.
    bool parse(const std::vector<std::string> &arguments, std::string &error);

    static const char *helpText();
    // Every long option, without its dashes.
    static std::vector<std::string> longNames();

private:
    bool takeOption(const std::string &name, const std::string &value, std::string &error);
    bool takeFlag(const std::string &name, std::string &error);
    static bool needsValue(const std::string &name);
    static const std::vector<const char *> &valueOptions();
};
