#include "pdf/fonts/fontsubset.h"

#include "pdf/fonts/cfffont.h"
#include "pdf/fonts/cffsubset.h"
#include "pdf/fonts/fontface.h"
#include "pdf/tervolanpdf-private.h"

#include <hb-subset.h>

#include <algorithm>
#include <memory>

namespace tervolanpdf {

namespace {

// Tables a PDF never reads. Dropping the layout tables also spares the
// subsetter its closure over substitutions, its slowest part for CJK faces.
constexpr hb_tag_t kDroppedTables[] = {
    HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'), HB_TAG('G', 'D', 'E', 'F'),
    HB_TAG('B', 'A', 'S', 'E'), HB_TAG('J', 'S', 'T', 'F'), HB_TAG('M', 'A', 'T', 'H'),
    HB_TAG('v', 'h', 'e', 'a'), HB_TAG('v', 'm', 't', 'x'), HB_TAG('V', 'O', 'R', 'G'),
    HB_TAG('k', 'e', 'r', 'n'), HB_TAG('D', 'S', 'I', 'G'), HB_TAG('n', 'a', 'm', 'e'),
    HB_TAG('h', 'd', 'm', 'x'), HB_TAG('L', 'T', 'S', 'H'), HB_TAG('V', 'D', 'M', 'X'),
    HB_TAG('g', 'a', 's', 'p'), HB_TAG('m', 'e', 'r', 'g'), HB_TAG('m', 'e', 't', 'a'),
    HB_TAG('S', 'T', 'A', 'T'), HB_TAG('f', 'v', 'a', 'r'), HB_TAG('g', 'v', 'a', 'r'),
    HB_TAG('H', 'V', 'A', 'R'), HB_TAG('M', 'V', 'A', 'R'), HB_TAG('a', 'v', 'a', 'r'),
    HB_TAG('C', 'O', 'L', 'R'), HB_TAG('C', 'P', 'A', 'L'), HB_TAG('S', 'V', 'G', ' '),
    HB_TAG('s', 'b', 'i', 'x'), HB_TAG('C', 'B', 'D', 'T'), HB_TAG('C', 'B', 'L', 'C'),
    HB_TAG('E', 'B', 'D', 'T'), HB_TAG('E', 'B', 'L', 'C'), HB_TAG('E', 'B', 'S', 'C'),
};

// A CFF face is embedded as its bare CFF table, so none of the others need
// subsetting; skipping them takes the subsetter from 8 to 3.5 ms for a
// page of Chinese.
constexpr hb_tag_t kTablesBesideCff[] = {
    HB_TAG('c', 'm', 'a', 'p'), HB_TAG('h', 'm', 't', 'x'), HB_TAG('h', 'h', 'e', 'a'),
    HB_TAG('O', 'S', '/', '2'), HB_TAG('p', 'o', 's', 't'),
};

std::string tableOrWhole(hb_face_t *subset, bool cffOnly)
{
    hb_blob_t *blob = cffOnly ? hb_face_reference_table(subset, HB_TAG('C', 'F', 'F', ' '))
                              : hb_face_reference_blob(subset);
    unsigned length = 0;
    const char *data = hb_blob_get_data(blob, &length);
    std::string program(data ? data : "", data ? length : 0);
    hb_blob_destroy(blob);
    return program;
}

// The distinct glyphs of byCode, ascending.
std::vector<uint16_t> distinct(std::vector<uint16_t> glyphs)
{
    std::sort(glyphs.begin(), glyphs.end());
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end()), glyphs.end());
    return glyphs;
}

} // namespace

std::string FontSubset::make(const FontFace &face, const std::vector<uint16_t> &byCode)
{
    // A name-keyed face the CFF reader follows is written CID-keyed too.
    if (face.outlines() == FontFace::Outlines::CidKeyedCff || face.cffFont())
        return cidKeyed(face, byCode);
    return withSubsetter(face, distinct(byCode));
}

// The glyph ids of codes 1 and up in glyphs, ascending, and each one's
// code in cids.
void FontSubset::byGlyph(const std::vector<uint16_t> &byCode, std::vector<uint16_t> &glyphs,
                         std::vector<uint16_t> &cids)
{
    std::vector<std::pair<uint16_t, uint16_t>> pairs;
    pairs.reserve(byCode.size());
    for (size_t code = 1; code < byCode.size(); ++code)
        pairs.emplace_back(byCode[code], static_cast<uint16_t>(code));
    std::sort(pairs.begin(), pairs.end());
    for (const auto &[glyph, code] : pairs) {
        glyphs.push_back(glyph);
        cids.push_back(code);
    }
}

// The subsetter's cut keeps each glyph's CID, and may keep a few glyphs
// more than asked: byCode's glyphs are found in it by CID. Without the
// face's own CIDs, the cut's order is taken to follow the distinct glyphs.
std::vector<uint16_t> FontSubset::inCut(const FontFace &face, const CffFont &cut,
                                        const std::vector<uint16_t> &byCode)
{
    const std::vector<uint16_t> glyphs = distinct(byCode);
    std::vector<uint16_t> byCid;
    if (face.cffFont()) {
        byCid.assign(0x10000, 0);
        for (size_t i = 0; i < cut.glyphCount(); ++i)
            byCid[cut.cidOf(i)] = static_cast<uint16_t>(i);
    }
    std::vector<uint16_t> out;
    out.reserve(byCode.size());
    for (const uint16_t glyph : byCode) {
        if (!byCid.empty()) {
            out.push_back(byCid[face.cffFont()->cidOf(glyph)]);
            continue;
        }
        const auto rank = std::lower_bound(glyphs.begin(), glyphs.end(), glyph) - glyphs.begin();
        out.push_back(static_cast<uint16_t>(rank + (glyphs.front() == 0 ? 0 : 1)));
    }
    return out;
}

// Each code's glyph is copied under CID = code, in glyph order (which
// keeps the font DICT ranges and the programs' likeness together), from
// the face itself: planning a subset of a 65,000-glyph face costs the
// subsetter 40 M instructions even for a page, where copying costs a few
// per glyph, at the price of carrying the subroutines unflattened (about
// 8 % more bytes for a page of hanzi). Only a CFF table the copier cannot
// follow goes through the subsetter's cut first.
std::string FontSubset::cidKeyed(const FontFace &face, const std::vector<uint16_t> &byCode)
{
    std::vector<uint16_t> glyphs;
    std::vector<uint16_t> cids;
    if (face.cffFont()) {
        byGlyph(byCode, glyphs, cids);
        std::string program = CffSubset::make(*face.cffFont(), glyphs, cids);
        if (!program.empty())
            return program;
    }
    hb_face_t *subset = subsetOrNull(face, distinct(byCode), /*keepCmap*/ true);
    if (!subset)
        throw PdfError("cannot subset the font \"" + face.path() + "\"");
    const std::unique_ptr<CffFont> cut = CffFont::read(subset);
    hb_face_destroy(subset);
    std::string program;
    if (cut) {
        glyphs.clear();
        cids.clear();
        byGlyph(inCut(face, *cut, byCode), glyphs, cids);
        program = CffSubset::make(*cut, glyphs, cids);
    }
    if (program.empty())
        throw PdfError("the subset of the font \"" + face.path() + "\" came out empty");
    return program;
}

std::string FontSubset::withSubsetter(const FontFace &face, const std::vector<uint16_t> &glyphs)
{
    const bool cff = face.outlines() != FontFace::Outlines::TrueType;
    hb_face_t *subset = subsetOrNull(face, glyphs, /*keepCmap*/ true);
    // HarfBuzz lets no table of a subset grow past 16 times the face's own.
    // A face that maps its characters in a few long ranges (HanaMinB: 546
    // bytes of cmap for 60,000 glyphs) cannot take a few hundred scattered
    // ones. The PDF addresses TrueType glyphs by id and reads the text from
    // its own Unicode map, so such a subset does without a cmap; should
    // even that fail, the whole face keeps the document.
    if (!subset && !cff)
        subset = subsetOrNull(face, glyphs, /*keepCmap*/ false);
    if (!subset && !cff)
        return wholeFace(face);
    if (!subset)
        throw PdfError("cannot subset the font \"" + face.path() + "\"");
    std::string program = tableOrWhole(subset, cff);
    hb_face_destroy(subset);
    if (program.empty())
        throw PdfError("the subset of the font \"" + face.path() + "\" came out empty");
    return program;
}

hb_face_t *FontSubset::subsetOrNull(const FontFace &face, const std::vector<uint16_t> &glyphs,
                                    bool keepCmap)
{
    hb_subset_input_t *input = hb_subset_input_create_or_fail();
    if (!input)
        throw PdfError("cannot subset the font \"" + face.path() + "\": out of memory");
    hb_set_t *glyphSet = hb_subset_input_glyph_set(input);
    hb_set_add(glyphSet, 0);
    for (const uint16_t glyph : glyphs)
        hb_set_add(glyphSet, glyph);
    hb_set_clear(hb_subset_input_unicode_set(input));
    hb_set_t *dropped = hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const hb_tag_t tag : kDroppedTables)
        hb_set_add(dropped, tag);
    if (face.outlines() != FontFace::Outlines::TrueType) {
        for (const hb_tag_t tag : kTablesBesideCff)
            hb_set_add(dropped, tag);
    }
    if (!keepCmap)
        hb_set_add(dropped, HB_TAG('c', 'm', 'a', 'p'));

    // Flattening the subroutines makes CFF subsets both smaller (the
    // font's global subroutines serve glyphs the document never shows) and
    // faster to cut: 11 instead of 16 ms for 700 hanzi.
    unsigned flags = HB_SUBSET_FLAGS_NOTDEF_OUTLINE | HB_SUBSET_FLAGS_DESUBROUTINIZE;
    if (face.outlines() != FontFace::Outlines::CidKeyedCff)
        flags |= HB_SUBSET_FLAGS_RETAIN_GIDS;
    hb_subset_input_set_flags(input, flags);

    hb_face_t *subset = hb_subset_or_fail(face.hbFace(), input);
    hb_subset_input_destroy(input);
    return subset;
}

// The face's own tables as a font file of its own: a face of a collection
// cannot be embedded as the collection's file.
std::string FontSubset::wholeFace(const FontFace &face)
{
    hb_face_t *builder = hb_face_builder_create();
    unsigned count = 0;
    std::vector<hb_tag_t> tags(hb_face_get_table_tags(face.hbFace(), 0, &count, nullptr));
    count = static_cast<unsigned>(tags.size());
    hb_face_get_table_tags(face.hbFace(), 0, &count, tags.data());
    for (const hb_tag_t tag : tags) {
        hb_blob_t *table = hb_face_reference_table(face.hbFace(), tag);
        hb_face_builder_add_table(builder, tag, table);
        hb_blob_destroy(table);
    }
    std::string program = tableOrWhole(builder, /*cffOnly*/ false);
    hb_face_destroy(builder);
    if (program.empty())
        throw PdfError("cannot embed the font \"" + face.path() + "\"");
    return program;
}

} // namespace tervolanpdf
