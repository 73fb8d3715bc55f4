#include "cli/inputcollector.h"

#include "app/filesearch.h"
#include "app/vectorpathlist.h"
#include "cli/pathlistreader.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

class NoEvents : public EventPump {
public:
    void processPendingEvents() override {}
};

// The folders between root and the file, each followed by "/".
std::string treeFolder(const std::string &root, const std::string &path)
{
    const std::string prefix = root.ends_with('/') ? root : root + "/";
    if (!path.starts_with(prefix))
        return {};
    const size_t lastSlash = path.rfind('/');
    return lastSlash < prefix.size() ? std::string()
                                     : path.substr(prefix.size(), lastSlash + 1 - prefix.size());
}

} // namespace

InputCollector::InputCollector(const CommandLineOptions &options, ConsoleReporter &reporter,
                               ReportWriter *report)
    : m_options(options)
    , m_reporter(reporter)
    , m_report(report)
{
}

std::vector<BatchInput> InputCollector::collect()
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
    m_files.push_back({argument, {}});
}

void InputCollector::addPathList(const std::string &listFile)
{
    std::ifstream file;
    if (listFile != CommandLineOptions::StandardInput)
        file.open(listFile, std::ios::binary);
    std::istream &in = listFile == CommandLineOptions::StandardInput ? std::cin : file;
    const std::string listName
        = listFile == CommandLineOptions::StandardInput ? "standard input" : listFile;
    PathListReader reader(m_options.nullSeparated ? PathListReader::Separator::Nul
                                                  : PathListReader::Separator::Line);
    if (!reader.read(in)) {
        m_reporter.failed(listName, reader.error());
        return;
    }
    for (const std::string &refused : reader.refusedLines())
        m_reporter.failed(listName, refused);
    for (const std::string &path : reader.paths())
        addArgument(path);
}

void InputCollector::addFolder(const std::string &folder)
{
    if (!m_options.recursive) {
        const std::string reason = "is a folder (use -r to search it for text files)";
        m_reporter.failed(folder, reason);
        if (m_report) {
            FileRecord record;
            record.input = folder;
            record.status = "failed";
            record.reason = reason;
            m_report->write(record);
        }
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
    for (const std::string &path : found.paths())
        m_files.push_back({path, treeFolder(root, path)});
}
