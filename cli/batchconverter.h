#pragma once

#include "cli/consolereporter.h"
#include "settings/settings.h"

#include <atomic>
#include <string>
#include <vector>

// Converts a list of files with one PDF writer box and one conversion job
// per worker thread. A writer failure is reported for its file and the
// other files still convert. Whatever the number of workers, the PDFs are
// those one worker would leave: inputs that share an output name are
// converted by one worker in input order, so the last of them stands.
class BatchConverter {
public:
    BatchConverter(const Settings &settings, ConsoleReporter &reporter, int jobs);
    void run(const std::vector<std::string> &files);

private:
    // The inputs as runs for the workers, each a list of indexes into files
    // in input order. One worker takes the files one by one; several take
    // all inputs of one output name together.
    static std::vector<std::vector<size_t>> workUnits(const std::vector<std::string> &files,
                                                      size_t workers);

    void work(const std::vector<std::string> &files, const std::vector<std::vector<size_t>> &units);

    const Settings &m_settings;
    ConsoleReporter &m_reporter;
    int m_jobs;
    std::string m_folderText;
    std::atomic<size_t> m_next{0};
};
