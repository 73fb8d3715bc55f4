#include "pdfobjectwriter.h"

#include "deflater.h"
#include "pdfsyntax.h"
#include "tempfile.h"
#include "tervolanpdf-private.h"

#include <algorithm>

namespace tervolanpdf {

namespace {

// Large enough that writes are few, small enough to stay out of the way of
// the one-page memory budget.
constexpr size_t kFlushSize = 64 * 1024;

// Cross-reference lines copied into the file per round.
constexpr int kXrefLinesPerCopy = 2048;

} // namespace

PdfObjectWriter::PdfObjectWriter(TempFile &file, Deflater &deflater)
    : m_file(file)
    , m_deflater(deflater)
    , m_xref(file.folder(), file.target())
{
    m_buffer.reserve(kFlushSize * 2);
    // The second line's high bytes tell transfer programs the file is binary.
    m_buffer += "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
}

int PdfObjectWriter::reserve()
{
    return m_objectCount++;
}

void PdfObjectWriter::beginObject(int number)
{
    m_xref.record(number, m_written + m_buffer.size());
    PdfSyntax::appendInteger(m_buffer, number);
    m_buffer += " 0 obj\n";
}

void PdfObjectWriter::endObject()
{
    m_buffer += "\nendobj\n";
    flushIfFull();
}

void PdfObjectWriter::writeStream(int number, std::string_view entries, std::string_view data,
                                  bool compress)
{
    if (compress) {
        m_deflater.compress(data, m_compressed);
        data = m_compressed;
    }
    beginObject(number);
    m_buffer += "<<";
    m_buffer += entries;
    if (compress)
        m_buffer += "/Filter/FlateDecode";
    m_buffer += "/Length ";
    PdfSyntax::appendInteger(m_buffer, static_cast<long long>(data.size()));
    m_buffer += ">>\nstream\n";
    m_buffer += data;
    m_buffer += "\nendstream";
    endObject();
}

void PdfObjectWriter::finish(int root, int info)
{
    const uint64_t xref = m_written + m_buffer.size();
    m_buffer += "xref\n0 ";
    PdfSyntax::appendInteger(m_buffer, m_objectCount);
    m_buffer += "\n0000000000 65535 f \n";
    for (int first = 1; first < m_objectCount; first += kXrefLinesPerCopy) {
        m_xref.appendEntries(first, std::min(kXrefLinesPerCopy, m_objectCount - first), m_buffer);
        flushIfFull();
    }
    m_buffer += "trailer\n<</Size ";
    PdfSyntax::appendInteger(m_buffer, m_objectCount);
    m_buffer += "/Root ";
    PdfSyntax::appendInteger(m_buffer, root);
    m_buffer += " 0 R/Info ";
    PdfSyntax::appendInteger(m_buffer, info);
    m_buffer += " 0 R>>\nstartxref\n";
    PdfSyntax::appendInteger(m_buffer, static_cast<long long>(xref));
    m_buffer += "\n%%EOF\n";
    flush();
}

void PdfObjectWriter::flushIfFull()
{
    if (m_buffer.size() >= kFlushSize)
        flush();
}

void PdfObjectWriter::flush()
{
    if (!m_file.write(m_buffer.data(), m_buffer.size())) {
        throw PdfWriteError("cannot write \"" + m_file.target()
                            + "\": " + errnoText(m_file.writeError()));
    }
    m_written += m_buffer.size();
    m_buffer.clear();
}

} // namespace tervolanpdf
