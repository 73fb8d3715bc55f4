#include "cli/inputcollector.h"

#include "app/filesearch.h"
#include "app/vectorpathlist.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

class NoEvents : public EventPump {
public:
    void processPendingEvents() override {}
};

void readPaths(std::istream &in, std::vector<std::string> &paths)
{
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            paths.push_back(line);
    }
}

} // namespace

InputCollector::InputCollector(const CommandLineOptions &options, ConsoleReporter &reporter)
    : m_options(options)
    , m_reporter(reporter)
{
}

std::vector<std::string> InputCollector::collect()
{
    for (const std::string &listFile : m_options.filesFrom)
        addPathList(listFile);
    for (const std::string &argument : m_options.inputs)
        addArgument(argument);
    return m_files;
}

void InputCollector::addArgument(const std::string &argument)
{
    if (argument == CommandLineOptions::StandardInput) {
        addPathList(CommandLineOptions::StandardInput);
        return;
    }
    std::error_code error;
    if (std::filesystem::is_directory(argument, error)) {
        addFolder(argument);
        return;
    }
    m_files.push_back(argument);
}

void InputCollector::addPathList(const std::string &listFile)
{
    std::vector<std::string> paths;
    std::ifstream file;
    if (listFile != CommandLineOptions::StandardInput)
        file.open(listFile);
    std::istream &in = listFile == CommandLineOptions::StandardInput ? std::cin : file;
    readPaths(in, paths);
    // A folder opens like a file and fails on its first read: only a read
    // that reached the end counts as a list, never an empty one by mistake.
    if (in.bad() || !in.eof()) {
        m_reporter.failed(listFile, "cannot read the list of paths");
        return;
    }
    for (const std::string &path : paths)
        addArgument(path);
}

void InputCollector::addFolder(const std::string &folder)
{
    if (!m_options.recursive) {
        m_reporter.failed(folder, "is a folder (use -r to search it for text files)");
        return;
    }
    std::string root = folder;
    while (root.size() > 1 && root.ends_with('/'))
        root.pop_back();
    VectorPathList found;
    NoEvents events;
    const FolderLinks links = m_options.followSymlinks ? FolderLinks::Follow : FolderLinks::Skip;
    // Every sub-folder: a batch must not lose files without a word.
    SearchFolder(root, found, events, /*subFolderLimit*/ std::nullopt, links);
    m_files.insert(m_files.end(), found.paths().begin(), found.paths().end());
}
