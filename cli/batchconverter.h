#pragma once

#include "cli/batchinput.h"
#include "cli/commandlineoptions.h"
#include "cli/consolereporter.h"
#include "cli/outputplanner.h"
#include "cli/plannedoutput.h"
#include "cli/reportwriter.h"
#include "settings/settings.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

class ConversionJob;
class OutcomeRecorder;

// Converts a list of files with one PDF writer box and one conversion job
// per worker thread. A writer failure is reported for its file and the
// other files still convert. Every input's PDF name is decided before the
// workers start (OutputPlanner), and inputs that share a name are converted
// by one worker in input order, so whatever the number of workers the PDFs
// are those one worker would leave. With a shard, only its inputs are
// converted, their names still planned over the whole list.
class BatchConverter {
public:
    // report may be null: no report is written.
    BatchConverter(const Settings &settings, ConsoleReporter &reporter,
                   const CommandLineOptions &options, ReportWriter *report);
    // Decides every input's PDF name, before anything is written; the
    // inputs must outlive the run.
    const std::vector<PlannedOutput> &plan(const std::vector<BatchInput> &inputs);
    // Converts the inputs of the last plan.
    void run();

private:
    // The given inputs as runs for the workers, each a list of indexes in
    // input order. One worker takes the files one by one; several take all
    // inputs of one PDF name together.
    static std::vector<std::vector<size_t>> workUnits(const std::vector<size_t> &indexes,
                                                      const std::vector<PlannedOutput> &planned,
                                                      size_t workers);
    void warnOfSharedNames(const std::vector<OutputPlanner::SharedName> &names) const;
    std::vector<size_t> inputsOfThisShard(const std::vector<BatchInput> &inputs) const;
    // Why nothing can be written into the output folder, made if missing;
    // empty when it is usable.
    std::string outputFolderProblem() const;

    void work(const std::vector<std::vector<size_t>> &units);
    FileRecord handle(ConversionJob &job, OutcomeRecorder &host, size_t index);
    void convert(ConversionJob &job, OutcomeRecorder &host, const BatchInput &input,
                 const PlannedOutput &planned, FileRecord &record);
    void skip(const BatchInput &input, PlannedOutput::Action action, FileRecord &record) const;
    bool makeTreeFolder(const BatchInput &input, FileRecord &record);

    const Settings &m_settings;
    ConsoleReporter &m_reporter;
    const CommandLineOptions &m_options;
    ReportWriter *m_report;
    const std::vector<BatchInput> *m_inputs = nullptr;
    std::unique_ptr<OutputPlanner> m_planner;
    std::vector<PlannedOutput> m_planned;
    std::vector<OutputPlanner::SharedName> m_sharedNames;
    std::string m_folderProblem;
    std::atomic<size_t> m_next{0};
};
