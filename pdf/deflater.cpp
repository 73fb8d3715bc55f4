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

void Deflater::start()
{
    deflateReset(&m_stream);
}

void Deflater::add(std::string_view part, bool last, std::string &out)
{
    m_stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(part.data()));
    m_stream.avail_in = static_cast<uInt>(part.size());
    const int flush = last ? Z_FINISH : Z_NO_FLUSH;
    int result = Z_OK;
    // Output comes a buffer at a time; zlib may hold some back until the
    // stream ends.
    do {
        char buffer[16 * 1024];
        m_stream.next_out = reinterpret_cast<Bytef *>(buffer);
        m_stream.avail_out = sizeof buffer;
        result = deflate(&m_stream, flush);
        if (result == Z_STREAM_ERROR)
            throw PdfError("cannot compress a stream");
        out.append(buffer, sizeof buffer - m_stream.avail_out);
    } while (m_stream.avail_out == 0 || (last && result != Z_STREAM_END));
}

} // namespace tervolanpdf
