#include "platform/text/utf8survey.h"

#include "platform/text/utf8.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// At most one stray byte for this many good multi-byte characters. GBK
// text read as UTF-8 has more bad bytes than good characters, so the margin
// is wide either way, while a short story with one damaged byte still
// passes.
constexpr long long GoodCharactersPerStrayByte = 1000;

// The lead bytes (11xxxxxx) of well-formed text, one per multi-byte
// character, counted eight at a time: this pass goes over a whole file.
long long leadByteCount(std::string_view wellFormed)
{
    constexpr uint64_t Highs = 0x8080808080808080ull;
    const char *bytes = wellFormed.data();
    long long count = 0;
    size_t at = 0;
    for (; at + 8 <= wellFormed.size(); at += 8) {
        uint64_t word;
        std::memcpy(&word, bytes + at, 8);
        count += std::popcount(word & (word << 1) & Highs);
    }
    for (; at < wellFormed.size(); ++at)
        count += static_cast<unsigned char>(bytes[at]) >= 0xC0;
    return count;
}

} // namespace

void Utf8Survey::feed(std::string_view block)
{
    if (!m_tail.empty()) {
        // The waiting sequence with the block's first bytes: three more end
        // any of them.
        const size_t held = m_tail.size();
        m_tail.append(block.substr(0, 3));
        const size_t taken = scan(m_tail, /*final*/ false);
        if (taken < held) {
            // The block was too short to end it, and is all in the tail.
            m_tail.erase(0, taken);
            return;
        }
        block.remove_prefix(std::min(block.size(), taken - held));
        m_tail.clear();
    }
    m_tail.assign(block.substr(scan(block, /*final*/ false)));
}

void Utf8Survey::finish()
{
    const long long before = m_bad;
    scan(m_tail, /*final*/ true);
    if (Utf8::isCutSequence(m_tail))
        m_cutAtEnd = m_bad - before;
    m_tail.clear();
}

bool Utf8Survey::canBeUtf8(long long bytesLeft) const
{
    // Every two bytes still to come could at best be one more character.
    return (m_bad - m_cutAtEnd) * GoodCharactersPerStrayByte <= m_multiByte + bytesLeft / 2;
}

bool Utf8Survey::isUtf8() const
{
    if (m_bad == 0)
        return true;
    // A cut character is one damaged character, however many bytes are left
    // of it; good characters must outnumber the damaged ones.
    const long long stray = m_bad - m_cutAtEnd;
    const long long damaged = stray + (m_cutAtEnd > 0 ? 1 : 0);
    return m_multiByte > damaged && stray * GoodCharactersPerStrayByte <= m_multiByte;
}

// Counts bytes up to a sequence cut by their end, which is left for the
// next block unless final; returns how many it counted.
size_t Utf8Survey::scan(std::string_view bytes, bool final)
{
    size_t at = 0;
    for (;;) {
        const size_t good = Utf8::wellFormedLength(bytes.substr(at));
        m_multiByte += leadByteCount(bytes.substr(at, good));
        at += good;
        if (at == bytes.size())
            return at;
        if (!final && Utf8::leadLength(static_cast<unsigned char>(bytes[at])) > bytes.size() - at)
            return at;
        ++m_bad;
        ++at;
    }
}
