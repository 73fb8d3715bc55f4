#include "cli/batchconverter.h"

#include "app/conversionjob.h"
#include "pdf/api.h"
#include "pdf/tervolanpdf.h"

#include <stdexcept>
#include <thread>

namespace {

class PdfFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// On the command line a writer failure belongs to one file: it is thrown
// out of that file's conversion and reported, and the batch goes on.
class ThrowingFailureHandler : public PdfFailureHandler {
public:
    void pdfFailed(const std::string &message) override { throw PdfFailure(message); }
};

} // namespace

BatchConverter::BatchConverter(const Settings &settings, ConsoleReporter &reporter, int jobs)
    : m_settings(settings)
    , m_reporter(reporter)
    , m_jobs(jobs < 1 ? 1 : jobs)
{
}

void BatchConverter::run(const std::vector<std::string> &files)
{
    static ThrowingFailureHandler handler;
    setPdfFailureHandler(&handler);
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
    for (size_t index = m_next++; index < files.size(); index = m_next++) {
        try {
            job.convertFile(files[index], m_folderText);
        } catch (const PdfFailure &failure) {
            m_reporter.failed(files[index], failure.what());
        }
        m_reporter.fileFinished();
    }
}
