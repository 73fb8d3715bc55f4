#include "pdf/pdfdocument.h"

#include "pdf/fonts/facelanguage.h"
#include "pdf/fonts/fontface.h"
#include "pdf/format/pdfsyntax.h"
#include "pdf/metadata/creationdate.h"
#include "pdf/metadata/srgbprofile.h"
#include "pdf/metadata/xmpmetadata.h"
#include "pdf/text/scriptlanguage.h"

namespace tervolanpdf {

namespace {

// Level 1 compresses page text to about a third, at a fraction of the time
// of the default level; the fonts, written once, use it too, since a
// higher level gains them under 2 % for twice the time.
constexpr int kPageCompression = 1;

constexpr const char *kProducer = "Tervolan";

// PDF/A-1 allows neither object nor cross-reference streams.
PdfObjectWriter::Layout layoutFor(const DocumentInfo &info)
{
    return info.archival ? PdfObjectWriter::Layout::Classic
                         : PdfObjectWriter::Layout::ObjectStreams;
}

// The information fields as both the document information and the XMP
// metadata can hold them alike.
DocumentInfo withPlainText(DocumentInfo info)
{
    for (std::string *field : {&info.author, &info.keywords, &info.creator})
        *field = XmpMetadata::plainText(*field);
    return info;
}

} // namespace

PdfDocument::PdfDocument(const DocumentInfo &info)
    : m_info(withPlainText(info))
    , m_file(info.outputPath + ".pdf")
    , m_pageSize(info.pageSize)
    , m_deflater(kPageCompression)
    , m_background(m_deflater)
    , m_writer(m_file, m_deflater, m_background, layoutFor(info))
    , m_layout(info.archival)
    , m_fonts(m_writer)
    , m_catalog(m_writer.reserve())
    , m_pageTree(m_writer, m_writer.reserve())
    , m_outline(m_writer)
    , m_pageNumbers(info.pageNumbers, m_writer, info.pageSize, info.tagged)
{
    m_resources = m_writer.reserve();
    m_infoObject = m_writer.reserve();
    if (info.tagged)
        m_structure = std::make_unique<StructureTree>(m_writer, m_file.folder(), m_file.target(),
                                                      m_info.language);
    const CreationDate date;
    m_creationDate = date.pdf();
    m_xmpDate = date.xmp();
}

PdfDocument::~PdfDocument() = default;

void PdfDocument::drawText(int x, int y, std::string_view text, const FontFace &face,
                           const TextStyle &style, int paragraph, int headingLevel)
{
    if (style.fontSize > kMaxFontSize) {
        throw PdfError("font size " + std::to_string(style.fontSize)
                       + " points is too large to draw (at most " + std::to_string(kMaxFontSize)
                       + ")");
    }
    if (!m_languageNamed) {
        // Chinese drawn in a Taiwan or Hong Kong face says so in its /Lang.
        m_info.language = FaceLanguage::documentLanguage(m_info.language, face.language());
        m_languageNamed = true;
    }
    m_pageNumbers.useFace(face);
    m_layout.layOut(text, face, m_fonts);
    // y is the top of the line; the baseline lies one ascent below it.
    // PDF measures from the bottom edge in points.
    const double points = style.fontSize;
    const double baseline = y / kUnitsPerPoint + face.ascent() * points / face.unitsPerEm();
    const bool marked = m_structure && !m_layout.glyphs().empty();
    if (marked)
        m_content.beginMarked(m_structure->markPiece(
            currentPage(), paragraph, ScriptLanguage::of(m_layout.codepoints()), headingLevel));
    m_content.showLine(style.fontSize, style.colour, x / kUnitsPerPoint,
                       m_pageSize.height / kUnitsPerPoint - baseline, m_layout.glyphs(),
                       m_layout.spans(), m_layout.plain());
    if (marked)
        m_content.endMarked();
}

void PdfDocument::addHeading(int level, std::string title, int y)
{
    m_outline.addHeading(level, std::move(title), (m_pageSize.height - y) / kUnitsPerPoint);
}

// Reserved only when the structure tree must name the page before it is
// written, so untagged documents keep their numbering.
int PdfDocument::currentPage()
{
    if (m_page == 0)
        m_page = m_writer.reserve();
    return m_page;
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
    m_pageNumbers.draw(static_cast<int>(m_pageTree.pageCount()) + 1, m_content, m_layout, m_fonts);
    const int parent = m_pageTree.parentOfNextPage();
    const int content = m_writer.reserve();
    m_writer.writeStreamInBackground(content, m_content.finish());
    m_content.clear();
    const int structParents = m_structure ? m_structure->closePage() : -1;
    const int page = m_page ? m_page : m_writer.reserve();
    m_page = 0;
    std::string &body = m_writer.body();
    m_writer.beginObject(page);
    body += "<</Type/Page/Parent ";
    PdfSyntax::appendInteger(body, parent);
    body += " 0 R/Resources ";
    PdfSyntax::appendInteger(body, m_resources);
    body += " 0 R/Contents ";
    PdfSyntax::appendInteger(body, content);
    body += " 0 R";
    if (structParents >= 0) {
        body += "/StructParents ";
        PdfSyntax::appendInteger(body, structParents);
    }
    body += ">>";
    m_writer.endObject();
    m_pageTree.addPage(page);
    m_outline.pageWritten(page);
}

void PdfDocument::finish()
{
    // The last page counts even when empty: a page started by NewPage is
    // part of the document whether or not a line followed.
    writePage();
    m_pageNumbers.finish(static_cast<int>(m_pageTree.pageCount()), m_layout, m_fonts, m_resources);
    for (const auto &font : m_fonts.all())
        font->write(m_writer, m_info.archival);
    writeResources();

    std::string mediaBox = "/MediaBox[0 0 ";
    PdfSyntax::appendReal(mediaBox, m_pageSize.width / kUnitsPerPoint, /*decimals*/ 3);
    mediaBox += ' ';
    PdfSyntax::appendReal(mediaBox, m_pageSize.height / kUnitsPerPoint, /*decimals*/ 3);
    mediaBox += ']';
    writeCatalog(m_pageTree.finish(mediaBox));
    writeInfo();
    m_writer.finish(m_catalog, m_infoObject);
    m_file.commit(m_info.keepExisting);
}

void PdfDocument::writeResources()
{
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
    body += ">>";
    body += m_pageNumbers.resourceEntry();
    body += ">>";
    m_writer.endObject();
}

void PdfDocument::writeCatalog(int pageTreeRoot)
{
    if (m_structure)
        m_structure->finish();
    const int metadata = writeMetadata();
    const int profile = m_info.archival ? writeOutputProfile() : 0;
    const int outline = m_outline.finish();

    std::string &body = m_writer.body();
    m_writer.beginObject(m_catalog);
    body += "<</Type/Catalog/Pages ";
    PdfSyntax::appendInteger(body, pageTreeRoot);
    body += " 0 R/Metadata ";
    PdfSyntax::appendInteger(body, metadata);
    body += " 0 R/Lang";
    PdfSyntax::appendTextString(body, m_info.language.empty() ? "en" : m_info.language);
    if (m_structure) {
        body += "/MarkInfo<</Marked true>>/ViewerPreferences<</DisplayDocTitle true>>"
                "/StructTreeRoot ";
        PdfSyntax::appendInteger(body, m_structure->rootNumber());
        body += " 0 R";
    }
    if (outline) {
        body += "/Outlines ";
        PdfSyntax::appendInteger(body, outline);
        body += " 0 R/PageMode/UseOutlines";
    }
    if (profile) {
        body += "/OutputIntents[<</Type/OutputIntent/S/GTS_PDFA1/OutputConditionIdentifier";
        PdfSyntax::appendLiteral(body, SrgbProfile::kName);
        body += "/RegistryName(http://www.color.org)/Info";
        PdfSyntax::appendLiteral(body, SrgbProfile::kName);
        body += "/DestOutputProfile ";
        PdfSyntax::appendInteger(body, profile);
        body += " 0 R>>]";
    }
    body += ">>";
    m_writer.endObject();
}

// Uncompressed, as PDF/A wants, so that tools that do not parse PDF can
// still find the packet.
int PdfDocument::writeMetadata()
{
    XmpMetadata::Fields fields;
    const std::string documentTitle = title();
    fields.title = documentTitle;
    fields.author = m_info.author;
    fields.keywords = m_info.keywords;
    fields.creatorTool = m_info.creator;
    fields.producer = kProducer;
    fields.createDate = m_xmpDate;
    fields.archival = m_info.archival;
    const int number = m_writer.reserve();
    m_writer.writeStream(number, "/Type/Metadata/Subtype/XML", XmpMetadata::packet(fields),
                         /*compress*/ false);
    return number;
}

int PdfDocument::writeOutputProfile()
{
    const int number = m_writer.reserve();
    m_writer.writeStream(number, "/N 3", SrgbProfile::bytes(), /*compress*/ true);
    return number;
}

// The output's file name without its folder: what a reader shows in its
// title bar.
std::string PdfDocument::title() const
{
    const size_t slash = m_info.outputPath.rfind('/');
    return XmpMetadata::plainText(slash == std::string::npos
                                      ? m_info.outputPath
                                      : std::string_view(m_info.outputPath).substr(slash + 1));
}

void PdfDocument::writeInfo()
{
    std::string &body = m_writer.body();
    m_writer.beginObject(m_infoObject);
    body += "<</Title";
    PdfSyntax::appendTextString(body, title());
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
    body += "/Producer";
    PdfSyntax::appendLiteral(body, kProducer);
    if (!m_creationDate.empty()) {
        body += "/CreationDate";
        PdfSyntax::appendLiteral(body, m_creationDate);
    }
    body += ">>";
    m_writer.endObject();
}

} // namespace tervolanpdf
