#pragma once

#include "cli/consolereporter.h"
#include "settings/settings.h"

#include <atomic>
#include <string>
#include <vector>

// Converts a list of files with one PDF writer box and one conversion job
// per worker thread. A writer failure is reported for its file and the
// other files still convert.
class BatchConverter {
public:
    BatchConverter(const Settings &settings, ConsoleReporter &reporter, int jobs);
    void run(const std::vector<std::string> &files);

private:
    void work(const std::vector<std::string> &files);

    const Settings &m_settings;
    ConsoleReporter &m_reporter;
    int m_jobs;
    std::string m_folderText;
    std::atomic<size_t> m_next{0};
};
