#include "app/conversionjob.h"

#include "app/getfile.h"
#include "app/pagefit.h"
#include "app/pdfapi.h"
#include "app/piececutter.h"
#include "pdf/tervolanpdf.h"
#include "platform/text/itemreader.h"
#include "platform/text/textfilereader.h"
#include "platform/text/utf8.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// Clears the running flag however the job leaves, a failure included.
class RunningFlag {
public:
    explicit RunningFlag(bool &flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }

private:
    bool &m_flag;
};

std::string homeFolder()
{
    const char *home = std::getenv("HOME");
    return home && *home ? home : ".";
}

bool isDrivePath(const std::string &folder)
{
    return folder.size() >= 2 && std::isalpha(static_cast<unsigned char>(folder[0]))
        && folder[1] == ':' && (folder.size() == 2 || folder[2] == '\\' || folder[2] == '/');
}

// An input named like its own output ("-o . report.pdf") would be replaced
// by a PDF of itself.
bool isSameFile(const std::string &a, const std::string &b)
{
    struct stat first;
    struct stat second;
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0
        && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
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

std::string ConversionJob::outputFolder(const Settings &settings)
{
    const std::string &folder = settings.OutputFolder;
    if (folder.empty() || isDrivePath(folder))
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

int ConversionJob::progressPercent(long long pieceCount, long long itemCount)
{
    if (itemCount <= 0)
        return 100;
    long long scaled = pieceCount * 100;
    long long quotient = scaled / itemCount;
    long long twiceRemainder = 2 * (scaled % itemCount);
    if (twiceRemainder > itemCount || (twiceRemainder == itemCount && quotient % 2 == 1))
        ++quotient;
    return quotient >= 100 ? 100 : int(quotient);
}

void ConversionJob::ConvertList(PathList &list)
{
    if (m_running || list.count() == 0)
        return;
    RunningFlag running(m_running);
    // The folder text is fixed for the whole run; the other settings are
    // read again for every file.
    m_runFolderText = outputFolderText(m_settings);
    std::string folder = outputFolder(m_settings);
    if (const int unusable = createOutputFolder(m_settings); unusable != 0) {
        m_host.outputFolderUnusable(folder, unusable);
        return;
    }
    while (list.count() > 0) {
        if (!convertTopEntry(list))
            return;
    }
    m_host.beep();
    m_host.openFolder(folder);
    m_progress.setValue(100);
}

// Returns false when the writer failed and the run must end.
bool ConversionJob::convertTopEntry(PathList &list)
{
    // Our own copy: the list may change while the file converts.
    std::string input = list.entry(0);
    if (convertFile(input, m_runFolderText) == ConversionOutcome::WriterFailed)
        return false;
    if (list.count() > 0 && list.entry(0) == input) {
        list.removeEntry(0);
        return true;
    }
    for (int index = 0; index < list.count(); ++index) {
        if (list.entry(index) == input) {
            list.removeEntry(index);
            break;
        }
    }
    return true;
}

ConversionOutcome ConversionJob::convertFile(const std::string &input,
                                             const std::string &folderText)
{
    return convertFileTo(input, folderText + GetBaseName(input));
}

ConversionOutcome ConversionJob::convertFileTo(const std::string &input,
                                               const std::string &outputBase)
{
    m_fileSettings = m_settings;
    m_lastEncoding.reset();
    m_pageCount = 0;
    m_missingGlyphCount = 0;
    if (isSameFile(input, outputBase + ".pdf")) {
        m_host.inputSkipped(input, SkipReason::ownPdf());
        return ConversionOutcome::Skipped;
    }
    TextFileReader reader;
    if (!openInput(reader, input)) {
        m_host.inputSkipped(input, SkipReason::unreadable(reader.failure()));
        return ConversionOutcome::Skipped;
    }
    m_lastEncoding = reader.encoding();
    try {
        return writeDocument(reader, input, outputBase);
    } catch (const PdfFailure &failure) {
        m_host.pdfFailed(input, failure.what());
        return ConversionOutcome::WriterFailed;
    }
}

bool ConversionJob::openInput(TextFileReader &reader, const std::string &input)
{
    return m_forcedEncoding ? reader.openAs(input, *m_forcedEncoding) : reader.open(input);
}

ConversionOutcome ConversionJob::writeDocument(TextFileReader &reader, const std::string &input,
                                               const std::string &outputBase)
{
    setDocumentProperties(outputBase);
    PdfCheck(BeginDoc(m_box));
    setTextProperties();
    // Unfinished documents stay behind; the writer drops them at the next
    // BeginDoc, so no partial or empty PDF appears.
    const PageFit page(PdfGetNum(m_box, PDF_PAGE_HEIGHT));
    const int fontSize = PdfGetNum(m_box, PDF_FONT_SIZE);
    if (std::optional<SkipReason> refusal = page.refusal(fontSize)) {
        m_host.inputSkipped(input, *refusal);
        return ConversionOutcome::Skipped;
    }
    if (!countItems(reader) || !writeLines(reader)) {
        m_host.inputSkipped(input, SkipReason::unreadable(reader.failure()));
        return ConversionOutcome::Skipped;
    }
    m_host.processPendingEvents();
    PdfCheck(EndDoc(m_box));
    m_host.documentWritten(outputBase + ".pdf");
    if (std::optional<SkipReason> overflow = page.overflow(fontSize, m_longestWidth, m_lineCount))
        m_host.inputWarning(input, *overflow);
    m_missingGlyphCount = PdfGetNum(m_box, PDF_MISSING_GLYPH_COUNT);
    if (std::optional<SkipReason> missing = missingGlyphs())
        m_host.inputWarning(input, *missing);
    return ConversionOutcome::Written;
}

// Characters the finished document shows as empty boxes, as the writer
// counted them.
std::optional<SkipReason> ConversionJob::missingGlyphs() const
{
    const int count = m_missingGlyphCount;
    if (count <= 0)
        return std::nullopt;
    std::vector<char32_t> first;
    for (int i = 0; i < count && first.size() < SkipReason::kMissingListed; ++i) {
        PdfSetNum(m_box, PDF_MISSING_GLYPH_INDEX, i);
        first.push_back(static_cast<char32_t>(PdfGetNum(m_box, PDF_MISSING_GLYPH)));
    }
    return SkipReason::glyphsMissing(count, std::move(first));
}

void ConversionJob::setDocumentProperties(const std::string &outputBase)
{
    PdfSetStr(m_box, PDF_OUTPUT_PATH, outputBase);
    PdfSetStr(m_box, PDF_AUTHOR, m_fileSettings.Author);
    PdfSetStr(m_box, PDF_KEYWORDS, m_fileSettings.Keywords);
    PdfSetStr(m_box, PDF_CREATOR, "Tervolan");
    PdfSetNum(m_box, PDF_RESERVED_44, 0);
    PdfSetStr(m_box, PDF_PAGE_SIZE, m_fileSettings.PageSize);
    PdfSetStr(m_box, PDF_LANGUAGE, m_fileSettings.Language == "中文" ? "zh-CN" : "en");
    PdfSetNum(m_box, PDF_ARCHIVAL, m_fileSettings.PdfA ? 1 : 0);
    PdfSetNum(m_box, PDF_TAGGED, m_fileSettings.Tagged ? 1 : 0);
}

void ConversionJob::setTextProperties()
{
    PdfSetNum(m_box, PDF_TEXT_ATTRIBUTE, 0);
    PdfSetNum(m_box, PDF_TEXT_COLOR, 0);
    PdfSetStr(m_box, PDF_FONT_NAME, m_fileSettings.FontName);
    PdfSetNum(m_box, PDF_FONT_SIZE, m_fileSettings.FontSize);
}

// The item count is the divisor of the progress value.
bool ConversionJob::countItems(TextFileReader &reader)
{
    m_itemCount = 0;
    m_pieceCount = 0;
    ItemReader items(reader);
    while (items.read(nullptr)) {
        ++m_itemCount;
        m_host.processPendingEvents();
    }
    return !reader.failed() && reader.rewind();
}

bool ConversionJob::writeLines(TextFileReader &reader)
{
    m_lineSlot = 1;
    m_pageCount = 1;
    m_inputLine = 0;
    // Fixed for the document once it is open: read once, not for every line.
    m_fontSize = PdfGetNum(m_box, PDF_FONT_SIZE);
    m_pageHeight = PdfGetNum(m_box, PDF_PAGE_HEIGHT);
    m_longestWidth = 0;
    m_lineCount = 0;
    PieceCutter cutter(reader, m_fileSettings.CharsPerLine);
    while (cutter.nextLine())
        placeLine(cutter);
    return !reader.failed();
}

void ConversionJob::placeLine(PieceCutter &cutter)
{
    PdfSetNum(m_box, PDF_PARAGRAPH, ++m_inputLine);
    std::u32string_view output;
    bool isPiece = false;
    while (cutter.nextOutput(output, isPiece)) {
        writeOutputLine(output);
        if (isPiece) {
            ++m_pieceCount;
            m_progress.setValue(progressPercent(m_pieceCount, m_itemCount));
        }
        m_host.processPendingEvents();
    }
}

// The first line of a page stands at slot 2; the page breaks after the line
// when the next one would reach the bottom reserve.
void ConversionJob::writeOutputLine(std::u32string_view text)
{
    ++m_lineSlot;
    ++m_lineCount;
    // Lines of full-width text are as wide as a line can be: once one is
    // measured, others of its length need no count.
    if (PageFit::widestOf(text.size()) > m_longestWidth)
        m_longestWidth = std::max(m_longestWidth, PageFit::widthOf(text));
    m_lineUtf8.clear();
    Utf8::append(m_lineUtf8, text);
    // The writer takes a C string and shows every other control character
    // as a blank; U+0000 would end the line there instead.
    if (std::memchr(m_lineUtf8.data(), '\0', m_lineUtf8.size()))
        std::replace(m_lineUtf8.begin(), m_lineUtf8.end(), '\0', ' ');
    PdfCheck(TextOut(m_box, /*x*/ PageFit::LeftMargin,
                     /*y*/ PageFit::lineTop(m_lineSlot, m_fontSize), m_lineUtf8.c_str()));
    if (PageFit(m_pageHeight).breaksAfter(m_lineSlot, m_fontSize)) {
        PdfCheck(NewPage(m_box));
        ++m_pageCount;
        m_lineSlot = 1;
    }
}
