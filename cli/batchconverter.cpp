#include "cli/batchconverter.h"

#include "app/conversionjob.h"
#include "app/getfile.h"
#include "pdf/tervolanpdf.h"

#include <algorithm>
#include <thread>
#include <unordered_map>

BatchConverter::BatchConverter(const Settings &settings, ConsoleReporter &reporter, int jobs)
    : m_settings(settings)
    , m_reporter(reporter)
    , m_jobs(jobs < 1 ? 1 : jobs)
{
}

void BatchConverter::run(const std::vector<std::string> &files)
{
    m_folderText = ConversionJob::outputFolderText(m_settings);
    ConversionJob::createOutputFolder(m_settings);
    m_next = 0;
    size_t workers = std::min(size_t(m_jobs), files.size());
    const std::vector<std::vector<size_t>> units = workUnits(files, workers);
    std::vector<std::thread> threads;
    for (size_t i = 1; i < workers; ++i)
        threads.emplace_back([this, &files, &units] { work(files, units); });
    work(files, units);
    for (std::thread &thread : threads)
        thread.join();
    m_reporter.finish();
}

std::vector<std::vector<size_t>> BatchConverter::workUnits(const std::vector<std::string> &files,
                                                           size_t workers)
{
    std::vector<std::vector<size_t>> units;
    std::unordered_map<std::string, size_t> unitOfName;
    for (size_t index = 0; index < files.size(); ++index) {
        if (workers <= 1) {
            units.push_back({index});
            continue;
        }
        auto [found, added] = unitOfName.try_emplace(GetBaseName(files[index]), units.size());
        if (added)
            units.emplace_back();
        units[found->second].push_back(index);
    }
    return units;
}

void BatchConverter::work(const std::vector<std::string> &files,
                          const std::vector<std::vector<size_t>> &units)
{
    int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
    ConversionJob job(box, m_settings, m_reporter, m_reporter);
    // A writer failure belongs to its file: the reporter marks that file
    // failed and the batch goes on.
    for (size_t unit = m_next++; unit < units.size(); unit = m_next++) {
        for (size_t index : units[unit]) {
            job.convertFile(files[index], m_folderText);
            m_reporter.fileFinished();
        }
    }
}
