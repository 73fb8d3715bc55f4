// The CFF table of a face, read once per face so that subsets can be cut
// by copying glyph programs rather than by a whole subsetter pass. A
// name-keyed table reads as a CID-keyed one of a single font DICT whose
// CIDs are the glyph ids. Everything points into the face's table, which
// this object keeps referenced.
#ifndef TERVOLANPDF_CFFFONT_H
#define TERVOLANPDF_CFFFONT_H

#include "pdf/fonts/cffdict.h"
#include "pdf/fonts/cffindex.h"
#include "pdf/fonts/subrusecache.h"

#include <hb.h>

#include <memory>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class CffFont {
public:
    // One entry of the FDArray with its Private DICT and local subrs.
    struct FontDict {
        CffDict dict;
        CffDict privateDict;
        CffIndex localSubrs; // count 0 when it has none
    };

    // nullptr when the face has no CFF table, or one not laid out as this
    // reader expects.
    static std::unique_ptr<CffFont> read(hb_face_t *face);
    ~CffFont();

    CffFont(const CffFont &) = delete;
    CffFont &operator=(const CffFont &) = delete;

    // The Name INDEX and String INDEX, whole, as a subset copies them.
    std::string_view nameIndex() const;
    std::string_view stringIndex() const;
    const CffDict &topDict() const { return m_topDict; }
    // Whether the table was name-keyed: a subset then gets the ROS, the
    // font DICT and the strings a CID-keyed one needs.
    bool nameKeyed() const { return m_nameKeyed; }
    const CffIndex &strings() const { return m_strings; }
    const CffIndex &globalSubrs() const { return m_globalSubrs; }
    const CffIndex &charStrings() const { return m_charStrings; }
    const std::vector<FontDict> &fontDicts() const { return m_fontDicts; }
    size_t glyphCount() const { return m_charStrings.count(); }
    uint16_t cidOf(size_t glyph) const { return m_cids[glyph]; }
    uint8_t fontDictOf(size_t glyph) const { return m_fontDictOfGlyph[glyph]; }
    // The subroutines each glyph was found to call by the subsets cut so
    // far; the face is read once per process, so this lasts as long.
    SubrUseCache &subrUses() const { return m_subrUses; }

private:
    CffFont() = default;
    bool parse();
    bool readCharset(size_t offset);
    bool readFdSelect(size_t offset);
    bool readFontDicts(size_t offset);
    bool readNameKeyed();
    bool readPrivate(const CffDict::Entry *priv, FontDict &fd);

    hb_blob_t *m_blob = nullptr;
    std::string_view m_table;
    CffIndex m_names;
    CffIndex m_topDicts;
    CffIndex m_strings;
    CffDict m_topDict;
    CffIndex m_globalSubrs;
    CffIndex m_charStrings;
    std::vector<FontDict> m_fontDicts;
    std::vector<uint16_t> m_cids;
    std::vector<uint8_t> m_fontDictOfGlyph;
    bool m_nameKeyed = false;
    mutable SubrUseCache m_subrUses;
};

} // namespace tervolanpdf

#endif
