// Where each object of a document starts, as the cross-reference table's
// fixed 20-byte lines in object-number order. The lines go to a spill file
// a block at a time, so memory stays the same however many objects the
// document gets; objects written long after their number was handed out
// (page tree nodes, fonts) are put in place afterwards. A document whose
// lines fit in one block never makes the file.
#ifndef TERVOLANPDF_XREFTABLE_H
#define TERVOLANPDF_XREFTABLE_H

#include "spillfile.h"

#include <cstdint>
#include <string>

namespace tervolanpdf {

class XrefTable {
public:
    static constexpr size_t kEntrySize = 20;

    // The spill file, when needed, goes into folder; target names the
    // document in messages.
    XrefTable(std::string folder, std::string target);

    // Records that object number (1 and up) starts at offset. Throws
    // PdfWriteError when the spill file cannot be made or written, or when
    // offset needs more than the line's ten digits.
    void record(int number, uint64_t offset);

    // Appends the lines of objects first to first + count - 1 to out, all of
    // them recorded by now.
    // Throws PdfWriteError when the spill file cannot be read.
    void appendEntries(int first, int count, std::string &out);

private:
    void flushBlock();
    void spillAt(const char *lines, size_t length, int first);
    [[noreturn]] void fail();

    SpillFile m_spill;
    std::string m_folder;
    std::string m_target;
    std::string m_block; // lines of m_blockFirst and on, not yet spilled
    int m_blockFirst = 1;
};

} // namespace tervolanpdf

#endif
