// Where each object of a document is: at an offset in the file, or at an
// index in an object stream. Entries are kept as the cross-reference
// stream's fixed 8 bytes in object-number order and read out either as
// those bytes or as the classic table's 20-byte lines. They go to a spill file
// a block at a time, so memory stays the same however many objects the
// document gets; objects written long after their number was handed out
// (page tree nodes, fonts) are put in place afterwards. A document whose
// lines fit in one block never makes the file.
#ifndef TERVOLANPDF_XREFTABLE_H
#define TERVOLANPDF_XREFTABLE_H

#include "pdf/format/spillfile.h"

#include <cstdint>
#include <string>

namespace tervolanpdf {

class XrefTable {
public:
    // Type (1 byte), offset or object stream (5), generation or index (2).
    static constexpr size_t kEntrySize = 8;
    static constexpr size_t kLineSize = 20;

    // The bytes of the offset field a cross-reference stream needs when no
    // offset passes largest: 4 below 4 GiB, else 5. Readers take only the
    // widths they know, and 4 is the one they all know.
    static int offsetBytes(uint64_t largest);
    // The stream's /W for that offset field, such as "[1 4 2]".
    static std::string fieldWidths(int offsetBytes);

    // The spill file, when needed, goes into folder; target names the
    // document in messages.
    XrefTable(std::string folder, std::string target);

    // Records that object number (1 and up) starts at offset. Throws
    // PdfWriteError when the spill file cannot be made or written, or when
    // offset needs more than the line's ten digits.
    void record(int number, uint64_t offset);
    // Records that object number is the index-th of object stream stream.
    void recordInStream(int number, int stream, int index);

    // Appends the lines of objects first to first + count - 1 to out, all of
    // them recorded by now at offsets.
    // Throws PdfWriteError when the spill file cannot be read.
    void appendEntries(int first, int count, std::string &out);
    // The same as the cross-reference stream's binary entries, their offset
    // fields offsetBytes wide.
    void appendBinaryEntries(int first, int count, int offsetBytes, std::string &out);

private:
    void put(int number, const char *entry);
    void readEntries(int first, int count, char *entries);
    void flushBlock();
    void spillAt(const char *lines, size_t length, int first);
    [[noreturn]] void fail();

    SpillFile m_spill;
    std::string m_folder;
    std::string m_target;
    std::string m_block; // entries of m_blockFirst and on, not yet spilled
    int m_blockFirst = 1;
};

} // namespace tervolanpdf

#endif
