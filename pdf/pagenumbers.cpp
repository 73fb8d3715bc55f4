#include "pdf/pagenumbers.h"

#include "pdf/fonts/fontface.h"
#include "pdf/format/pdfsyntax.h"
#include "platform/text/utf8.h"

namespace tervolanpdf {

namespace {

constexpr std::string_view kNumber = "{n}";
constexpr std::string_view kCount = "{total}";
constexpr const char *kCountName = "/Tot";

void replaceAll(std::string &text, std::string_view what, const std::string &with)
{
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

} // namespace

PageNumbers::PageNumbers(std::string format, PdfObjectWriter &writer, const PageSize &size,
                         bool tagged)
    : m_format(std::move(format))
    , m_writer(writer)
    , m_size(size)
    , m_tagged(tagged)
{
    if (m_format.find(kCount) != std::string::npos)
        m_countForm = m_writer.reserve();
}

// The count is as wide as the page's own number while they have as many
// digits, so the last pages, which readers look at for it, centre exactly.
void PageNumbers::draw(int number, ContentStream &content, LineLayout &layout, DocumentFonts &fonts)
{
    if (!active() || !m_face)
        return;
    std::string text = m_format;
    const std::string digits = std::to_string(number);
    replaceAll(text, kNumber, digits);
    const size_t count = text.find(kCount);
    const std::string before = text.substr(0, count);
    const std::string after = count == std::string::npos ? "" : text.substr(count + kCount.size());
    const double countWidth = count == std::string::npos ? 0 : widthOf(digits);
    double x = (m_size.width / kUnitsPerPoint - widthOf(before) - countWidth - widthOf(after)) / 2;
    show(before, x, content, layout, fonts);
    if (count == std::string::npos)
        return;
    x += widthOf(before);
    content.drawForm(kCountName, x, kBaseline, m_tagged);
    show(after, x + countWidth, content, layout, fonts);
}

void PageNumbers::show(const std::string &text, double x, ContentStream &content,
                       LineLayout &layout, DocumentFonts &fonts)
{
    if (text.empty())
        return;
    layout.layOut(text, *m_face, fonts);
    if (m_tagged)
        content.beginArtifact();
    content.showLine(kPoints, /*colour*/ 0, x, kBaseline, layout.glyphs(), layout.spans(),
                     layout.plain());
    if (m_tagged)
        content.endMarked();
}

// In points at kPoints, from the face's own advances.
double PageNumbers::widthOf(const std::string &text) const
{
    double thousandths = 0;
    for (const char32_t c : Utf8::toUtf32(text))
        thousandths += m_face->widthOf(m_face->glyphFor(c, FontFace::LineScript::Han));
    return thousandths * kPoints / 1000.0;
}

void PageNumbers::finish(int pageCount, LineLayout &layout, DocumentFonts &fonts, int resources)
{
    if (!m_countForm)
        return;
    ContentStream form;
    if (m_face) {
        layout.layOut(std::to_string(pageCount), *m_face, fonts);
        form.showLine(kPoints, /*colour*/ 0, 0, 0, layout.glyphs(), layout.spans(), layout.plain());
    }
    std::string entries = "/Type/XObject/Subtype/Form/BBox[0 -";
    PdfSyntax::appendInteger(entries, kPoints);
    entries += ' ';
    PdfSyntax::appendInteger(entries, 10 * kPoints);
    entries += ' ';
    PdfSyntax::appendInteger(entries, 2 * kPoints);
    entries += "]/Resources ";
    PdfSyntax::appendInteger(entries, resources);
    entries += " 0 R";
    m_writer.writeStream(m_countForm, entries, form.finish(), /*compress*/ false);
}

std::string PageNumbers::resourceEntry() const
{
    if (!m_countForm)
        return "";
    std::string entry = "/XObject<<";
    entry += kCountName;
    entry += ' ';
    PdfSyntax::appendInteger(entry, m_countForm);
    entry += " 0 R>>";
    return entry;
}

} // namespace tervolanpdf
