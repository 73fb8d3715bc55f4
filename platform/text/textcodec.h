#pragma once

#include <string>
#include <string_view>

// Converts between GB18030 (this build's "ANSI code page", a superset of
// GBK) and Unicode through iconv. Decoding never fails: a byte sequence that
// is not GB18030 becomes U+FFFD, so a damaged file still loads.
class TextCodec {
public:
    TextCodec();
    ~TextCodec();
    TextCodec(const TextCodec &) = delete;
    TextCodec &operator=(const TextCodec &) = delete;

    // Decodes the next block of a GB18030 stream, appending to out. A
    // sequence cut at the end of a block is kept for the next call; with
    // final set it becomes U+FFFD instead. Returns how many U+FFFD it wrote
    // for bytes that are not GB18030.
    size_t decode(std::string_view bytes, bool final, std::u32string &out);
    void reset();

    static std::u32string gb18030ToUtf32(std::string_view bytes);
    static std::string gb18030ToUtf8(std::string_view bytes);
    // A character with no GB18030 code here is written as "?" and counted
    // in unencodable when given: a lone surrogate, or one of the 24
    // private-use code points whose codes GB18030-2022 gave to other
    // characters.
    static std::string utf32ToGb18030(std::u32string_view text, size_t *unencodable = nullptr);
    static std::string utf8ToGb18030(std::string_view text, size_t *unencodable = nullptr);

private:
    void *m_decoder; // iconv_t
    std::string m_pending;
};
