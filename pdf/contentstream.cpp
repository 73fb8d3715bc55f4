#include "pdf/contentstream.h"

#include "pdf/format/pdfsyntax.h"

#include <cmath>

namespace tervolanpdf {

void ContentStream::showLine(int points, uint32_t colour, double x, double y,
                             const std::vector<LineLayout::Glyph> &glyphs,
                             const std::vector<LineLayout::Span> &spans, bool plain)
{
    if (glyphs.empty())
        return;
    beginText();
    selectFont(*glyphs.front().font, points);
    if (colour != m_colour) {
        m_colour = colour;
        for (int shift = 0; shift <= 16; shift += 8) {
            PdfSyntax::appendReal(m_data, ((colour >> shift) & 0xFF) / 255.0);
            m_data += ' ';
        }
        m_data += "rg\n";
    }
    moveTo(x, y);

    // Glyphs go out in one string; a shift (a tab's extra advance, a
    // mark's offset) turns it into an array.
    m_array = false;
    m_run.clear();
    if (plain)
        showPlain(glyphs);
    else
        showShaped(glyphs, spans, points);
    flushRun();
    raise(0, points);
}

// Nearly every line: its glyphs only add their codes.
void ContentStream::showPlain(const std::vector<LineLayout::Glyph> &glyphs)
{
    for (const LineLayout::Glyph &glyph : glyphs) {
        m_run.push_back(glyph.code);
        if (glyph.extraAdvance != 0)
            shift(glyph.extraAdvance);
    }
}

void ContentStream::showShaped(const std::vector<LineLayout::Glyph> &glyphs,
                               const std::vector<LineLayout::Span> &spans, int points)
{
    auto span = spans.begin();
    for (size_t i = 0; i < glyphs.size(); ++i) {
        if (span != spans.end() && span->begin == i)
            beginSpan(span->text);
        showGlyph(glyphs[i], points);
        if (glyphs[i].extraAdvance != 0)
            shift(glyphs[i].extraAdvance);
        if (span != spans.end() && span->end == i + 1) {
            flushRun();
            m_data += "EMC\n";
            ++span;
        }
    }
}

void ContentStream::selectFont(const std::string &font, int points)
{
    if (&font == m_font && points == m_points)
        return;
    flushRun();
    m_font = &font;
    m_points = points;
    m_data += '/';
    m_data += font;
    m_data += ' ';
    PdfSyntax::appendInteger(m_data, points);
    m_data += " Tf\n";
}

void ContentStream::showGlyph(const LineLayout::Glyph &glyph, int points)
{
    selectFont(*glyph.font, points);
    raise(glyph.rise, points);
    if (glyph.lead != 0)
        shift(glyph.lead);
    m_run.push_back(glyph.code);
}

void ContentStream::shift(float thousandths)
{
    if (!m_array) {
        m_data += '[';
        m_array = true;
    }
    if (!m_run.empty()) {
        PdfSyntax::appendCodes(m_data, m_run.data(), m_run.size());
        m_run.clear();
    }
    PdfSyntax::appendReal(m_data, -thousandths);
}

// Marked content whose actual text readers take instead of the glyphs'
// own.
void ContentStream::beginSpan(const std::u32string &text)
{
    flushRun();
    m_data += "/Span<</ActualText<FEFF";
    for (const char32_t codepoint : text)
        PdfSyntax::appendUtf16Hex(m_data, codepoint);
    m_data += ">>>BDC\n";
}

// A mark set above or below its base: the text rise, in points.
void ContentStream::raise(float thousandths, int points)
{
    if (thousandths == m_rise)
        return;
    flushRun();
    m_rise = thousandths;
    PdfSyntax::appendReal(m_data, thousandths * static_cast<float>(points) / 1000.0);
    m_data += " Ts\n";
}

void ContentStream::beginText()
{
    if (m_inText)
        return;
    m_data += "BT\n";
    m_inText = true;
    m_lineX = m_lineY = m_leading = 0;
}

// Inside the text object, which stays open across lines: a marked sequence
// begun in a text object must end in it.
void ContentStream::beginMarked(int mcid)
{
    beginText();
    m_data += "/P<</MCID ";
    PdfSyntax::appendInteger(m_data, mcid);
    m_data += ">>BDC\n";
}

void ContentStream::endMarked()
{
    m_data += "EMC\n";
}

void ContentStream::beginArtifact()
{
    beginText();
    m_data += "/Artifact BMC\n";
}

// Forms cannot be drawn inside a text object; the next line starts a new
// one, with its font and position set afresh.
void ContentStream::drawForm(const char *name, double x, double y, bool artifact)
{
    finish();
    m_font = nullptr;
    if (artifact)
        m_data += "/Artifact BMC\n";
    m_data += "q 1 0 0 1 ";
    PdfSyntax::appendReal(m_data, x);
    m_data += ' ';
    PdfSyntax::appendReal(m_data, y);
    m_data += " cm ";
    m_data += name;
    m_data += " Do Q\n";
    if (artifact)
        m_data += "EMC\n";
}

// Lines follow each other at one step, so most lines need only T* (next
// line at the leading), a tenth of the bytes of an absolute position: page
// text is mostly glyph codes and these moves, and every byte less is
// compressed and written faster.
void ContentStream::moveTo(double x, double y)
{
    const long long newX = std::llround(x * 100);
    const long long newY = std::llround(y * 100);
    const long long dx = newX - m_lineX;
    const long long dy = newY - m_lineY;
    m_lineX = newX;
    m_lineY = newY;
    if (dx == 0 && dy != 0 && dy == -m_leading) {
        m_data += "T*\n";
        return;
    }
    PdfSyntax::appendReal(m_data, static_cast<double>(dx) / 100.0);
    m_data += ' ';
    PdfSyntax::appendReal(m_data, static_cast<double>(dy) / 100.0);
    if (dy != 0) {
        m_leading = -dy;
        m_data += " TD\n";
    } else {
        m_data += " Td\n";
    }
}

void ContentStream::flushRun()
{
    if (!m_run.empty())
        PdfSyntax::appendCodes(m_data, m_run.data(), m_run.size());
    if (m_array)
        m_data += "]TJ\n";
    else if (!m_run.empty())
        m_data += "Tj\n";
    m_run.clear();
    m_array = false;
}

const std::string &ContentStream::finish()
{
    if (m_inText)
        m_data += "ET\n";
    m_inText = false;
    return m_data;
}

void ContentStream::clear()
{
    m_data.clear();
    m_inText = false;
    m_font = nullptr;
    m_points = 0;
    m_colour = 0;
    m_rise = 0;
}

} // namespace tervolanpdf
