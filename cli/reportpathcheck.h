#pragma once

#include "cli/batchinput.h"
#include "cli/commandlineoptions.h"
#include "cli/plannedoutput.h"

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Opening the --report file empties it, so it must be none of the run's
// own files: not an input or a path list of this run, and not the PDF an
// input of this run is to become, whether by the same path or, for a file
// already there, the same device and inode (a hard or symbolic link).
// Other shards' inputs and PDFs, which other workers read and write, are
// compared by path only: looking up a million files would cost a worker
// more than its own share of the work.
class ReportPathCheck {
public:
    explicit ReportPathCheck(const std::string &report);

    // Why the report may not be written there, as a usage message; empty
    // when it may.
    std::string problem(const CommandLineOptions &options, const std::vector<BatchInput> &inputs,
                        const std::vector<PlannedOutput> &planned) const;

private:
    bool isReport(const std::string &path, bool byIdentity) const;
    std::string refusal(const std::string &what) const;

    std::string m_report;
    std::string m_name;
    std::filesystem::path m_canonical;
    std::optional<std::pair<dev_t, ino_t>> m_identity;
};
