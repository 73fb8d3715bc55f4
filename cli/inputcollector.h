#pragma once

#include "cli/batchinput.h"
#include "cli/commandlineoptions.h"
#include "cli/consolereporter.h"

#include <string>
#include <vector>

// Turns the command line's files, folders and path lists into the list of
// files to convert, in the order given. A folder without --recursive and a
// path list that cannot be read are reported as failures.
class InputCollector {
public:
    InputCollector(const CommandLineOptions &options, ConsoleReporter &reporter);
    std::vector<BatchInput> collect();

private:
    void addArgument(const std::string &argument);
    void addPathList(const std::string &listFile);
    void addFolder(const std::string &folder);

    const CommandLineOptions &m_options;
    ConsoleReporter &m_reporter;
    std::vector<BatchInput> m_files;
};
