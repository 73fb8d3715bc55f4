// A list of numbers that only grows, read back in order: the numbers a
// document gathers one per line (its structure's paragraphs) and writes
// only at its end. A block stays in memory; full blocks go to a spill file,
// so memory stays the same however long the list gets. A list that fits
// in one block never makes the file.
#ifndef TERVOLANPDF_SPILLEDNUMBERS_H
#define TERVOLANPDF_SPILLEDNUMBERS_H

#include "pdf/format/spillfile.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tervolanpdf {

class SpilledNumbers {
public:
    // The spill file, when needed, goes into folder; target names the
    // document in messages.
    SpilledNumbers(std::string folder, std::string target);

    // Throws PdfWriteError when the spill file cannot be made or written.
    void append(int number);

    bool empty() const { return size() == 0; }
    uint64_t size() const { return m_spilled + m_block.size(); }
    // The first number appended; the list must not be empty.
    int front();

    // Hands use() the numbers in the order appended, a block at a time.
    // Throws PdfWriteError when the spill file cannot be read.
    void forEachBlock(const std::function<void(std::span<const int>)> &use);

    // Empties the list; the spill file stays for the next numbers.
    void clear();

private:
    [[noreturn]] void fail();

    SpillFile m_spill;
    std::string m_folder;
    std::string m_target;
    std::vector<int> m_block;
    uint64_t m_spilled = 0; // numbers in the spill file
};

} // namespace tervolanpdf

#endif
