#include "cli/inputcollector.h"

#include "app/filesearch.h"
#include "app/pathlist.h"
#include "cli/pathlistreader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

// A list from anything but a file, a pipe or a socket (a terminal, a
// device) is refused past this many bytes: no one types more, and
// /dev/zero or /dev/urandom would never end.
constexpr long long DeviceListLimit = 16LL * 1024 * 1024;

class NoEvents : public EventPump {
public:
    void processPendingEvents() override {}
};

// The input, with the folders between root and the file (each followed by
// "/") marked in its path.
BatchInput foundInput(const std::string &root, const std::string &path)
{
    const std::string prefix = root.ends_with('/') ? root : root + "/";
    const size_t lastSlash = path.rfind('/');
    if (!path.starts_with(prefix) || lastSlash < prefix.size())
        return {path};
    return {path, uint32_t(prefix.size()), uint32_t(lastSlash + 1 - prefix.size())};
}

// Puts what the search finds straight into the batch, so a tree of a
// million files holds each path once.
class BatchPathList : public PathList {
public:
    BatchPathList(std::vector<BatchInput> &files, const std::string &root)
        : m_files(files)
        , m_root(root)
    {
    }
    int count() const override { return int(m_files.size()); }
    std::string entry(int index) const override { return m_files.at(size_t(index)).path; }
    void removeEntry(int index) override { m_files.erase(m_files.begin() + index); }
    void append(const std::string &path) override { m_files.push_back(foundInput(m_root, path)); }

private:
    std::vector<BatchInput> &m_files;
    const std::string &m_root;
};

std::optional<long long> byteLimitOf(const std::string &listFile)
{
    struct stat info;
    const bool known = listFile == CommandLineOptions::StandardInput
        ? fstat(STDIN_FILENO, &info) == 0
        : stat(listFile.c_str(), &info) == 0;
    if (!known || S_ISREG(info.st_mode) || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode))
        return std::nullopt;
    return DeviceListLimit;
}

} // namespace

InputCollector::InputCollector(const CommandLineOptions &options, ConsoleReporter &reporter)
    : m_options(options)
    , m_reporter(reporter)
{
}

std::vector<BatchInput> InputCollector::collect()
{
    for (const std::string &listFile : m_options.filesFrom)
        addPathList(listFile);
    for (const std::string &argument : m_options.inputs)
        addArgument(argument);
    if (m_linksPassedOver > 0)
        m_reporter.warn("passed over " + std::to_string(m_linksPassedOver)
                        + (m_linksPassedOver == 1 ? " link" : " links")
                        + " met in the folders searched (--follow-symlinks follows them)");
    return std::move(m_files);
}

void InputCollector::addArgument(std::string argument)
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
    m_files.push_back({std::move(argument)});
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
                                                  : PathListReader::Separator::Line,
                          byteLimitOf(listFile));
    if (!reader.read(in)) {
        m_reporter.failed(listName, reader.error());
        return;
    }
    for (const std::string &refused : reader.refusedLines())
        m_reporter.failed(listName, refused);
    // Room for exactly one long list: growing by doubling held up to three
    // times its entries at once. Many lists still grow by doubling.
    std::vector<std::string> paths = reader.takePaths();
    if (m_files.size() + paths.size() > m_files.capacity())
        m_files.reserve(std::max(m_files.size() + paths.size(), 2 * m_files.capacity()));
    for (std::string &path : paths)
        addArgument(std::move(path));
}

// Every sub-folder is searched, and one that cannot be is a failed input:
// a batch must not lose files without a word.
void InputCollector::addFolder(const std::string &folder)
{
    if (!m_options.recursive) {
        fail(folder, "is a folder (use -r to search it for text files)");
        return;
    }
    std::string root = folder;
    while (root.size() > 1 && root.ends_with('/'))
        root.pop_back();
    BatchPathList found(m_files, root);
    NoEvents events;
    const FolderLinks links = m_options.followSymlinks ? FolderLinks::Follow : FolderLinks::SkipAll;
    const FolderSearchGaps gaps
        = SearchFolder(root, found, events, /*subFolderLimit*/ std::nullopt, links);
    for (const UnsearchedFolder &unsearched : gaps.unsearched)
        fail(unsearched.path,
             std::string("cannot search: ") + std::strerror(unsearched.errorNumber));
    m_linksPassedOver += gaps.linksPassedOver;
}

void InputCollector::fail(const std::string &input, const std::string &reason)
{
    m_reporter.failed(input, reason);
    FileRecord record;
    record.input = input;
    record.status = "failed";
    record.reason = reason;
    m_failures.push_back(std::move(record));
}
