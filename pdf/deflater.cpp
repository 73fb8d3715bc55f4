#include "deflater.h"

#include "tervolanpdf-private.h"

namespace tervolanpdf {

Deflater::Deflater(int level)
{
    if (deflateInit(&m_stream, level) != Z_OK)
        throw PdfError("cannot set up compression (out of memory)");
}

Deflater::~Deflater()
{
    deflateEnd(&m_stream);
}

void Deflater::compress(std::string_view data, std::string &out)
{
    deflateReset(&m_stream);
    out.resize(deflateBound(&m_stream, data.size()));
    m_stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    m_stream.avail_in = static_cast<uInt>(data.size());
    m_stream.next_out = reinterpret_cast<Bytef *>(out.data());
    m_stream.avail_out = static_cast<uInt>(out.size());
    // deflateBound leaves room for the whole stream, so one call finishes.
    if (deflate(&m_stream, Z_FINISH) != Z_STREAM_END)
        throw PdfError("cannot compress a stream of " + std::to_string(data.size()) + " bytes");
    out.resize(m_stream.total_out);
}

} // namespace tervolanpdf
