#pragma once

#include "cli/batchinput.h"
#include "cli/commandlineoptions.h"
#include "cli/consolereporter.h"
#include "cli/filerecord.h"

#include <string>
#include <vector>

// Turns the command line's files, folders and path lists into the list of
// files to convert, in the order given. A folder without --recursive, a
// folder the search could not enter and a path list that cannot be read
// are reported as failures; the folders also kept for the report, which
// is opened only once the inputs are known. How many links the search
// passed over is said once.
class InputCollector {
public:
    InputCollector(const CommandLineOptions &options, ConsoleReporter &reporter);
    std::vector<BatchInput> collect();
    // The folders that failed, as report lines, in the order found.
    const std::vector<FileRecord> &failures() const { return m_failures; }

private:
    void addArgument(std::string argument);
    void addPathList(const std::string &listFile);
    void addFolder(const std::string &folder);
    void fail(const std::string &input, const std::string &reason);

    const CommandLineOptions &m_options;
    ConsoleReporter &m_reporter;
    std::vector<BatchInput> m_files;
    std::vector<FileRecord> m_failures;
    long long m_linksPassedOver = 0;
};
