#include "platform/text/textfilereader.h"

#include "platform/text/utf8.h"
#include "platform/text/utf8survey.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr size_t BlockSize = 64 * 1024;

// Where the first stop byte at or after from lies, or end. Stops are ASCII,
// so a word of eight bytes none of which is below the highest stop (bytes
// of hanzi are all above 0x7F) is passed over whole.
size_t findStopByte(const unsigned char *bytes, size_t from, size_t end, const bool *isStopByte,
                    unsigned char highestStop)
{
    constexpr uint64_t Ones = 0x0101010101010101ull;
    constexpr uint64_t Highs = 0x8080808080808080ull;
    const uint64_t below = Ones * (uint64_t(highestStop) + 1);
    size_t at = from;
    while (at < end) {
        if (at + 8 <= end) {
            uint64_t word;
            std::memcpy(&word, bytes + at, 8);
            if (((word - below) & ~word & Highs) == 0) {
                at += 8;
                continue;
            }
        }
        if (isStopByte[bytes[at]])
            return at;
        ++at;
    }
    return end;
}

// The byte-order mark that names encoding; GB18030's own mark is not
// looked for anywhere in this reader.
std::string_view byteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return "\xEF\xBB\xBF";
    case TextEncoding::Utf16LE: return "\xFF\xFE";
    case TextEncoding::Utf16BE: return "\xFE\xFF";
    case TextEncoding::Utf32LE: return std::string_view("\xFF\xFE\0\0", 4);
    case TextEncoding::Utf32BE: return std::string_view("\0\0\xFE\xFF", 4);
    case TextEncoding::Gb18030: return {};
    }
    return {};
}

// The encoding the byte-order mark at the start of bytes names, if any.
// FF FE 00 00 also starts a UTF-16LE mark followed by U+0000; a text that
// begins with U+0000 is far less likely than UTF-32.
std::optional<TextEncoding> markedEncoding(std::string_view bytes)
{
    for (const TextEncoding encoding :
         {TextEncoding::Utf8, TextEncoding::Utf32LE, TextEncoding::Utf32BE, TextEncoding::Utf16LE,
          TextEncoding::Utf16BE}) {
        if (bytes.starts_with(byteOrderMark(encoding)))
            return encoding;
    }
    return std::nullopt;
}

} // namespace

const char *encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return "UTF-8";
    case TextEncoding::Utf16LE: return "UTF-16LE";
    case TextEncoding::Utf16BE: return "UTF-16BE";
    case TextEncoding::Utf32LE: return "UTF-32LE";
    case TextEncoding::Utf32BE: return "UTF-32BE";
    case TextEncoding::Gb18030: return "GB18030";
    }
    return "?";
}

TextFileReader::TextFileReader() = default;

TextFileReader::~TextFileReader()
{
    close();
}

void TextFileReader::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool TextFileReader::fail(ReadFailure::Kind kind, int errorNumber)
{
    m_failure = {kind, errorNumber};
    m_error = m_failure.english();
    m_chars.clear();
    m_index = 0;
    m_atEnd = true;
    return false;
}

bool TextFileReader::openFile(const std::string &path)
{
    close();
    m_path = path;
    m_error.clear();
    m_failure = {};
    m_contradictingMark.reset();
    // Only regular files pass, and anything else is refused before it is
    // opened: opening a device can block or start something. O_NONBLOCK
    // keeps a FIFO put in the file's place after the check from hanging the
    // open, and stays on, so a kernel file that waits for data (/proc/kmsg) fails to
    // read instead of blocking; regular files ignore it.
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
        return fail(ReadFailure::Kind::NotRegularFile, 0);
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        return fail(ReadFailure::Kind::CannotOpen, errno);
    if (fstat(m_fd, &info) != 0)
        return fail(ReadFailure::Kind::CannotRead, errno);
    if (S_ISDIR(info.st_mode))
        return fail(ReadFailure::Kind::IsFolder, 0);
    if (!S_ISREG(info.st_mode))
        return fail(ReadFailure::Kind::NotRegularFile, 0);
    return true;
}

bool TextFileReader::open(const std::string &path)
{
    return openFile(path) && detectEncoding() && seekToText();
}

bool TextFileReader::openAs(const std::string &path, TextEncoding encoding)
{
    if (!openFile(path))
        return false;
    m_encoding = encoding;
    // A mark that agrees with the encoding is no part of the text; one that
    // names another encoding is told of.
    const std::string_view mark = byteOrderMark(encoding);
    char start[4] = {};
    const ssize_t got = ::pread(m_fd, start, sizeof start, 0);
    const std::string_view head(start, size_t(std::max<ssize_t>(got, 0)));
    const bool marked = !mark.empty() && head.starts_with(mark);
    m_bomLength = marked ? mark.size() : 0;
    m_contradictingMark = marked ? std::nullopt : markedEncoding(head);
    return seekToText();
}

bool TextFileReader::openMarkedOr(const std::string &path, TextEncoding unmarked)
{
    if (!openFile(path))
        return false;
    char start[4] = {};
    const ssize_t got = ::pread(m_fd, start, sizeof start, 0);
    const std::optional<TextEncoding> marked
        = markedEncoding(std::string_view(start, got > 0 ? size_t(got) : 0));
    m_encoding = marked.value_or(unmarked);
    m_bomLength = marked ? byteOrderMark(*marked).size() : 0;
    return seekToText();
}

bool TextFileReader::detectEncoding()
{
    std::string block(BlockSize, '\0');
    Utf8Survey utf8;
    bool surveying = true;
    bool first = true;
    m_bomLength = 0;
    struct stat info;
    long long bytesLeft = fstat(m_fd, &info) == 0 ? info.st_size : 0;
    for (;;) {
        ssize_t got = ::read(m_fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(ReadFailure::Kind::CannotRead, errno);
        if (got == 0)
            break;
        std::string_view bytes(block.data(), size_t(got));
        if (std::exchange(first, false)) {
            if (const std::optional<TextEncoding> marked = markedEncoding(bytes)) {
                m_encoding = *marked;
                m_bomLength = byteOrderMark(*marked).size();
                return true;
            }
        }
        if (bytes.find('\0') != std::string_view::npos)
            return fail(ReadFailure::Kind::BinaryFile, 0);
        bytesLeft -= got;
        if (surveying) {
            utf8.feed(bytes);
            surveying = utf8.canBeUtf8(bytesLeft);
        }
    }
    utf8.finish();
    m_encoding = surveying && utf8.isUtf8() ? TextEncoding::Utf8 : TextEncoding::Gb18030;
    return true;
}

bool TextFileReader::seekToText()
{
    if (m_fd < 0)
        return false;
    if (lseek(m_fd, off_t(m_bomLength), SEEK_SET) < 0)
        return fail(ReadFailure::Kind::CannotRead, errno);
    m_atEnd = false;
    m_rawPos = m_rawEnd = 0;
    m_pending.clear();
    m_chars.clear();
    m_index = 0;
    m_replacedCount = 0;
    if (m_encoding == TextEncoding::Gb18030) {
        if (!m_gb18030)
            m_gb18030 = std::make_unique<TextCodec>();
        m_gb18030->reset();
    }
    return true;
}

bool TextFileReader::rewind()
{
    m_error.clear();
    m_failure = {};
    return seekToText();
}

bool TextFileReader::refill()
{
    m_chars.clear();
    m_index = 0;
    while (m_chars.empty()) {
        if (m_rawPos < m_rawEnd) {
            decodeRawPart();
            continue;
        }
        if (m_atEnd)
            break;
        const ssize_t got = readBlock();
        if (got < 0)
            return false;
        decodeBlock(std::string_view(m_block.data(), size_t(got)), m_atEnd);
    }
    return !m_chars.empty();
}

// The next block of the file into m_block: its length, or -1 after a
// failure.
ssize_t TextFileReader::readBlock()
{
    m_block.resize(BlockSize);
    m_rawPos = m_rawEnd = 0;
    for (;;) {
        const ssize_t got = ::read(m_fd, m_block.data(), m_block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            fail(ReadFailure::Kind::ReadFailed, errno);
            return -1;
        }
        m_atEnd = got == 0;
        return got;
    }
}

void TextFileReader::skipUntilAny(std::string_view stops)
{
    for (;;) {
        const auto found = std::find_if(m_chars.begin() + ptrdiff_t(m_index), m_chars.end(),
                                        [stops](char32_t c) { return isStop(int32_t(c), stops); });
        m_index = size_t(found - m_chars.begin());
        if (found != m_chars.end())
            return;
        const bool more = m_encoding == TextEncoding::Utf8 ? skipBytesUntilAny(stops) : refill();
        if (!more)
            return;
    }
}

void TextFileReader::takeUntilAny(std::u32string &out, size_t max, std::string_view stops)
{
    while (max > 0 && (m_index < m_chars.size() || refill())) {
        const auto from = m_chars.begin() + ptrdiff_t(m_index);
        const auto last = from + ptrdiff_t(std::min(max, m_chars.size() - m_index));
        const auto found
            = std::find_if(from, last, [stops](char32_t c) { return isStop(int32_t(c), stops); });
        out.append(from, found);
        m_index += size_t(found - from);
        max -= size_t(found - from);
        if (found != last)
            return;
    }
}

// UTF-8 keeps every ASCII byte as itself and never inside a longer
// sequence, so the bytes before a stop need no decoding: the counting pass
// passes over the text of a whole file this way. Only a short part from the
// stop on is decoded; the rest of the block waits as raw bytes.
bool TextFileReader::skipBytesUntilAny(std::string_view stops)
{
    m_chars.clear();
    m_index = 0;
    m_pending.clear();
    bool isStopByte[256] = {};
    unsigned char highestStop = 0;
    for (const char stop : stops) {
        isStopByte[static_cast<unsigned char>(stop)] = true;
        highestStop = std::max(highestStop, static_cast<unsigned char>(stop));
    }
    for (;;) {
        if (m_rawPos == m_rawEnd) {
            if (m_atEnd)
                return false;
            const ssize_t got = readBlock();
            if (got < 0)
                return false;
            m_rawEnd = size_t(got);
            continue;
        }
        m_rawPos = findStopByte(reinterpret_cast<const unsigned char *>(m_block.data()), m_rawPos,
                                m_rawEnd, isStopByte, highestStop);
        if (m_rawPos < m_rawEnd) {
            decodeRawPart();
            return true;
        }
    }
}

// Decodes a short part of the raw bytes, ended where a character starts so
// that no sequence is cut inside the block: a sequence still short there is
// malformed, whatever follows.
void TextFileReader::decodeRawPart()
{
    constexpr size_t PartSize = 64;
    const auto *bytes = reinterpret_cast<const unsigned char *>(m_block.data());
    size_t end = std::min(m_rawEnd, m_rawPos + PartSize);
    while (end < m_rawEnd && (bytes[end] & 0xC0) == 0x80)
        ++end;
    const std::string_view part(m_block.data() + m_rawPos, end - m_rawPos);
    m_rawPos = end;
    decodeUtf8(part, end < m_rawEnd || m_atEnd);
}

void TextFileReader::decodeBlock(std::string_view bytes, bool final)
{
    switch (m_encoding) {
    case TextEncoding::Utf8: decodeUtf8(bytes, final); break;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: decodeUtf16(bytes, final); break;
    case TextEncoding::Utf32LE:
    case TextEncoding::Utf32BE: decodeUtf32(bytes, final); break;
    case TextEncoding::Gb18030: m_replacedCount += m_gb18030->decode(bytes, final, m_chars); break;
    }
}

void TextFileReader::decodeUtf8(std::string_view bytes, bool final)
{
    if (!m_pending.empty()) {
        m_pending.append(bytes);
        m_block.swap(m_pending);
        bytes = m_block;
        m_pending.clear();
    }
    // At most one character a byte: written in place, the string cut to
    // length after, which halves the cost of a push per character. A file
    // that changed since it was checked reads with U+FFFD; a sequence cut
    // by the block's end waits for the next one.
    const size_t start = m_chars.size();
    m_chars.resize(start + bytes.size());
    const Utf8::Decoded decoded = Utf8::decode(bytes, m_chars.data() + start, !final);
    m_chars.resize(start + decoded.characters);
    m_replacedCount += decoded.replaced;
    if (decoded.bytes < bytes.size())
        m_pending.assign(bytes.substr(decoded.bytes));
}

void TextFileReader::decodeUtf16(std::string_view bytes, bool final)
{
    m_pending.append(bytes);
    const auto *text = reinterpret_cast<const unsigned char *>(m_pending.data());
    bool little = m_encoding == TextEncoding::Utf16LE;
    size_t i = 0;
    size_t size = m_pending.size();
    auto unitAt = [&](size_t at) {
        return little ? char32_t(text[at] | text[at + 1] << 8)
                      : char32_t(text[at] << 8 | text[at + 1]);
    };
    while (i + 2 <= size) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 4 > size && !final)
                break;
            char32_t low = i + 4 <= size ? unitAt(i + 2) : 0;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                m_chars.push_back(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 4;
                continue;
            }
            unit = 0xFFFD;
            ++m_replacedCount;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            unit = 0xFFFD;
            ++m_replacedCount;
        }
        m_chars.push_back(unit);
        i += 2;
    }
    m_pending.erase(0, i);
    if (final && !m_pending.empty()) {
        m_chars.push_back(0xFFFD);
        ++m_replacedCount;
        m_pending.clear();
    }
}

void TextFileReader::decodeUtf32(std::string_view bytes, bool final)
{
    m_pending.append(bytes);
    const auto *text = reinterpret_cast<const unsigned char *>(m_pending.data());
    bool little = m_encoding == TextEncoding::Utf32LE;
    size_t i = 0;
    size_t size = m_pending.size();
    for (; i + 4 <= size; i += 4) {
        char32_t c = little
            ? char32_t(text[i] | text[i + 1] << 8 | text[i + 2] << 16 | char32_t(text[i + 3]) << 24)
            : char32_t(char32_t(text[i]) << 24 | text[i + 1] << 16 | text[i + 2] << 8
                       | text[i + 3]);
        bool scalar = c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        m_chars.push_back(scalar ? c : 0xFFFD);
        m_replacedCount += !scalar;
    }
    m_pending.erase(0, i);
    if (final && !m_pending.empty()) {
        m_chars.push_back(0xFFFD);
        ++m_replacedCount;
        m_pending.clear();
    }
}
