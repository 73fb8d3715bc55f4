#include "pdf/format/xreftable.h"

#include "pdf/tervolanpdf-private.h"

#include <algorithm>
#include <cstring>

namespace tervolanpdf {

namespace {

// 32 KB of entries: one spill write every 2048 pages or so.
constexpr int kBlockEntries = 4096;

// Entries are kept with this wide an offset field, enough for any offset a
// line can hold.
constexpr int kStoredOffsetBytes = 5;

// A line has ten digits for the offset.
constexpr uint64_t kMaxOffset = 9999999999;

uint64_t spillOffset(int number)
{
    return static_cast<uint64_t>(number - 1) * XrefTable::kEntrySize;
}

// Big-endian fields, as a cross-reference stream holds them.
void putField(char *at, uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i) {
        at[i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

uint64_t field(const char *at, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | static_cast<unsigned char>(at[i]);
    return value;
}

void makeEntry(char *entry, int type, uint64_t second, unsigned third)
{
    entry[0] = static_cast<char>(type);
    putField(entry + 1, second, kStoredOffsetBytes);
    putField(entry + 1 + kStoredOffsetBytes, third, 2);
}

// "0000012345 00000 n \n": ten digits of offset, generation 0, in use.
void formatLine(uint64_t offset, char *line)
{
    for (int digit = 9; digit >= 0; --digit) {
        line[digit] = static_cast<char>('0' + offset % 10);
        offset /= 10;
    }
    std::memcpy(line + 10, " 00000 n \n", 10);
}

} // namespace

XrefTable::XrefTable(std::string folder, std::string target)
    : m_folder(std::move(folder))
    , m_target(std::move(target))
    , m_block(kBlockEntries * kEntrySize, '\0')
{
}

void XrefTable::record(int number, uint64_t offset)
{
    if (offset > kMaxOffset) {
        throw PdfWriteError("\"" + m_target
                            + "\" would pass 10 GB, more than a PDF cross-reference table can "
                              "address");
    }
    char entry[kEntrySize];
    makeEntry(entry, 1, offset, 0);
    put(number, entry);
}

void XrefTable::recordInStream(int number, int stream, int index)
{
    char entry[kEntrySize];
    makeEntry(entry, 2, static_cast<uint64_t>(stream), static_cast<unsigned>(index));
    put(number, entry);
}

void XrefTable::put(int number, const char *entry)
{
    if (number >= m_blockFirst + kBlockEntries) {
        flushBlock();
        m_blockFirst = number - (number - 1) % kBlockEntries;
    }
    // A number below the block was handed out long ago and is written only
    // now; its line goes straight to its place in the spill file.
    if (number < m_blockFirst) {
        spillAt(entry, kEntrySize, number);
        return;
    }
    std::memcpy(m_block.data() + static_cast<size_t>(number - m_blockFirst) * kEntrySize, entry,
                kEntrySize);
}

// The whole block goes out, gaps included: a gap is a number whose object
// comes later, and its line then lands over the gap.
void XrefTable::flushBlock()
{
    spillAt(m_block.data(), m_block.size(), m_blockFirst);
}

void XrefTable::spillAt(const char *lines, size_t length, int first)
{
    if (!m_spill.isOpen() && !m_spill.open(m_folder))
        fail();
    if (!m_spill.writeAt(lines, length, spillOffset(first)))
        fail();
}

int XrefTable::offsetBytes(uint64_t largest)
{
    return largest >> 32 == 0 ? 4 : 5;
}

std::string XrefTable::fieldWidths(int offsetBytes)
{
    return "[1 " + std::to_string(offsetBytes) + " 2]";
}

void XrefTable::appendEntries(int first, int count, std::string &out)
{
    std::string entries(static_cast<size_t>(count) * kEntrySize, '\0');
    readEntries(first, count, entries.data());
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(count) * kLineSize);
    for (int i = 0; i < count; ++i) {
        formatLine(
            field(entries.data() + static_cast<size_t>(i) * kEntrySize + 1, kStoredOffsetBytes),
            out.data() + start + static_cast<size_t>(i) * kLineSize);
    }
}

// A narrower offset field drops the stored field's leading bytes, all zero
// since no offset passes the width's limit.
void XrefTable::appendBinaryEntries(int first, int count, int offsetBytes, std::string &out)
{
    std::string entries(static_cast<size_t>(count) * kEntrySize, '\0');
    readEntries(first, count, entries.data());
    const size_t skip = static_cast<size_t>(kStoredOffsetBytes - offsetBytes);
    const size_t width = kEntrySize - skip;
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(count) * width);
    for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        const char *entry = entries.data() + i * kEntrySize;
        char *to = out.data() + start + i * width;
        to[0] = entry[0];
        std::memcpy(to + 1, entry + 1 + skip, width - 1);
    }
}

void XrefTable::readEntries(int first, int count, char *lines)
{
    const int spilled = std::clamp(m_blockFirst - first, 0, count);
    if (spilled > 0
        && !m_spill.readAt(lines, static_cast<size_t>(spilled) * kEntrySize, spillOffset(first)))
        fail();
    if (spilled < count) {
        std::memcpy(lines + static_cast<size_t>(spilled) * kEntrySize,
                    m_block.data()
                        + static_cast<size_t>(first + spilled - m_blockFirst) * kEntrySize,
                    static_cast<size_t>(count - spilled) * kEntrySize);
    }
}

void XrefTable::fail()
{
    throw PdfWriteError("cannot write \"" + m_target + "\": " + errnoText(m_spill.error()));
}

} // namespace tervolanpdf
