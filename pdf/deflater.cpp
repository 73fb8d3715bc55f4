#include "deflater.h"

#include "tervolanpdf-private.h"

#include <libdeflate.h>

namespace tervolanpdf {

Deflater::Deflater(int level) : m_compressor(libdeflate_alloc_compressor(level))
{
    if (!m_compressor)
        throw PdfError("cannot set up compression (out of memory)");
}

Deflater::~Deflater()
{
    libdeflate_free_compressor(m_compressor);
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
}

} // namespace tervolanpdf
