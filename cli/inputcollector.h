#pragma once

#include "cli/batchinput.h"
#include "cli/commandlineoptions.h"
#include "cli/consolereporter.h"
#include "cli/reportwriter.h"

#include <string>
#include <vector>

// Turns the command line's files, folders and path lists into the list of
// files to convert, in the order given. A folder without --recursive and a
// path list that cannot be read are reported as failures; the folder also
// in the report, when there is one (report may be null).
class InputCollector {
public:
    InputCollector(const CommandLineOptions &options, ConsoleReporter &reporter,
                   ReportWriter *report = nullptr);
    std::vector<BatchInput> collect();

private:
    void addArgument(const std::string &argument);
    void addPathList(const std::string &listFile);
    void addFolder(const std::string &folder);

    const CommandLineOptions &m_options;
    ConsoleReporter &m_reporter;
    ReportWriter *m_report;
    std::vector<BatchInput> m_files;
};
