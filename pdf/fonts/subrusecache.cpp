#include "pdf/fonts/subrusecache.h"

#include <algorithm>
#include <mutex>

namespace tervolanpdf {

const std::vector<uint32_t> *SubrUseCache::find(uint16_t glyph) const
{
    std::shared_lock lock(m_mutex);
    const auto found = m_uses.find(glyph);
    return found == m_uses.end() ? nullptr : &found->second;
}

void SubrUseCache::keep(uint16_t glyph, std::vector<uint32_t> uses)
{
    std::sort(uses.begin(), uses.end());
    uses.erase(std::unique(uses.begin(), uses.end()), uses.end());
    std::unique_lock lock(m_mutex);
    m_uses.try_emplace(glyph, std::move(uses));
}

} // namespace tervolanpdf
