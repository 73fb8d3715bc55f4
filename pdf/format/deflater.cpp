#include "pdf/format/deflater.h"

#include "pdf/format/huffmanonlydeflater.h"
#include "pdf/format/twothreads.h"
#include "pdf/tervolanpdf-private.h"

#include <libdeflate.h>

#include <algorithm>
#include <climits>

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

void appendChecksum(std::string &out, unsigned long checksum)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((checksum >> shift) & 0xFF);
}

// The two bytes that open a zlib stream: deflate with a 32 KB window, the
// class of level (as libdeflate writes it), and the check bits.
std::string zlibHeader(int level)
{
    const unsigned method = 0x78;
    const unsigned levelClass = level < 2 ? 0 : level < 6 ? 1 : level == 6 ? 2 : 3;
    unsigned flags = levelClass << 6;
    flags += (31 - (method * 256 + flags) % 31) % 31;
    return {static_cast<char>(method), static_cast<char>(flags)};
}

// The share of the data zlib takes, in 1/64ths, and how. On a CFF
// program zlib's level 1 matches strings at three times libdeflate's time
// for the same size; Huffman codes alone take 1.4 times and some 6 % more
// bytes. With that share both threads end together, the stream grows by
// about 2.5 % and takes 0.6 of the time; matching strings, zlib could take
// only a quarter, for 0.8 of the time.
constexpr size_t kFrontSixtyFourths = 27;
constexpr int kFrontStrategy = Z_HUFFMAN_ONLY;

// Raw deflate blocks ended by a sync flush, so that none is final and the
// last ends on a byte: another raw stream can follow them.
void appendFlushed(std::string_view data, int level, std::string &out)
{
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, /*memLevel*/ 8, kFrontStrategy)
        != Z_OK)
        throw PdfError("cannot set up compression (out of memory)");
    // The bound holds the blocks; the flush adds an empty stored block.
    const size_t start = out.size();
    out.resize(start + deflateBound(&stream, data.size()) + 16);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data() + start);
    stream.avail_out = static_cast<uInt>(out.size() - start);
    const int result = deflate(&stream, Z_SYNC_FLUSH);
    const bool whole = result == Z_OK && stream.avail_in == 0 && stream.avail_out > 0;
    out.resize(out.size() - stream.avail_out);
    deflateEnd(&stream);
    if (!whole)
        throw PdfError("cannot compress a stream of " + std::to_string(data.size()) + " bytes");
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

void Deflater::compressOnTwoThreads(std::string_view data, std::string &out)
{
    if (data.size() < kTwoThreadBytes || data.size() > UINT_MAX) {
        compress(data, out);
        return;
    }
    joinHalves(
        data, data.size() / 64 * kFrontSixtyFourths,
        [&](std::string_view front, std::string &to) {
            appendFlushed(front, std::min(m_level, Z_BEST_COMPRESSION), to);
        },
        [&](std::string_view back, std::string &to) { to = rawDeflate(back); }, out);
}

// The front's checksum is taken on its thread, the back's on this one, and
// the two combined: the trailer checks the whole data.
void Deflater::joinHalves(std::string_view data, size_t frontBytes, const Half &front,
                          const Half &back, std::string &out)
{
    const std::string_view frontData = data.substr(0, frontBytes);
    const std::string_view backData = data.substr(frontBytes);
    unsigned long frontChecksum = 1;
    unsigned long backChecksum = 1;
    std::string backOut;
    TwoThreads::run(
        [&] {
            out = zlibHeader(m_level);
            front(frontData, out);
            frontChecksum = libdeflate_adler32(1, frontData.data(), frontData.size());
        },
        [&] {
            back(backData, backOut);
            backChecksum = libdeflate_adler32(1, backData.data(), backData.size());
        });
    out += backOut;
    m_lastChecksum
        = adler32_combine(frontChecksum, backChecksum, static_cast<z_off_t>(backData.size()));
    appendChecksum(out, m_lastChecksum);
}

void Deflater::compressLarge(std::string_view data, bool twoThreads, std::string &out)
{
    if (data.size() >= kTwoThreadBytes && data.size() <= UINT_MAX && !matchingPays(data))
        compressLiterals(data, twoThreads, out);
    else if (twoThreads)
        compressOnTwoThreads(data, out);
    else
        compress(data, out);
}

// A sample from the middle (in a font program, glyph programs) coded both
// ways: matching must save a tenth of the bytes to be worth its time. A
// subset of common characters saves over a quarter, one spread over
// thousands of rare ones some 8 %.
bool Deflater::matchingPays(std::string_view data)
{
    constexpr size_t kSampleBytes = 64 * 1024;
    const std::string_view sample = data.substr((data.size() - kSampleBytes) / 2, kSampleBytes);
    std::string literals;
    HuffmanOnlyDeflater::append(sample, /*final*/ true, literals);
    return rawDeflate(sample).size() * 10 < literals.size() * 9;
}

// Two threads take a half each, in whole blocks, the front ended on a byte
// without ending the stream.
void Deflater::compressLiterals(std::string_view data, bool twoThreads, std::string &out)
{
    if (!twoThreads) {
        out = zlibHeader(m_level);
        HuffmanOnlyDeflater::append(data, /*final*/ true, out);
        m_lastChecksum = libdeflate_adler32(1, data.data(), data.size());
        appendChecksum(out, m_lastChecksum);
        return;
    }
    const size_t blocks
        = (data.size() + HuffmanOnlyDeflater::kBlockBytes - 1) / HuffmanOnlyDeflater::kBlockBytes;
    joinHalves(
        data, blocks / 2 * HuffmanOnlyDeflater::kBlockBytes,
        [](std::string_view front, std::string &to) {
            HuffmanOnlyDeflater::append(front, /*final*/ false, to);
        },
        [](std::string_view back, std::string &to) {
            HuffmanOnlyDeflater::append(back, /*final*/ true, to);
        },
        out);
}

std::string Deflater::rawDeflate(std::string_view data)
{
    std::string out(libdeflate_deflate_compress_bound(m_compressor, data.size()), '\0');
    const size_t written = libdeflate_deflate_compress(m_compressor, data.data(), data.size(),
                                                       out.data(), out.size());
    if (written == 0)
        throw PdfError("cannot compress a stream of " + std::to_string(data.size()) + " bytes");
    out.resize(written);
    return out;
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
