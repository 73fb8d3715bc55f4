#include "app/conversionjob.h"

#include "app/getfile.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

std::string homeFolder()
{
    const char *home = std::getenv("HOME");
    return home && *home ? home : ".";
}

} // namespace

ConversionJob::ConversionJob(int box, const Settings &settings, ConversionHost &host,
                             ProgressDisplay &progress)
    : m_box(box)
    , m_settings(settings)
    , m_host(host)
    , m_progress(progress)
{
}

bool ConversionJob::isWindowsDrivePath(const std::string &folder)
{
    return folder.size() >= 2 && std::isalpha(static_cast<unsigned char>(folder[0]))
        && folder[1] == ':' && (folder.size() == 2 || folder[2] == '\\' || folder[2] == '/');
}

std::string ConversionJob::outputFolder(const Settings &settings)
{
    const std::string &folder = settings.OutputFolder;
    if (folder.empty() || isWindowsDrivePath(folder))
        return homeFolder() + "/output";
    if (folder == "~" || folder.starts_with("~/"))
        return homeFolder() + folder.substr(1);
    return folder;
}

std::string ConversionJob::outputFolderText(const Settings &settings)
{
    std::string folder = outputFolder(settings);
    return folder.ends_with('/') ? folder : folder + "/";
}

int ConversionJob::createOutputFolder(const Settings &settings)
{
    const std::string folder = outputFolder(settings);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return error.value();
    if (!std::filesystem::is_directory(folder, error))
        return ENOTDIR;
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        return errno;
    return 0;
}

ConversionJob::~ConversionJob() = default;

bool ConversionJob::start(PathList &list)
{
    if (isRunning() || list.count() == 0)
        return false;
    // The folder is fixed for the whole run; the other settings are read
    // again for every file.
    m_runFolder = outputFolder(m_settings);
    m_runFolderText = outputFolderText(m_settings);
    if (const int unusable = createOutputFolder(m_settings); unusable != 0) {
        m_host.outputFolderUnusable(m_runFolder, unusable);
        return false;
    }
    m_list = &list;
    return true;
}

bool ConversionJob::step()
{
    if (!isRunning())
        return false;
    if (!m_document) {
        if (m_list->count() == 0) {
            endRun();
            return false;
        }
        // Our own copy: the list may change between steps.
        m_input = m_list->entry(0);
        m_document = document(m_input, m_runFolderText + GetBaseName(m_input));
    }
    if (m_document->step())
        return true;
    return finishTopDocument();
}

// Returns whether the run goes on with another entry.
bool ConversionJob::finishTopDocument()
{
    keepOutcomeOf(*m_document);
    const bool writerFailed = m_document->outcome() == ConversionOutcome::WriterFailed;
    m_document.reset();
    if (writerFailed) {
        m_list = nullptr;
        return false;
    }
    removeConverted();
    if (m_list->count() > 0)
        return true;
    endRun();
    return false;
}

// Usually the top entry; the list may have changed between steps.
void ConversionJob::removeConverted()
{
    for (int index = 0; index < m_list->count(); ++index) {
        if (m_list->entry(index) == m_input) {
            m_list->removeEntry(index);
            return;
        }
    }
}

void ConversionJob::endRun()
{
    m_list = nullptr;
    m_host.beep();
    m_host.openFolder(m_runFolder);
    m_progress.setValue(100);
}

void ConversionJob::abandon()
{
    if (m_document)
        m_document->abandon();
    m_document.reset();
    m_list = nullptr;
}

void ConversionJob::ConvertList(PathList &list)
{
    if (!start(list))
        return;
    while (step()) {}
}

ConversionOutcome ConversionJob::convertFile(const std::string &input,
                                             const std::string &folderText)
{
    return convertFileTo(input, folderText + GetBaseName(input));
}

ConversionOutcome ConversionJob::convertFileTo(const std::string &input,
                                               const std::string &outputBase)
{
    const std::unique_ptr<DocumentConversion> single = document(input, outputBase);
    while (single->step()) {}
    keepOutcomeOf(*single);
    return single->outcome();
}

std::unique_ptr<DocumentConversion> ConversionJob::document(const std::string &input,
                                                            const std::string &outputBase) const
{
    return std::make_unique<DocumentConversion>(m_box, m_settings, m_host, m_progress, input,
                                                outputBase, m_forcedEncoding);
}

void ConversionJob::keepOutcomeOf(const DocumentConversion &document)
{
    m_lastEncoding = document.encoding();
    m_pageCount = document.pageCount();
    m_missingGlyphCount = document.missingGlyphCount();
    m_headingCount = document.headingCount();
}
