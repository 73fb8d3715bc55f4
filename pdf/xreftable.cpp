#include "xreftable.h"

#include "tervolanpdf-private.h"

#include <algorithm>
#include <cstring>

namespace tervolanpdf {

namespace {

// 80 KB of lines: one spill write every 2048 pages or so.
constexpr int kBlockEntries = 4096;

// A line has ten digits for the offset.
constexpr uint64_t kMaxOffset = 9999999999;

uint64_t spillOffset(int number)
{
    return static_cast<uint64_t>(number - 1) * XrefTable::kEntrySize;
}

// "0000012345 00000 n \n": ten digits of offset, generation 0, in use.
void formatEntry(uint64_t offset, char *entry)
{
    for (int digit = 9; digit >= 0; --digit) {
        entry[digit] = static_cast<char>('0' + offset % 10);
        offset /= 10;
    }
    std::memcpy(entry + 10, " 00000 n \n", 10);
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
    formatEntry(offset, entry);
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

void XrefTable::appendEntries(int first, int count, std::string &out)
{
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(count) * kEntrySize);
    char *lines = out.data() + start;
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
