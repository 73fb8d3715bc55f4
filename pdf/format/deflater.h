// Compression of stream data (FlateDecode, zlib format). One compressor is
// kept for a whole document, so that each page costs no set-up. libdeflate
// compresses a whole buffer in one call at about a third of zlib's time for
// the same level, with output as small; zlib takes the one stream that
// comes in parts (libdeflate has no streaming).
#ifndef TERVOLANPDF_DEFLATER_H
#define TERVOLANPDF_DEFLATER_H

#include <zlib.h>

#include <string>
#include <string_view>

struct libdeflate_compressor;

namespace tervolanpdf {

class Deflater {
public:
    // level is 1 (fastest) to 12 (smallest). Throws PdfError when the
    // compressor cannot be set up (out of memory).
    explicit Deflater(int level);
    ~Deflater();

    Deflater(const Deflater &) = delete;
    Deflater &operator=(const Deflater &) = delete;

    // Replaces out with the zlib stream (FlateDecode) of data. Throws
    // PdfError when it cannot.
    void compress(std::string_view data, std::string &out);

    // The same for data too large to hold at once, given in parts: start()
    // begins a stream, each add() appends the compressed bytes of its part
    // to out, the one with last set ends the stream. Throws PdfError.
    void start();
    void add(std::string_view part, bool last, std::string &out);

    // The Adler-32 checksum of the data last given to compress(), read
    // from the stream's trailer where the compressor put it anyway.
    unsigned long dataChecksum() const { return m_lastChecksum; }

private:
    int m_level;
    libdeflate_compressor *m_compressor;
    unsigned long m_lastChecksum = 1;
    z_stream m_parts{};
    bool m_partsReady = false;
};

} // namespace tervolanpdf

#endif
