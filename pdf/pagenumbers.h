// Page numbers at the foot of every page: a format whose "{n}" is the
// page's number and "{total}" the document's page count, centred, its
// baseline kBaseline above the bottom edge, below the lines the job places.
// The count is known only at the end, so every page draws it as one Form
// XObject written then: memory holds nothing per page.
#ifndef TERVOLANPDF_PAGENUMBERS_H
#define TERVOLANPDF_PAGENUMBERS_H

#include "pdf/contentstream.h"
#include "pdf/fonts/documentfonts.h"
#include "pdf/format/pdfobjectwriter.h"
#include "pdf/tervolanpdf-private.h"
#include "pdf/text/linelayout.h"

#include <string>

namespace tervolanpdf {

class FontFace;

class PageNumbers {
public:
    static constexpr int kPoints = 10;
    static constexpr double kBaseline = 80 / kUnitsPerPoint; // 8 mm

    // format "" numbers no page. A tagged document marks the numbers as
    // artifacts, no part of the text's structure.
    PageNumbers(std::string format, PdfObjectWriter &writer, const PageSize &size, bool tagged);

    bool active() const { return !m_format.empty(); }
    // The face the numbers are drawn in: the first the document uses.
    void useFace(const FontFace &face)
    {
        if (!m_face)
            m_face = &face;
    }

    // Draws number's footer into content. Throws PdfError.
    void draw(int number, ContentStream &content, LineLayout &layout, DocumentFonts &fonts);
    // Writes the page count's form, when the format names it; before the
    // fonts are written, so that they hold its digits. Throws PdfError.
    void finish(int pageCount, LineLayout &layout, DocumentFonts &fonts, int resources);
    // The resource entry naming that form, "" without one.
    std::string resourceEntry() const;

private:
    double widthOf(const std::string &text) const;
    void show(const std::string &text, double x, ContentStream &content, LineLayout &layout,
              DocumentFonts &fonts);

    std::string m_format;
    PdfObjectWriter &m_writer;
    PageSize m_size;
    bool m_tagged;
    const FontFace *m_face = nullptr;
    int m_countForm = 0; // reserved when the format names the count
};

} // namespace tervolanpdf

#endif
