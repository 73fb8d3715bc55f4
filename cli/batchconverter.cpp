#include "cli/batchconverter.h"

#include "app/conversionjob.h"
#include "cli/outcomerecorder.h"
#include "cli/outputplanner.h"
#include "pdf/tervolanpdf.h"
#include "platform/file/treefolders.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>
#include <unordered_map>

namespace {

const char *skipReasonOf(PlannedOutput::Action action)
{
    if (action == PlannedOutput::Action::SkipUpToDate)
        return "its PDF is at least as new as it";
    return "its PDF name is taken by an earlier input or a file already there";
}

} // namespace

BatchConverter::BatchConverter(const Settings &settings, ConsoleReporter &reporter,
                               const CommandLineOptions &options, ReportWriter *report)
    : m_settings(settings)
    , m_reporter(reporter)
    , m_options(options)
    , m_report(report)
{
}

const std::vector<PlannedOutput> &BatchConverter::plan(const std::vector<BatchInput> &inputs)
{
    const std::string folderText = ConversionJob::outputFolderText(m_settings);
    m_inputs = &inputs;
    m_planner = std::make_unique<OutputPlanner>(OutputPlanner::Rules{
        folderText, m_options.onConflict, m_options.keepTree, m_options.update});
    m_planned = m_planner->plan(inputs);
    m_sharedNames = m_planner->sharedNames();
    return m_planned;
}

void BatchConverter::run()
{
    m_folderProblem = outputFolderProblem();
    warnOfSharedNames(m_sharedNames);
    const std::vector<size_t> mine = inputsOfThisShard(*m_inputs);
    m_reporter.setTotal(int(mine.size()));
    m_next = 0;
    const size_t workers = std::min(size_t(std::max(m_options.jobs, 1)), mine.size());
    const std::vector<std::vector<size_t>> units = workUnits(mine, m_planned, workers);
    std::vector<std::thread> threads;
    for (size_t i = 1; i < workers; ++i)
        threads.emplace_back([this, &units] { work(units); });
    work(units);
    for (std::thread &thread : threads)
        thread.join();
    m_reporter.finish();
}

// Said before converting, from the plan, so once per name whatever the
// number of workers; of several shards, the one converting the input that
// stands says it.
void BatchConverter::warnOfSharedNames(const std::vector<OutputPlanner::SharedName> &names) const
{
    for (const OutputPlanner::SharedName &name : names) {
        const BatchInput &last = (*m_inputs)[name.back()];
        if (m_options.shard && !m_options.shard->holds(last.path))
            continue;
        std::string writers;
        for (size_t index : name) {
            if (!writers.empty())
                writers += index == name.back() ? " then " : ", ";
            writers += (*m_inputs)[index].path;
        }
        m_reporter.warn("warning: " + m_planned[name.back()].pdfPath() + " is written by "
                        + std::to_string(name.size()) + " inputs, " + writers
                        + ", and only the last stands; --on-conflict rename or --keep-tree keeps "
                          "each");
    }
}

// An output folder that cannot be made or written is the cause of every
// input's failure, and each one names it so, as the window does, rather
// than in the words of the writer's first call.
std::string BatchConverter::outputFolderProblem() const
{
    const int unusable = ConversionJob::createOutputFolder(m_settings);
    if (unusable == 0)
        return {};
    return "cannot write into the output folder " + ConversionJob::outputFolder(m_settings) + ": "
        + std::strerror(unusable);
}

std::vector<size_t> BatchConverter::inputsOfThisShard(const std::vector<BatchInput> &inputs) const
{
    std::vector<size_t> indexes;
    for (size_t index = 0; index < inputs.size(); ++index) {
        if (!m_options.shard || m_options.shard->holds(inputs[index].path))
            indexes.push_back(index);
    }
    return indexes;
}

std::vector<std::vector<size_t>>
BatchConverter::workUnits(const std::vector<size_t> &indexes,
                          const std::vector<PlannedOutput> &planned, size_t workers)
{
    std::vector<std::vector<size_t>> units;
    std::unordered_map<std::string, size_t> unitOfName;
    for (size_t index : indexes) {
        if (workers <= 1) {
            units.push_back({index});
            continue;
        }
        auto [found, added] = unitOfName.try_emplace(planned[index].base, units.size());
        if (added)
            units.emplace_back();
        units[found->second].push_back(index);
    }
    return units;
}

void BatchConverter::work(const std::vector<std::vector<size_t>> &units)
{
    int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
    // A name planned free may be taken by another process before the PDF
    // is put there; but under overwrite, the writer then keeps that file.
    SetNumProp(box, PDF_KEEP_EXISTING, m_options.onConflict == ConflictPolicy::Overwrite ? 0 : 1);
    OutcomeRecorder host(m_reporter, box);
    ConversionJob job(box, m_settings, host, m_reporter);
    job.setEncoding(m_options.encoding);
    // A writer failure belongs to its file: the reporter marks that file
    // failed and the batch goes on.
    for (size_t unit = m_next++; unit < units.size(); unit = m_next++) {
        for (size_t index : units[unit]) {
            const FileRecord record = handle(job, host, index);
            if (m_report)
                m_report->write(record);
            m_reporter.fileFinished();
        }
    }
}

FileRecord BatchConverter::handle(ConversionJob &job, OutcomeRecorder &host, size_t index)
{
    const auto start = std::chrono::steady_clock::now();
    const BatchInput &input = (*m_inputs)[index];
    const PlannedOutput &planned = m_planned[index];
    FileRecord record;
    record.input = input.path;
    record.output = planned.pdfPath();
    if (planned.action == PlannedOutput::Action::Convert)
        convert(job, host, input, planned, record);
    else
        skip(input, planned.action, record);
    record.seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return record;
}

void BatchConverter::skip(const BatchInput &input, PlannedOutput::Action action,
                          FileRecord &record) const
{
    record.status = "skipped";
    record.reason = skipReasonOf(action);
    if (action == PlannedOutput::Action::SkipTaken)
        m_reporter.warn(input.path + ": skipped: " + record.reason + " (" + record.output + ")");
}

// A name taken by another process after it was planned is left to that
// process's PDF: under skip the input is skipped, under rename it goes to
// the next free name.
void BatchConverter::convert(ConversionJob &job, OutcomeRecorder &host, const BatchInput &input,
                             const PlannedOutput &planned, FileRecord &record)
{
    record.status = "failed";
    if (!m_folderProblem.empty()) {
        record.reason = m_folderProblem;
        m_reporter.failed(input.path, record.reason);
        return;
    }
    if (!makeTreeFolder(input, record))
        return;
    host.clear();
    ConversionOutcome outcome = job.convertFileTo(input.path, planned.base);
    while (outcome == ConversionOutcome::WriterFailed && host.outputTaken()) {
        if (m_options.onConflict == ConflictPolicy::Skip)
            return skip(input, PlannedOutput::Action::SkipTaken, record);
        const std::string base = m_planner->renamedAfterRace(input);
        record.output = base + ".pdf";
        host.clear();
        outcome = job.convertFileTo(input.path, base);
    }
    if (const std::optional<TextEncoding> encoding = job.lastEncoding())
        record.encoding = encodingName(*encoding);
    if (outcome != ConversionOutcome::Written) {
        record.reason = host.reason();
        return;
    }
    record.status = "converted";
    record.pages = job.lastPageCount();
    record.missingGlyphs = job.lastMissingGlyphCount();
    record.headings = job.lastHeadingCount();
    std::error_code error;
    const auto bytes = std::filesystem::file_size(record.output, error);
    if (!error)
        record.bytes = (long long)(bytes);
}

// With --keep-tree the PDF's folder may not exist yet. A link among the
// folders below the output folder is never followed: in a tree converted
// in place it may lead anywhere.
bool BatchConverter::makeTreeFolder(const BatchInput &input, FileRecord &record)
{
    if (!m_options.keepTree || input.treeFolder().empty())
        return true;
    std::string reached;
    const int error = TreeFolders::make(ConversionJob::outputFolder(m_settings),
                                        std::string(input.treeFolder()), reached);
    if (error == 0)
        return true;
    record.reason = reached + ": "
        + (error == ELOOP ? std::string("a symbolic link, not followed") : std::strerror(error));
    m_reporter.failed(input.path, record.reason);
    return false;
}
