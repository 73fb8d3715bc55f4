// Where each object of a document starts, as the cross-reference table's
// fixed 20-byte lines in object-number order. The lines go to a spill file
// a block at a time, so memory stays the same however many objects the
// document gets; objects written long after their number was handed out
// (page tree nodes, fonts) are put in place afterwards.
#ifndef TERVOLANPDF_XREFTABLE_H
#define TERVOLANPDF_XREFTABLE_H

#include "spillfile.h"

#include <cstdint>
#include <string>

namespace tervolanpdf {

class XrefTable {
public:
    static constexpr size_t kEntrySize = 20;

    // Creates the spill file in folder; target names the document in
    // messages. Throws PdfError when the file cannot be created.
    XrefTable(const std::string &folder, std::string target);

    // Records that object number (1 and up) starts at offset. Throws
    // PdfWriteError when the spill file cannot be written.
    void record(int number, uint64_t offset);

    // Appends the lines of objects first to first + count - 1 to out, all of
    // them recorded by now.
    // Throws PdfWriteError when the spill file cannot be read.
    void appendEntries(int first, int count, std::string &out);

private:
    void flushBlock();
    [[noreturn]] void fail();

    SpillFile m_spill;
    std::string m_target;
    std::string m_block; // lines of m_blockFirst and on, not yet spilled
    int m_blockFirst = 1;
};

} // namespace tervolanpdf

#endif
