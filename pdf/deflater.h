// zlib compression of stream data, one stream state kept for a whole
// document so that each page costs a reset rather than a fresh set-up.
#ifndef TERVOLANPDF_DEFLATER_H
#define TERVOLANPDF_DEFLATER_H

#include <zlib.h>

#include <string>
#include <string_view>

namespace tervolanpdf {

class Deflater {
public:
    // level is zlib's 1 (fastest) to 9 (smallest). Throws PdfError when zlib
    // cannot set up (out of memory).
    explicit Deflater(int level);
    ~Deflater();

    Deflater(const Deflater &) = delete;
    Deflater &operator=(const Deflater &) = delete;

    // Replaces out with the zlib stream (FlateDecode) of data. Throws
    // PdfError on a zlib failure.
    void compress(std::string_view data, std::string &out);

    // The same for data too large to hold at once, given in parts: start()
    // begins a stream, each add() appends the compressed bytes of its part
    // to out, the one with last set ends the stream. Throws PdfError.
    void start();
    void add(std::string_view part, bool last, std::string &out);

    // The Adler-32 checksum of the data last compressed, which zlib works
    // out anyway for its stream trailer.
    unsigned long dataChecksum() const { return m_stream.adler; }

private:
    z_stream m_stream{};
};

} // namespace tervolanpdf

#endif
