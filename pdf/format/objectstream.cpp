#include "pdf/format/objectstream.h"

#include "pdf/format/pdfsyntax.h"

namespace tervolanpdf {

int ObjectStream::add(int number, std::string_view body)
{
    PdfSyntax::appendInteger(m_offsets, number);
    m_offsets += ' ';
    PdfSyntax::appendInteger(m_offsets, static_cast<long long>(m_bodies.size()));
    m_offsets += ' ';
    m_bodies += body;
    m_bodies += '\n';
    return m_count++;
}

std::string ObjectStream::entries() const
{
    std::string out = "/Type/ObjStm/N ";
    PdfSyntax::appendInteger(out, m_count);
    out += "/First ";
    PdfSyntax::appendInteger(out, static_cast<long long>(m_offsets.size()));
    return out;
}

std::string ObjectStream::data() const
{
    return m_offsets + m_bodies;
}

void ObjectStream::clear()
{
    m_offsets.clear();
    m_bodies.clear();
    m_count = 0;
}

} // namespace tervolanpdf
