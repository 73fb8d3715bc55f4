#include "platform/text/textcodec.h"

#include "platform/text/utf8.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

namespace {

const char *utf32Name()
{
    return std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";
}

iconv_t openOrThrow(const char *to, const char *from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    return cd;
}

} // namespace

TextCodec::TextCodec() : m_decoder(openOrThrow(utf32Name(), "GB18030")) {}

TextCodec::~TextCodec()
{
    iconv_close(iconv_t(m_decoder));
}

void TextCodec::reset()
{
    iconv(iconv_t(m_decoder), nullptr, nullptr, nullptr, nullptr);
    m_pending.clear();
}

size_t TextCodec::decode(std::string_view bytes, bool final, std::u32string &out)
{
    size_t replaced = 0;
    std::string joined;
    if (!m_pending.empty()) {
        joined = m_pending + std::string(bytes);
        bytes = joined;
        m_pending.clear();
    }
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = bytes.size();
    size_t start = out.size();
    out.resize(start + inLeft + 4);
    char *outPtr = reinterpret_cast<char *>(out.data() + start);
    size_t outLeft = inLeft * sizeof(char32_t) + 4 * sizeof(char32_t);
    while (inLeft > 0) {
        size_t done = iconv(iconv_t(m_decoder), &in, &inLeft, &outPtr, &outLeft);
        if (done != size_t(-1))
            break;
        if (errno == EINVAL && !final) {
            m_pending.assign(in, inLeft);
            break;
        }
        // An invalid or truncated sequence: one replacement, skip one byte.
        // Every byte yields at most one character, so the output cannot run
        // short here.
        *reinterpret_cast<char32_t *>(outPtr) = 0xFFFD;
        outPtr += sizeof(char32_t);
        outLeft -= sizeof(char32_t);
        ++in;
        --inLeft;
        ++replaced;
        iconv(iconv_t(m_decoder), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize((reinterpret_cast<char32_t *>(outPtr)) - out.data());
    return replaced;
}

std::u32string TextCodec::gb18030ToUtf32(std::string_view bytes)
{
    TextCodec codec;
    std::u32string out;
    codec.decode(bytes, true, out);
    return out;
}

std::string TextCodec::gb18030ToUtf8(std::string_view bytes)
{
    return Utf8::fromUtf32(gb18030ToUtf32(bytes));
}

std::string TextCodec::utf32ToGb18030(std::u32string_view text, size_t *unencodable)
{
    size_t failed = 0;
    iconv_t cd = openOrThrow("GB18030", utf32Name());
    std::string out;
    for (char32_t c : text) {
        char in[4];
        std::memcpy(in, &c, 4);
        char buffer[8];
        char *inPtr = in;
        char *outPtr = buffer;
        size_t inLeft = 4;
        size_t outLeft = sizeof buffer;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) {
            out.push_back('?');
            ++failed;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            continue;
        }
        out.append(buffer, outPtr - buffer);
    }
    iconv_close(cd);
    if (unencodable)
        *unencodable = failed;
    return out;
}

std::string TextCodec::utf8ToGb18030(std::string_view text, size_t *unencodable)
{
    return utf32ToGb18030(Utf8::toUtf32(text), unencodable);
}
