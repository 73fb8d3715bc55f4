#include "pdf/format/spillednumbers.h"

#include "pdf/tervolanpdf-private.h"

namespace tervolanpdf {

namespace {

// 16 KB: one spill write every 4096 paragraphs.
constexpr size_t kBlockNumbers = 4096;

} // namespace

SpilledNumbers::SpilledNumbers(std::string folder, std::string target)
    : m_folder(std::move(folder))
    , m_target(std::move(target))
{
    m_block.reserve(kBlockNumbers);
}

void SpilledNumbers::append(int number)
{
    if (m_block.size() == kBlockNumbers) {
        if (!m_spill.isOpen() && !m_spill.open(m_folder))
            fail();
        if (!m_spill.writeAt(m_block.data(), m_block.size() * sizeof(int), m_spilled * sizeof(int)))
            fail();
        m_spilled += m_block.size();
        m_block.clear();
    }
    m_block.push_back(number);
}

int SpilledNumbers::front()
{
    if (m_spilled == 0)
        return m_block.front();
    int number = 0;
    if (!m_spill.readAt(&number, sizeof number, 0))
        fail();
    return number;
}

void SpilledNumbers::forEachBlock(const std::function<void(std::span<const int>)> &use)
{
    std::vector<int> spilled(m_spilled > 0 ? kBlockNumbers : 0);
    for (uint64_t first = 0; first < m_spilled; first += kBlockNumbers) {
        if (!m_spill.readAt(spilled.data(), kBlockNumbers * sizeof(int), first * sizeof(int)))
            fail();
        use(spilled);
    }
    if (!m_block.empty())
        use(m_block);
}

void SpilledNumbers::clear()
{
    m_block.clear();
    m_spilled = 0;
}

void SpilledNumbers::fail()
{
    throw PdfWriteError("cannot write \"" + m_target + "\": " + errnoText(m_spill.error()));
}

} // namespace tervolanpdf
