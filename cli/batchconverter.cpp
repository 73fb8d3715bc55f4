#include "cli/batchconverter.h"

#include "app/conversionjob.h"
#include "pdf/tervolanpdf.h"

#include <algorithm>
#include <thread>

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
    std::vector<std::thread> threads;
    for (size_t i = 1; i < workers; ++i)
        threads.emplace_back([this, &files] { work(files); });
    work(files);
    for (std::thread &thread : threads)
        thread.join();
    m_reporter.finish();
}

void BatchConverter::work(const std::vector<std::string> &files)
{
    int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
    ConversionJob job(box, m_settings, m_reporter, m_reporter);
    // A writer failure belongs to its file: the reporter marks that file
    // failed and the batch goes on.
    for (size_t index = m_next++; index < files.size(); index = m_next++) {
        job.convertFile(files[index], m_folderText);
        m_reporter.fileFinished();
    }
}
