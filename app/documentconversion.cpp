#include "app/documentconversion.h"

#include "app/headingdetector.h"
#include "app/pagefit.h"
#include "app/pdfapi.h"
#include "app/piececutter.h"
#include "pdf/tervolanpdf.h"
#include "platform/text/utf8.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace {

// Items are cheap to count: a step takes a stretch of them, short enough
// that the window stays responsive on a file of tiny lines.
constexpr int ItemsPerStep = 256;

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

DocumentConversion::DocumentConversion(int box, const Settings &settings, ConversionHost &host,
                                       ProgressDisplay &progress, std::string input,
                                       std::string outputBase, std::optional<TextEncoding> encoding)
    : m_box(box)
    , m_settings(settings)
    , m_host(host)
    , m_progress(progress)
    , m_input(std::move(input))
    , m_outputBase(std::move(outputBase))
    , m_forcedEncoding(encoding)
{
}

DocumentConversion::~DocumentConversion() = default;

int DocumentConversion::progressPercent(long long pieceCount, long long itemCount)
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

bool DocumentConversion::step()
{
    try {
        switch (m_phase) {
        case Phase::Opening: open(); break;
        case Phase::Counting: countSome(); break;
        case Phase::Writing: writeNextLine(); break;
        case Phase::Ending: end(); break;
        case Phase::Done: break;
        }
    } catch (const PdfFailure &failure) {
        m_host.pdfFailed(m_input, failure.what());
        finish(ConversionOutcome::WriterFailed);
    }
    return m_phase != Phase::Done;
}

// The writer has no call that drops a document: opening one drops the one
// still open, and an empty output path then keeps the new one from opening.
void DocumentConversion::abandon()
{
    if (m_documentOpen) {
        SetStrProp(m_box, PDF_OUTPUT_PATH, "");
        BeginDoc(m_box);
    }
    m_documentOpen = false;
    m_phase = Phase::Done;
}

void DocumentConversion::open()
{
    if (isSameFile(m_input, m_outputBase + ".pdf"))
        return skip(SkipReason::ownPdf());
    const bool opened
        = m_forcedEncoding ? m_reader.openAs(m_input, *m_forcedEncoding) : m_reader.open(m_input);
    if (!opened)
        return skip(SkipReason::unreadable(m_reader.failure()));
    m_encoding = m_reader.encoding();
    beginDocument();
}

void DocumentConversion::beginDocument()
{
    setDocumentProperties();
    PdfCheck(BeginDoc(m_box));
    m_documentOpen = true;
    setTextProperties();
    // Unfinished documents stay behind; the writer drops them at the next
    // BeginDoc, so no partial or empty PDF appears.
    const PageFit page(PdfGetNum(m_box, PDF_PAGE_HEIGHT));
    if (std::optional<SkipReason> refusal = page.refusal(PdfGetNum(m_box, PDF_FONT_SIZE)))
        return skip(*refusal);
    m_items = std::make_unique<ItemReader>(m_reader);
    m_phase = Phase::Counting;
}

// The item count is the divisor of the progress value.
void DocumentConversion::countSome()
{
    for (int i = 0; i < ItemsPerStep; ++i) {
        if (!m_items->read(nullptr)) {
            if (m_reader.failed() || !m_reader.rewind())
                return skip(SkipReason::unreadable(m_reader.failure()));
            m_pageCount = 1;
            // Fixed for the document once it is open: read once, not for
            // every line.
            m_fontSize = PdfGetNum(m_box, PDF_FONT_SIZE);
            m_pageHeight = PdfGetNum(m_box, PDF_PAGE_HEIGHT);
            m_cutter = std::make_unique<PieceCutter>(m_reader, m_settings.CharsPerLine,
                                                     m_settings.PunctuationRules);
            startHeadings();
            m_phase = Phase::Writing;
            return;
        }
        ++m_itemCount;
    }
}

void DocumentConversion::writeNextLine()
{
    std::u32string_view output;
    bool isPiece = false;
    if (!nextOutput(output, isPiece)) {
        if (m_reader.failed())
            return skip(SkipReason::unreadable(m_reader.failure()));
        m_phase = Phase::Ending;
        return;
    }
    writeOutputLine(output);
    if (isPiece) {
        ++m_pieceCount;
        m_progress.setValue(progressPercent(m_pieceCount, m_itemCount));
    }
}

// The next output line of the input line being placed, or the first of the
// next input line; false at the end of the text.
bool DocumentConversion::nextOutput(std::u32string_view &output, bool &isPiece)
{
    while (m_inputLine == 0 || !m_cutter->nextOutput(output, isPiece)) {
        if (!m_cutter->nextLine())
            return false;
        PdfSetNum(m_box, PDF_PARAGRAPH, ++m_inputLine);
        markHeading();
    }
    return true;
}

// A pattern that does not compile finds no headings; the command line
// refuses one before any file is converted.
void DocumentConversion::startHeadings()
{
    if (!m_settings.Outline)
        return;
    try {
        m_headings = m_settings.OutlinePattern.empty()
            ? std::make_unique<HeadingDetector>()
            : std::make_unique<HeadingDetector>(m_settings.OutlinePattern);
    } catch (const std::regex_error &) {
        m_headings.reset();
    }
}

// Read while the line is still whole, before its first piece is drawn: the
// writer opens the outline entry at the line drawn next. The level is set
// only when it changes, so body text costs no call.
void DocumentConversion::markHeading()
{
    std::u32string_view line;
    std::optional<HeadingDetector::Heading> heading;
    if (m_headings && m_cutter->wholeLine(HeadingDetector::MaxLineLength, line))
        heading = m_headings->find(line);
    if (heading) {
        ++m_headingCount;
        PdfSetStr(m_box, PDF_HEADING_TITLE, Utf8::fromUtf32(heading->title));
        PdfSetNum(m_box, PDF_HEADING_LEVEL, heading->level);
        m_inHeading = true;
    } else if (m_inHeading) {
        PdfSetNum(m_box, PDF_HEADING_LEVEL, 0);
        m_inHeading = false;
    }
}

std::optional<int> DocumentConversion::headingCount() const
{
    if (!m_settings.Outline)
        return std::nullopt;
    return m_headingCount;
}

// The first line of a page stands at slot 2; the page breaks after the line
// when the next one would reach the bottom reserve.
void DocumentConversion::writeOutputLine(std::u32string_view text)
{
    ++m_lineSlot;
    ++m_lineCount;
    // Lines of full-width text are as wide as a line without tabs can be:
    // once one is measured, others of its length need no count.
    if (PageFit::widestOf(text.size()) > m_longestWidth || text.find(U'\t') != text.npos)
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

void DocumentConversion::end()
{
    PdfCheck(EndDoc(m_box));
    m_documentOpen = false;
    m_host.documentWritten(m_outputBase + ".pdf");
    const PageFit page(m_pageHeight);
    if (std::optional<SkipReason> overflow = page.overflow(m_fontSize, m_longestWidth, m_lineCount))
        m_host.inputWarning(m_input, *overflow);
    m_missingGlyphCount = PdfGetNum(m_box, PDF_MISSING_GLYPH_COUNT);
    if (std::optional<SkipReason> missing = missingGlyphs())
        m_host.inputWarning(m_input, *missing);
    warnOfEncoding();
    finish(ConversionOutcome::Written);
}

// The writing pass has read the whole file by now. Invalid bytes are told
// of in UTF-8, which the reader chose although it met them, and in an
// encoding the person asked for; a damaged file marked UTF-16 or UTF-32,
// or one that is GB18030 because it is nothing else, reads as it always has.
void DocumentConversion::warnOfEncoding()
{
    const char *used = encodingName(m_reader.encoding());
    if (const std::optional<TextEncoding> marked = m_reader.contradictingMark())
        m_host.inputWarning(m_input, SkipReason::markContradicts(encodingName(*marked), used));
    const bool told = m_forcedEncoding || m_reader.encoding() == TextEncoding::Utf8;
    if (m_reader.replacedCount() > 0 && told)
        m_host.inputWarning(m_input, SkipReason::invalidBytes(m_reader.replacedCount(), used));
}

// Characters the finished document shows as empty boxes, as the writer
// counted them.
std::optional<SkipReason> DocumentConversion::missingGlyphs() const
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

void DocumentConversion::setDocumentProperties()
{
    PdfSetStr(m_box, PDF_OUTPUT_PATH, m_outputBase);
    PdfSetStr(m_box, PDF_AUTHOR, m_settings.Author);
    PdfSetStr(m_box, PDF_KEYWORDS, m_settings.Keywords);
    PdfSetStr(m_box, PDF_CREATOR, "Tervolan");
    PdfSetNum(m_box, PDF_RESERVED_44, 0);
    PdfSetStr(m_box, PDF_PAGE_SIZE, m_settings.PageSize);
    PdfSetStr(m_box, PDF_LANGUAGE, m_settings.Language == "中文" ? "zh-CN" : "en");
    PdfSetNum(m_box, PDF_ARCHIVAL, m_settings.PdfA ? 1 : 0);
    PdfSetNum(m_box, PDF_TAGGED, m_settings.Tagged ? 1 : 0);
    PdfSetStr(m_box, PDF_PAGE_NUMBERS, m_settings.PageNumbers);
}

void DocumentConversion::setTextProperties()
{
    PdfSetNum(m_box, PDF_TEXT_ATTRIBUTE, 0);
    PdfSetNum(m_box, PDF_TEXT_COLOR, 0);
    PdfSetStr(m_box, PDF_FONT_NAME, m_settings.FontName);
    PdfSetNum(m_box, PDF_FONT_SIZE, m_settings.FontSize);
    // The box keeps its properties from document to document.
    PdfSetNum(m_box, PDF_HEADING_LEVEL, 0);
}

void DocumentConversion::skip(const SkipReason &reason)
{
    m_host.inputSkipped(m_input, reason);
    finish(ConversionOutcome::Skipped);
}

void DocumentConversion::finish(ConversionOutcome outcome)
{
    m_outcome = outcome;
    m_phase = Phase::Done;
    m_items.reset();
    m_cutter.reset();
    m_headings.reset();
}
