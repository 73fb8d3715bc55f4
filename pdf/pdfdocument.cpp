#include "pdfdocument.h"

#include "fontface.h"
#include "pdfsyntax.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>

namespace tervolanpdf {

namespace {

// Level 1 compresses page text to about a third, at a fraction of the time
// of the default level; the fonts, written once, get the default.
constexpr int kPageCompression = 1;

// The creation date: from SOURCE_DATE_EPOCH when set, so that converting
// the same text twice gives identical files, else the clock. Returns ""
// when neither gives a time.
std::string creationDate()
{
    time_t when = 0;
    const char *value = std::getenv("SOURCE_DATE_EPOCH");
    if (value && *value) {
        char *end = nullptr;
        errno = 0;
        const long long seconds = std::strtoll(value, &end, 10);
        if (*end != '\0' || errno != 0 || seconds < 0)
            return {};
        when = static_cast<time_t>(seconds);
    } else {
        when = std::time(nullptr);
    }
    tm utc{};
    if (!gmtime_r(&when, &utc))
        return {};
    char text[32];
    std::strftime(text, sizeof text, "D:%Y%m%d%H%M%SZ", &utc);
    return text;
}

} // namespace

PdfDocument::PdfDocument(const DocumentInfo &info)
    : m_info(info)
    , m_file(info.outputPath + ".pdf")
    , m_pageSize(info.pageSize)
    , m_deflater(kPageCompression)
    , m_writer(m_file, m_deflater)
    , m_fonts(m_writer)
    , m_catalog(m_writer.reserve())
    , m_pageTree(m_writer, m_writer.reserve())
{
    m_resources = m_writer.reserve();
    m_infoObject = m_writer.reserve();
}

PdfDocument::~PdfDocument() = default;

void PdfDocument::drawText(int x, int y, std::string_view text, const FontFace &face,
                           const TextStyle &style)
{
    if (style.fontSize > kMaxFontSize) {
        throw PdfError("font size " + std::to_string(style.fontSize)
                       + " points is too large to draw (at most " + std::to_string(kMaxFontSize)
                       + ")");
    }
    m_layout.layOut(text, face, m_fonts);
    // y is the top of the line; the baseline lies one ascent below it.
    // PDF measures from the bottom edge in points.
    const double points = style.fontSize;
    const double baseline = y / kUnitsPerPoint + face.ascent() * points / face.unitsPerEm();
    m_content.showLine(style.fontSize, style.colour, x / kUnitsPerPoint,
                       m_pageSize.height / kUnitsPerPoint - baseline, m_layout.glyphs(),
                       m_layout.spans(), m_layout.plain());
}

void PdfDocument::newPage()
{
    // The written pages, the one being closed and the one to start.
    m_pageLimit.admit(m_pageTree.pageCount() + 2, m_file.target());
    writePage();
}

// A page is its content stream and a page object pointing at the shared
// resources; only its number stays behind, in the page tree's open node.
void PdfDocument::writePage()
{
    const int parent = m_pageTree.parentOfNextPage();
    const int content = m_writer.reserve();
    m_writer.writeStream(content, {}, m_content.finish(), /*compress*/ true);
    m_content.clear();
    const int page = m_writer.reserve();
    std::string &body = m_writer.body();
    m_writer.beginObject(page);
    body += "<</Type/Page/Parent ";
    PdfSyntax::appendInteger(body, parent);
    body += " 0 R/Resources ";
    PdfSyntax::appendInteger(body, m_resources);
    body += " 0 R/Contents ";
    PdfSyntax::appendInteger(body, content);
    body += " 0 R>>";
    m_writer.endObject();
    m_pageTree.addPage(page);
}

void PdfDocument::finish()
{
    // The last page counts even when empty: a page started by NewPage is
    // part of the document whether or not a line followed.
    writePage();
    for (const auto &font : m_fonts.all())
        font->write(m_writer);

    std::string &body = m_writer.body();
    m_writer.beginObject(m_resources);
    body += "<</Font<<";
    for (const auto &font : m_fonts.all()) {
        body += '/';
        body += font->resourceName();
        body += ' ';
        PdfSyntax::appendInteger(body, font->number());
        body += " 0 R";
    }
    body += ">>>>";
    m_writer.endObject();

    std::string mediaBox = "/MediaBox[0 0 ";
    PdfSyntax::appendReal(mediaBox, m_pageSize.width / kUnitsPerPoint, /*decimals*/ 3);
    mediaBox += ' ';
    PdfSyntax::appendReal(mediaBox, m_pageSize.height / kUnitsPerPoint, /*decimals*/ 3);
    mediaBox += ']';
    const int root = m_pageTree.finish(mediaBox);

    m_writer.beginObject(m_catalog);
    body += "<</Type/Catalog/Pages ";
    PdfSyntax::appendInteger(body, root);
    body += " 0 R>>";
    m_writer.endObject();

    writeInfo();
    m_writer.finish(m_catalog, m_infoObject);
    m_file.commit();
}

void PdfDocument::writeInfo()
{
    std::string &body = m_writer.body();
    m_writer.beginObject(m_infoObject);
    body += "<<";
    const std::pair<const char *, const std::string *> fields[] = {
        {"/Author", &m_info.author},
        {"/Keywords", &m_info.keywords},
        {"/Creator", &m_info.creator},
    };
    for (const auto &[key, value] : fields) {
        if (value->empty())
            continue;
        body += key;
        PdfSyntax::appendTextString(body, *value);
    }
    body += "/Producer(Tervolan)";
    const std::string date = creationDate();
    if (!date.empty()) {
        body += "/CreationDate";
        PdfSyntax::appendLiteral(body, date);
    }
    body += ">>";
    m_writer.endObject();
}

} // namespace tervolanpdf
