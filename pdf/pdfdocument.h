// One open PDF document: a cairo PDF surface streamed into a temporary file
// beside the target, so memory holds one page rather than the document.
#ifndef TERVOLANPDF_PDFDOCUMENT_H
#define TERVOLANPDF_PDFDOCUMENT_H

#include "tempfile.h"
#include "tervolanpdf-private.h"
#include "textshaper.h"

#include <cairo.h>

#include <string_view>

namespace tervolanpdf {

class FontFace;

class PdfDocument {
public:
    // Creates the temporary file and the first page. Throws PdfError when
    // the output folder cannot take the file.
    explicit PdfDocument(const DocumentInfo &info);
    // A document destroyed before finish() is abandoned: its temporary file
    // is removed and nothing appears at the target.
    ~PdfDocument();

    PdfDocument(const PdfDocument &) = delete;
    PdfDocument &operator=(const PdfDocument &) = delete;

    const PageSize &pageSize() const { return m_pageSize; }

    // Draws one line whose top edge is at y (page units from the top of
    // the page) and which starts at x. Throws PdfWriteError when the
    // document can no longer be written (for example, the disk is full),
    // PdfError when only this line could not be drawn.
    void drawText(int x, int y, std::string_view text, const FontFace &face,
                  const TextStyle &style);

    // Closes the current page and starts an empty one of the same size.
    // Throws PdfWriteError when the document can no longer be written.
    void newPage();

    // Writes the end of the document and renames it over the target.
    // Throws PdfError on any failure, leaving the target as it was.
    void finish();

private:
    void setMetadata(const DocumentInfo &info);
    void useFont(const FontFace &face, int points);
    void useColour(uint32_t colour);
    void createContext();
    void check(const char *doing);
    void releaseCairo();

    TempFile m_file;
    PageSize m_pageSize;
    cairo_surface_t *m_surface = nullptr;
    cairo_t *m_cairo = nullptr;
    TextShaper m_shaper;
    // What the cairo context is set to, so a line changes only what differs.
    const FontFace *m_face = nullptr;
    int m_points = 0;
    double m_size = 0; // em size in page units
    uint32_t m_colour = 0;
};

} // namespace tervolanpdf

#endif
