#include "pdfdocument.h"

#include "fontface.h"

#include <cairo-pdf.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <mutex>

namespace tervolanpdf {

namespace {

// With SOURCE_DATE_EPOCH set, the creation date comes from it, so a build
// that converts the same text twice gets identical files. Returns "" when
// it is unset or not a number.
std::string sourceDateEpoch()
{
    const char *value = std::getenv("SOURCE_DATE_EPOCH");
    if (!value || !*value)
        return {};
    char *end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(value, &end, 10);
    if (*end != '\0' || errno != 0 || seconds < 0)
        return {};
    const auto when = static_cast<time_t>(seconds);
    tm utc{};
    if (!gmtime_r(&when, &utc))
        return {};
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// cairo reads the clock and the time zone while it sets up a PDF surface;
// glibc's time-zone state is shared, so surfaces are created one at a time.
std::mutex surfaceCreation;

void setIfGiven(cairo_surface_t *surface, cairo_pdf_metadata_t item, const std::string &value)
{
    if (!value.empty())
        cairo_pdf_surface_set_metadata(surface, item, value.c_str());
}

} // namespace

PdfDocument::PdfDocument(const DocumentInfo &info)
    : m_file(info.outputPath + ".pdf")
    , m_pageSize(info.pageSize)
{
    {
        std::lock_guard lock(surfaceCreation);
        m_surface = cairo_pdf_surface_create_for_stream(
            &TempFile::write, &m_file, m_pageSize.width / kUnitsPerPoint,
            m_pageSize.height / kUnitsPerPoint);
    }
    createContext();
    setMetadata(info);
    try {
        check("create the document");
    } catch (...) {
        releaseCairo();
        throw;
    }
}

PdfDocument::~PdfDocument()
{
    releaseCairo();
}

void PdfDocument::createContext()
{
    m_cairo = cairo_create(m_surface);
    // The context works in page units: tenths of a millimetre, y growing
    // downwards as in PDF device space after cairo's flip.
    cairo_scale(m_cairo, 1 / kUnitsPerPoint, 1 / kUnitsPerPoint);
    cairo_set_source_rgb(m_cairo, 0, 0, 0);
    m_face = nullptr;
    m_points = 0;
    m_colour = 0;
}

void PdfDocument::releaseCairo()
{
    // Finishing an abandoned surface would only write bytes that are about
    // to be deleted; destroying it is enough.
    if (m_cairo)
        cairo_destroy(m_cairo);
    if (m_surface)
        cairo_surface_destroy(m_surface);
    m_cairo = nullptr;
    m_surface = nullptr;
}

void PdfDocument::setMetadata(const DocumentInfo &info)
{
    setIfGiven(m_surface, CAIRO_PDF_METADATA_AUTHOR, info.author);
    setIfGiven(m_surface, CAIRO_PDF_METADATA_KEYWORDS, info.keywords);
    setIfGiven(m_surface, CAIRO_PDF_METADATA_CREATOR, info.creator);
    setIfGiven(m_surface, CAIRO_PDF_METADATA_CREATE_DATE, sourceDateEpoch());
}

void PdfDocument::drawText(int x, int y, std::string_view text, const FontFace &face,
                           const TextStyle &style)
{
    if (style.fontSize > kMaxFontSize) {
        throw PdfError("font size " + std::to_string(style.fontSize)
                       + " points is too large to draw (at most "
                       + std::to_string(kMaxFontSize) + ")");
    }
    useFont(face, style.fontSize);
    useColour(style.colour);
    // y is the top of the line; the baseline lies one ascent below it.
    const double baseline = y + face.ascent() * m_size / face.unitsPerEm();
    m_shaper.shape(face, m_size, x, baseline, text);
    if (m_shaper.glyphs().empty())
        return;
    const std::string &shown = m_shaper.text();
    cairo_show_text_glyphs(m_cairo, shown.data(), static_cast<int>(shown.size()),
                           m_shaper.glyphs().data(), static_cast<int>(m_shaper.glyphs().size()),
                           m_shaper.clusters().data(),
                           static_cast<int>(m_shaper.clusters().size()),
                           static_cast<cairo_text_cluster_flags_t>(0));
    check("draw text");
}

void PdfDocument::useFont(const FontFace &face, int points)
{
    if (&face == m_face && points == m_points)
        return;
    if (&face != m_face)
        cairo_set_font_face(m_cairo, face.cairoFace());
    m_face = &face;
    m_points = points;
    m_size = points * kUnitsPerPoint;
    cairo_set_font_size(m_cairo, m_size);
}

void PdfDocument::useColour(uint32_t colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    cairo_set_source_rgb(m_cairo, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                         ((colour >> 16) & 0xFF) / 255.0);
}

void PdfDocument::newPage()
{
    cairo_show_page(m_cairo);
    check("start a new page");
}

void PdfDocument::finish()
{
    // cairo drops a last page that holds nothing, but a page started by
    // NewPage is part of the document even when no line followed.
    cairo_show_page(m_cairo);
    check("close the last page");
    cairo_destroy(m_cairo);
    m_cairo = nullptr;
    cairo_surface_finish(m_surface);
    check("finish the document");
    m_file.commit();
}

// cairo reports a failed write only as a status; the errno kept by the
// temporary file says what really happened (a full disk, most often). A
// failure of the context alone (a font cairo could not scale) spoils one
// line, not the document: a fresh context carries on with the same page.
void PdfDocument::check(const char *doing)
{
    const cairo_status_t surfaceStatus = cairo_surface_status(m_surface);
    const cairo_status_t status = m_cairo ? cairo_status(m_cairo) : CAIRO_STATUS_SUCCESS;
    const std::string what = "cannot " + std::string(doing) + " \"" + m_file.target() + "\": ";
    if (m_file.writeError() != 0)
        throw PdfWriteError(what + errnoText(m_file.writeError()));
    if (surfaceStatus != CAIRO_STATUS_SUCCESS)
        throw PdfWriteError(what + cairo_status_to_string(surfaceStatus));
    if (status != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(m_cairo);
        createContext();
        throw PdfError(what + cairo_status_to_string(status));
    }
}

} // namespace tervolanpdf
