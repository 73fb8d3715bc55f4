#pragma once

#include "platform/text/charsource.h"
#include "platform/text/readfailure.h"
#include "platform/text/textcodec.h"

#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

enum class TextEncoding { Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE, Gb18030 };

const char *encodingName(TextEncoding encoding);

// Reads a text file as a stream of characters, a block at a time, so memory
// stays small whatever the size of the file or its lines.
//
// The encoding is taken from a byte-order mark (UTF-8, UTF-16LE/BE,
// UTF-32LE/BE); else a file that is valid UTF-8 but for a few stray bytes
// (Utf8Survey) is UTF-8, and anything else is GB18030. A file with NUL
// bytes and no UTF-16 or UTF-32 mark is refused as binary.
class TextFileReader : public CharSource {
public:
    TextFileReader();
    ~TextFileReader() override;
    TextFileReader(const TextFileReader &) = delete;
    TextFileReader &operator=(const TextFileReader &) = delete;

    // Both return false and set error() when the file cannot be used.
    bool open(const std::string &path);
    bool openAs(const std::string &path, TextEncoding encoding);
    // In the encoding a byte-order mark names, else in unmarked; the mark
    // is no part of the text.
    bool openMarkedOr(const std::string &path, TextEncoding unmarked);
    // Goes back to the first character, for a second pass over the file.
    bool rewind();
    void close();

    TextEncoding encoding() const { return m_encoding; }
    // After openAs: the encoding a byte-order mark at the start names when
    // it is not the one asked for.
    std::optional<TextEncoding> contradictingMark() const { return m_contradictingMark; }
    // Characters read as U+FFFD because their bytes are not valid in the
    // encoding, since the file was opened or rewound.
    long long replacedCount() const { return m_replacedCount; }
    const std::string &error() const { return m_error; }
    const ReadFailure &failure() const { return m_failure; }
    // True when a read failed part way; the stream then ends early.
    bool failed() const { return !m_error.empty(); }

    int32_t get() override
    {
        if (m_index == m_chars.size() && !refill())
            return -1;
        return int32_t(m_chars[m_index++]);
    }
    int32_t peek() override
    {
        if (m_index == m_chars.size() && !refill())
            return -1;
        return int32_t(m_chars[m_index]);
    }
    void skipUntilAny(std::string_view stops) override;
    void takeUntilAny(std::u32string &out, size_t max, std::string_view stops) override;

private:
    bool openFile(const std::string &path);
    bool detectEncoding();
    bool seekToText();
    bool refill();
    ssize_t readBlock();
    bool skipBytesUntilAny(std::string_view stops);
    void decodeRawPart();
    void decodeBlock(std::string_view bytes, bool final);
    void decodeUtf8(std::string_view bytes, bool final);
    void decodeUtf16(std::string_view bytes, bool final);
    void decodeUtf32(std::string_view bytes, bool final);
    bool fail(ReadFailure::Kind kind, int errorNumber);

    int m_fd = -1;
    std::string m_path;
    std::string m_error;
    ReadFailure m_failure;
    TextEncoding m_encoding = TextEncoding::Utf8;
    size_t m_bomLength = 0;
    std::optional<TextEncoding> m_contradictingMark;
    long long m_replacedCount = 0;
    bool m_atEnd = false;
    std::string m_block;
    // Bytes of m_block not yet decoded, left by skipUntilAny.
    size_t m_rawPos = 0;
    size_t m_rawEnd = 0;
    std::string m_pending;
    std::u32string m_chars;
    size_t m_index = 0;
    std::unique_ptr<TextCodec> m_gb18030;
};
