// Compression of stream data (FlateDecode, zlib format). One compressor is
// kept for a whole document, so that each page costs no set-up. libdeflate
// compresses a whole buffer in one call at about a third of zlib's time for
// the same level, with output as small; zlib takes the one stream that
// comes in parts (libdeflate has no streaming).
#ifndef TERVOLANPDF_DEFLATER_H
#define TERVOLANPDF_DEFLATER_H

#include <zlib.h>

#include <cstddef>
#include <functional>
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

    // Data from which compressOnTwoThreads() shares the work: below it a
    // thread costs more than it saves.
    static constexpr size_t kTwoThreadBytes = 256 * 1024;

    // The same as compress() for a large stream (a font program) while a
    // core is spare: the front part is compressed by zlib on a thread of
    // its own, ended byte-aligned but not final, the rest by libdeflate
    // on the caller's, and the two joined into one zlib stream. The bytes
    // differ from compress()'s, a little more of them. Below
    // kTwoThreadBytes it is compress(). Throws PdfError.
    void compressOnTwoThreads(std::string_view data, std::string &out);

    // The same as compress() for a large stream (a font program), the
    // work shared by two threads where twoThreads is set. Where matching
    // strings saves little (a font program of thousands of glyphs), each
    // byte is coded alone, at a tenth of the time for some 8 % more bytes.
    void compressLarge(std::string_view data, bool twoThreads, std::string &out);

    // The same for data too large to hold at once, given in parts: start()
    // begins a stream, each add() appends the compressed bytes of its part
    // to out, the one with last set ends the stream. Throws PdfError.
    void start();
    void add(std::string_view part, bool last, std::string &out);

    // The Adler-32 checksum of the data last given to compress() or
    // compressOnTwoThreads(), as the stream's trailer holds it.
    unsigned long dataChecksum() const { return m_lastChecksum; }

private:
    // Appends one half's compressed blocks to its string.
    using Half = std::function<void(std::string_view, std::string &)>;

    std::string rawDeflate(std::string_view data);
    void joinHalves(std::string_view data, size_t frontBytes, const Half &front, const Half &back,
                    std::string &out);
    bool matchingPays(std::string_view data);
    void compressLiterals(std::string_view data, bool twoThreads, std::string &out);

    int m_level;
    libdeflate_compressor *m_compressor;
    unsigned long m_lastChecksum = 1;
    z_stream m_parts{};
    bool m_partsReady = false;
};

} // namespace tervolanpdf

#endif
