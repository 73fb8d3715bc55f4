// What each glyph of a face was found to call, kept for the process. A
// batch of small documents draws mostly the same few thousand glyphs, and
// following each one's program again for every document was a fifth of a
// small file's time. Shared by every thread that subsets the face.
#ifndef TERVOLANPDF_SUBRUSECACHE_H
#define TERVOLANPDF_SUBRUSECACHE_H

#include <cstdint>
#include <shared_mutex>
#include <unordered_map>
#include <vector>

namespace tervolanpdf {

class SubrUseCache {
public:
    // The subroutines glyph uses, as CharStringScanner::lastUses() lists
    // them, or nullptr before it was first kept. Entries are never changed
    // or dropped, so the list stays valid without the lock.
    const std::vector<uint32_t> *find(uint16_t glyph) const;
    // Keeps uses for glyph; a glyph kept already keeps its first list.
    void keep(uint16_t glyph, std::vector<uint32_t> uses);

private:
    mutable std::shared_mutex m_mutex;
    std::unordered_map<uint16_t, std::vector<uint32_t>> m_uses;
};

} // namespace tervolanpdf

#endif
