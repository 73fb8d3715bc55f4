#pragma once

#include <string>
#include <string_view>

// Tells from a stream, given a block at a time, whether it reads best as
// UTF-8. It counts the well-formed sequences of more than one byte and the
// bytes that begin none (each reads as one U+FFFD). A file is UTF-8 when its
// multi-byte sequences are valid but for a few stray bytes, or a character
// cut by the end of the file: a book cut short, or with one damaged byte,
// stays readable. GBK text is almost never valid UTF-8 beyond a character
// or two, so it cannot pass for it.
class Utf8Survey {
public:
    void feed(std::string_view block);
    // The end of the stream: a sequence still waiting for the rest of its
    // bytes is cut.
    void finish();

    bool isUtf8() const;
    // Whether the stream could still turn out UTF-8 with bytesLeft more: a
    // GBK file is told after its first block, and the rest need not be
    // looked at.
    bool canBeUtf8(long long bytesLeft) const;
    long long badByteCount() const { return m_bad; }

private:
    size_t scan(std::string_view bytes, bool final);

    // A sequence cut by the end of the last block, waiting for the next.
    std::string m_tail;
    long long m_multiByte = 0;
    long long m_bad = 0;
    long long m_cutAtEnd = 0;
};
