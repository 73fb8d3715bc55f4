#include "pdf/format/deflater.h"

#include "pdf/tervolanpdf-private.h"

#include <libdeflate.h>

namespace tervolanpdf {

namespace {

// A zlib stream ends with the Adler-32 of its data, most significant byte
// first.
unsigned long trailerChecksum(const std::string &stream)
{
    unsigned long checksum = 0;
    for (size_t i = stream.size() - 4; i < stream.size(); ++i)
        checksum = (checksum << 8) | static_cast<unsigned char>(stream[i]);
    return checksum;
}

} // namespace

Deflater::Deflater(int level) : m_level(level), m_compressor(libdeflate_alloc_compressor(level))
{
    if (!m_compressor)
        throw PdfError("cannot set up compression (out of memory)");
}

Deflater::~Deflater()
{
    libdeflate_free_compressor(m_compressor);
    if (m_partsReady)
        deflateEnd(&m_parts);
}

void Deflater::compress(std::string_view data, std::string &out)
{
    // The bound leaves room for the whole stream, so one call finishes.
    out.resize(libdeflate_zlib_compress_bound(m_compressor, data.size()));
    const size_t written
        = libdeflate_zlib_compress(m_compressor, data.data(), data.size(), out.data(), out.size());
    if (written == 0)
        throw PdfError("cannot compress a stream of " + std::to_string(data.size()) + " bytes");
    out.resize(written);
    m_lastChecksum = trailerChecksum(out);
}

void Deflater::start()
{
    if (!m_partsReady) {
        if (deflateInit(&m_parts, m_level) != Z_OK)
            throw PdfError("cannot set up compression (out of memory)");
        m_partsReady = true;
    }
    deflateReset(&m_parts);
}

void Deflater::add(std::string_view part, bool last, std::string &out)
{
    m_parts.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(part.data()));
    m_parts.avail_in = static_cast<uInt>(part.size());
    const int flush = last ? Z_FINISH : Z_NO_FLUSH;
    int result = Z_OK;
    // Output comes a buffer at a time; zlib may hold some back until the
    // stream ends.
    do {
        char buffer[16 * 1024];
        m_parts.next_out = reinterpret_cast<Bytef *>(buffer);
        m_parts.avail_out = sizeof buffer;
        result = deflate(&m_parts, flush);
        if (result == Z_STREAM_ERROR)
            throw PdfError("cannot compress a stream");
        out.append(buffer, sizeof buffer - m_parts.avail_out);
    } while (m_parts.avail_out == 0 || (last && result != Z_STREAM_END));
}

} // namespace tervolanpdf
