#include "pdf/pdfbox.h"

#include "pdf/fonts/fontcatalog.h"
#include "pdf/pdfdocument.h"
#include "pdf/tervolanpdf.h"

namespace tervolanpdf {

namespace {

bool isTextProperty(int property)
{
    switch (property) {
    case PDF_OUTPUT_PATH:
    case PDF_FONT_NAME:
    case PDF_PAGE_SIZE:
    case PDF_AUTHOR:
    case PDF_KEYWORDS:
    case PDF_CREATOR:
    case PDF_LANGUAGE:
    case PDF_HEADING_TITLE:
    case PDF_PAGE_NUMBERS:
    case PDF_FONT_STAND_IN:
    case PDF_FONT_ANSWERS: return true;
    default: return false;
    }
}

bool isNumberProperty(int property)
{
    switch (property) {
    case PDF_TEXT_ATTRIBUTE:
    case PDF_TEXT_COLOR:
    case PDF_FONT_SIZE:
    case PDF_PAGE_HEIGHT:
    case PDF_RESERVED_44:
    case PDF_ARCHIVAL:
    case PDF_TAGGED:
    case PDF_PARAGRAPH:
    case PDF_HEADING_LEVEL:
    case PDF_KEEP_EXISTING:
    case PDF_OUTPUT_TAKEN:
    case PDF_MISSING_GLYPH_COUNT:
    case PDF_MISSING_GLYPH_INDEX:
    case PDF_MISSING_GLYPH: return true;
    default: return false;
    }
}

[[noreturn]] void refuseProperty(int property, bool wantedText)
{
    const std::string number = std::to_string(property);
    if (wantedText && isNumberProperty(property))
        throw PdfError("property " + number + " holds a number, not text");
    if (!wantedText && isTextProperty(property))
        throw PdfError("property " + number + " holds text, not a number");
    throw PdfError("unknown property " + number);
}

} // namespace

PdfBox::PdfBox() = default;
PdfBox::~PdfBox() = default;

void PdfBox::setText(int property, std::string text)
{
    switch (property) {
    case PDF_OUTPUT_PATH: m_info.outputPath = std::move(text); return;
    case PDF_FONT_NAME: m_style.fontName = std::move(text); return;
    case PDF_PAGE_SIZE: m_info.pageSize = pageSizeFor(text); return;
    case PDF_AUTHOR: m_info.author = std::move(text); return;
    case PDF_KEYWORDS: m_info.keywords = std::move(text); return;
    case PDF_CREATOR: m_info.creator = std::move(text); return;
    case PDF_LANGUAGE: m_info.language = std::move(text); return;
    case PDF_HEADING_TITLE: m_headingTitle = std::move(text); return;
    case PDF_PAGE_NUMBERS: m_info.pageNumbers = std::move(text); return;
    case PDF_FONT_ANSWERS:
        if (!text.empty())
            FontCatalog::instance().keepAnswersIn(std::move(text));
        return;
    case PDF_FONT_STAND_IN: throw PdfError("property 63 (font stand-in) is read only");
    default: refuseProperty(property, /*wantedText*/ true);
    }
}

std::string PdfBox::text(int property) const
{
    if (property == PDF_FONT_STAND_IN)
        return FontCatalog::instance().standIn(m_style.fontName);
    if (isTextProperty(property))
        throw PdfError("property " + std::to_string(property) + " cannot be read");
    refuseProperty(property, /*wantedText*/ true);
}

void PdfBox::setNumber(int property, int value)
{
    switch (property) {
    case PDF_TEXT_ATTRIBUTE: m_attribute = value; return;
    case PDF_TEXT_COLOR:
        m_colourValue = value;
        m_style.colour = static_cast<uint32_t>(value) & 0xFFFFFF;
        return;
    case PDF_FONT_SIZE: m_style.fontSize = value < 1 ? 12 : value; return;
    case PDF_RESERVED_44: m_reserved44 = value; return;
    case PDF_ARCHIVAL: m_info.archival = value != 0; return;
    case PDF_TAGGED: m_info.tagged = value != 0; return;
    case PDF_PARAGRAPH: m_paragraph = value; return;
    case PDF_HEADING_LEVEL:
        if (value < 0 || value > 2)
            throw PdfError("property 56 (heading level) must be 0, 1 or 2, not "
                           + std::to_string(value));
        m_headingLevel = value;
        m_headingArmed = value > 0;
        return;
    case PDF_KEEP_EXISTING: m_info.keepExisting = value != 0; return;
    case PDF_MISSING_GLYPH_INDEX:
        // Refused rather than kept, so that property 61 never reads -1.
        if (value < 0)
            throw PdfError("property 61 (missing glyph index) cannot be negative");
        m_missingIndex = value;
        return;
    case PDF_PAGE_HEIGHT: throw PdfError("property 34 (page height) is read-only");
    case PDF_OUTPUT_TAKEN:
    case PDF_MISSING_GLYPH_COUNT:
    case PDF_MISSING_GLYPH:
        throw PdfError("property " + std::to_string(property) + " is read-only");
    default: refuseProperty(property, /*wantedText*/ false);
    }
}

int PdfBox::number(int property) const
{
    switch (property) {
    case PDF_TEXT_ATTRIBUTE: return m_attribute;
    case PDF_TEXT_COLOR: return m_colourValue;
    case PDF_FONT_SIZE: return m_style.fontSize;
    case PDF_RESERVED_44: return m_reserved44;
    case PDF_ARCHIVAL: return m_info.archival ? 1 : 0;
    case PDF_TAGGED: return m_info.tagged ? 1 : 0;
    case PDF_PARAGRAPH: return m_paragraph;
    case PDF_HEADING_LEVEL: return m_headingLevel;
    case PDF_KEEP_EXISTING: return m_info.keepExisting ? 1 : 0;
    case PDF_OUTPUT_TAKEN: return m_outputTaken ? 1 : 0;
    // While a document is open its pages keep the size they were opened
    // with, and the page-break test must measure those pages.
    case PDF_PAGE_HEIGHT:
        return m_document ? m_document->pageSize().height : m_info.pageSize.height;
    case PDF_MISSING_GLYPH_COUNT: return static_cast<int>(missingCharacters().size());
    case PDF_MISSING_GLYPH_INDEX: return m_missingIndex;
    case PDF_MISSING_GLYPH: {
        const std::vector<char32_t> &missing = missingCharacters();
        if (static_cast<size_t>(m_missingIndex) >= missing.size())
            throw PdfError("property 62: missing glyph index " + std::to_string(m_missingIndex)
                           + " is past the count " + std::to_string(missing.size()));
        return static_cast<int>(missing[static_cast<size_t>(m_missingIndex)]);
    }
    default: refuseProperty(property, /*wantedText*/ false);
    }
}

void PdfBox::beginDoc()
{
    m_document.reset();
    m_lastMissing.clear();
    m_outputTaken = false;
    if (m_info.outputPath.empty())
        throw PdfError("no output path set (property 10 is empty)");
    m_document = std::make_unique<PdfDocument>(m_info);
}

void PdfBox::textOut(int x, int y, const char *text)
{
    PdfDocument &document = openDocument("TextOut");
    const FontFace &face = currentFace();
    try {
        if (m_headingArmed) {
            document.addHeading(m_headingLevel,
                                m_headingTitle.empty() && text ? text : m_headingTitle, y);
            m_headingArmed = false;
        }
        document.drawText(x, y, text ? text : "", face, m_style, m_paragraph, m_headingLevel);
    } catch (const PdfWriteError &error) {
        // A document that cannot be written any more is of no use; drop it
        // now so its temporary file goes at once.
        m_document.reset();
        throw PdfError(std::string(error.what()) + "; the document was abandoned");
    }
}

void PdfBox::newPage()
{
    PdfDocument &document = openDocument("NewPage");
    if (document.numbersPages())
        document.useNumberFace(currentFace());
    try {
        document.newPage();
    } catch (const PdfWriteError &error) {
        m_document.reset();
        throw PdfError(std::string(error.what()) + "; the document was abandoned");
    }
}

void PdfBox::endDoc()
{
    if (openDocument("EndDoc").numbersPages())
        m_document->useNumberFace(currentFace());
    // Whatever finish() does, the document is closed afterwards; a failed
    // one takes its temporary file with it.
    const std::unique_ptr<PdfDocument> document = std::move(m_document);
    m_lastMissing = document->missingCharacters();
    try {
        document->finish();
    } catch (const PdfOutputTaken &) {
        m_outputTaken = true;
        throw;
    }
}

const std::vector<char32_t> &PdfBox::missingCharacters() const
{
    return m_document ? m_document->missingCharacters() : m_lastMissing;
}

PdfDocument &PdfBox::openDocument(const char *action)
{
    if (!m_document)
        throw PdfError(std::string(action) + " without an open document (call BeginDoc first)");
    return *m_document;
}

const FontFace &PdfBox::currentFace()
{
    if (!m_face || m_faceName != m_style.fontName) {
        m_face = &FontCatalog::instance().face(m_style.fontName);
        m_faceName = m_style.fontName;
    }
    return *m_face;
}

} // namespace tervolanpdf
