// Large subsets of a CID-keyed face are cut by copying glyph programs with
// the subroutines they call. Each copied glyph must draw exactly as in the
// whole face and keep its CID, or the PDF shows other or broken glyphs.
#include "pdf/fonts/cfffont.h"
#include "pdf/fonts/cffsubset.h"
#include "pdf/fonts/fontface.h"
#include "pdf/fonts/fontsubset.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <hb-ot.h>

#include <memory>
#include <string>
#include <vector>

using namespace tervolanpdf;

namespace {

std::unique_ptr<FontFace> serifCjkFace()
{
    FcPattern *pattern
        = FcNameParse(reinterpret_cast<const FcChar8 *>("Noto Serif CJK SC:lang=zh-cn"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    FcChar8 *file = nullptr;
    int index = 0;
    std::unique_ptr<FontFace> face;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        face = std::make_unique<FontFace>(reinterpret_cast<const char *>(file), index);
    }
    if (match)
        FcPatternDestroy(match);
    return face;
}

// A face of the bare CFF table alone, enough for HarfBuzz to draw it.
hb_face_t *faceOfTable(const std::string &cff, unsigned glyphCount)
{
    hb_face_t *face = hb_face_builder_create();
    hb_blob_t *table = hb_blob_create(cff.data(), static_cast<unsigned>(cff.size()),
                                      HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr);
    hb_face_builder_add_table(face, HB_TAG('C', 'F', 'F', ' '), table);
    hb_blob_destroy(table);
    // maxp version 0.5: the glyph count only.
    const char maxp[] = {0, 0, 0x50, 0, char(glyphCount >> 8), char(glyphCount & 0xFF)};
    hb_blob_t *counts
        = hb_blob_create(maxp, sizeof maxp, HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr);
    hb_face_builder_add_table(face, HB_TAG('m', 'a', 'x', 'p'), counts);
    hb_blob_destroy(counts);
    return face;
}

// The glyph's outline as text: every point of every segment.
std::string outline(hb_font_t *font, unsigned glyph)
{
    static hb_draw_funcs_t *funcs = [] {
        hb_draw_funcs_t *f = hb_draw_funcs_create();
        hb_draw_funcs_set_move_to_func(
            f,
            [](hb_draw_funcs_t *, void *out, hb_draw_state_t *, float x, float y, void *) {
                *static_cast<std::string *>(out)
                    += "M" + std::to_string(x) + "," + std::to_string(y);
            },
            nullptr, nullptr);
        hb_draw_funcs_set_line_to_func(
            f,
            [](hb_draw_funcs_t *, void *out, hb_draw_state_t *, float x, float y, void *) {
                *static_cast<std::string *>(out)
                    += "L" + std::to_string(x) + "," + std::to_string(y);
            },
            nullptr, nullptr);
        hb_draw_funcs_set_cubic_to_func(
            f,
            [](hb_draw_funcs_t *, void *out, hb_draw_state_t *, float x1, float y1, float x2,
               float y2, float x, float y, void *) {
                *static_cast<std::string *>(out) += "C" + std::to_string(x1) + ","
                    + std::to_string(y1) + " " + std::to_string(x2) + "," + std::to_string(y2) + " "
                    + std::to_string(x) + "," + std::to_string(y);
            },
            nullptr, nullptr);
        hb_draw_funcs_make_immutable(f);
        return f;
    }();
    std::string out;
    hb_font_get_glyph_shape(font, glyph, funcs, &out);
    return out;
}

// A CID-keyed CFF of two font DICTs whose glyphs 1 and 2 both call
// global subroutine 0, which calls local subroutine 0: each DICT's own
// local 0 draws a different triangle.
std::string globalSubrCallingLocalOnes()
{
    const std::string callGlobal0 = "\x20\x1D\x0E"; // -107 callgsubr endchar
    const std::string callLocal0 = "\x20\x0A\x0B";  // -107 callsubr return
    const std::string triangles[2] = {
        "\x8B\x8B\x15\xEF\x8B\x05\x8B\xEF\x05\x0B", // 0 0 rmoveto 100 0 rlineto 0 100 rlineto
        "\x8B\x8B\x15\x8B\xF7\x5C\x05\xF7\x5C\x8B\x05\x0B", // 0 0 rmoveto 0 200 rlineto 200 0
                                                            // rlineto
    };
    std::string strings, globals, charset("\0\0\x01\0\x02", 5), fdSelect("\0\0\0\x01", 4);
    std::string programs;
    CffIndex::append(strings, {"Adobe", "Identity"});
    CffIndex::append(globals, {callLocal0});
    CffIndex::append(programs, {"\x0E", callGlobal0, callGlobal0});
    std::string names;
    CffIndex::append(names, {"T"});
    const size_t topDictSize = 3 * 5 + 2 + 5 + 2 + 5 + 1 + 5 + 2 + 5 + 1 + 5 + 2;
    const size_t tables
        = 4 + names.size() + 2 + 1 + 2 + topDictSize + strings.size() + globals.size();
    const size_t fdArraySize = 2 + 1 + 3 + 2 * 11;
    const size_t fdArrayAt = tables + charset.size() + fdSelect.size() + programs.size();
    std::string privates;
    std::vector<std::string> fontDicts(2);
    for (int fd = 0; fd < 2; ++fd) {
        CffDict::appendFixed(fontDicts[fd], 18,
                             {6, static_cast<int32_t>(fdArrayAt + fdArraySize + privates.size())});
        CffDict::appendFixed(privates, 19, {6});
        CffIndex::append(privates, {triangles[fd]});
    }
    std::string topDict;
    CffDict::appendFixed(topDict, CffDict::escaped(30), {391, 392, 0});
    CffDict::appendFixed(topDict, CffDict::escaped(34), {3});
    CffDict::appendFixed(topDict, 15, {static_cast<int32_t>(tables)});
    CffDict::appendFixed(topDict, CffDict::escaped(37),
                         {static_cast<int32_t>(tables + charset.size())});
    CffDict::appendFixed(topDict, 17,
                         {static_cast<int32_t>(tables + charset.size() + fdSelect.size())});
    CffDict::appendFixed(topDict, CffDict::escaped(36), {static_cast<int32_t>(fdArrayAt)});
    std::string font("\x01\x00\x04\x04", 4);
    font += names;
    CffIndex::append(font, {topDict});
    font += strings + globals + charset + fdSelect + programs;
    CffIndex::append(font, {fontDicts[0], fontDicts[1]});
    return font + privates;
}

} // namespace

TEST(CffSubset, AGlobalSubroutineKeepsTheLocalOnesItCallsInEveryFontDict)
{
    hb_face_t *face = faceOfTable(globalSubrCallingLocalOnes(), 3);
    const std::unique_ptr<CffFont> whole = CffFont::read(face);
    ASSERT_TRUE(whole);
    const std::string copied = CffSubset::make(*whole, {1, 2});
    hb_face_t *copiedFace = faceOfTable(copied, 3);
    hb_font_t *font = hb_font_create(face);
    hb_font_t *copiedFont = hb_font_create(copiedFace);
    for (unsigned glyph = 1; glyph <= 2; ++glyph) {
        EXPECT_FALSE(outline(font, glyph).empty());
        EXPECT_EQ(outline(copiedFont, glyph), outline(font, glyph)) << "glyph " << glyph;
    }
    hb_font_destroy(copiedFont);
    hb_font_destroy(font);
    hb_face_destroy(copiedFace);
    hb_face_destroy(face);
}

TEST(CffSubset, CopiedGlyphsDrawAsInTheFaceUnderTheSubsettersCids)
{
    const std::unique_ptr<FontFace> face = serifCjkFace();
    ASSERT_TRUE(face);
    ASSERT_EQ(face->outlines(), FontFace::Outlines::CidKeyedCff);
    const CffFont *whole = face->cffFont();
    ASSERT_TRUE(whole);
    // Every eleventh glyph reaches each font DICT, glyphs whose subroutines
    // call others, and hint masks inside subroutines.
    std::vector<uint16_t> glyphs;
    for (unsigned glyph = 1; glyph < face->glyphCount(); glyph += 11)
        glyphs.push_back(static_cast<uint16_t>(glyph));

    const std::string copied = CffSubset::make(*whole, glyphs);
    ASSERT_FALSE(copied.empty());
    hb_face_t *copiedFace = faceOfTable(copied, static_cast<unsigned>(glyphs.size() + 1));
    const std::unique_ptr<CffFont> copy = CffFont::read(copiedFace);
    const std::string flattened = FontSubset::withSubsetter(*face, glyphs);
    hb_face_t *flattenedFace = faceOfTable(flattened, static_cast<unsigned>(glyphs.size() + 1));
    const std::unique_ptr<CffFont> reference = CffFont::read(flattenedFace);
    ASSERT_TRUE(copy);
    ASSERT_TRUE(reference);
    ASSERT_EQ(copy->glyphCount(), glyphs.size() + 1);

    // The subsetter may keep a few glyphs more, so CIDs are compared as
    // sets: the PDF addresses glyphs by CID only.
    std::vector<bool> referenceCids(0x10000);
    for (size_t i = 0; i < reference->glyphCount(); ++i)
        referenceCids[reference->cidOf(i)] = true;
    hb_font_t *copiedFont = hb_font_create(copiedFace);
    size_t differing = 0;
    for (size_t i = 0; i <= glyphs.size(); ++i) {
        const unsigned original = i == 0 ? 0 : glyphs[i - 1];
        EXPECT_EQ(copy->cidOf(i), whole->cidOf(original));
        EXPECT_TRUE(referenceCids[copy->cidOf(i)]) << "glyph " << original;
        if (outline(copiedFont, static_cast<unsigned>(i)) != outline(face->hbFont(), original))
            ++differing;
    }
    EXPECT_EQ(differing, 0u);
    hb_font_destroy(copiedFont);
    hb_face_destroy(flattenedFace);
    hb_face_destroy(copiedFace);
}

// What a glyph calls is kept from the first subset that follows it, so a
// later subset of the face must keep what it would keep cut alone, the
// subroutines whose first run an earlier glyph made included.
TEST(CffSubset, ALaterSubsetKeepsWhatItWouldKeepAlone)
{
    const std::unique_ptr<FontFace> warm = serifCjkFace();
    const std::unique_ptr<FontFace> alone = serifCjkFace();
    ASSERT_TRUE(warm && alone && warm->cffFont() && alone->cffFont());
    std::vector<uint16_t> first;
    std::vector<uint16_t> later;
    // Below the size whose glyphs are not kept: every 40th of 65,000.
    for (unsigned glyph = 1; glyph < warm->glyphCount(); glyph += 40) {
        first.push_back(static_cast<uint16_t>(glyph));
        if (glyph % 3 == 0)
            later.push_back(static_cast<uint16_t>(glyph));
    }
    ASSERT_FALSE(CffSubset::make(*warm->cffFont(), first).empty());
    const std::string fromKept = CffSubset::make(*warm->cffFont(), later);
    EXPECT_FALSE(fromKept.empty());
    EXPECT_TRUE(fromKept == CffSubset::make(*alone->cffFont(), later));
}

// Each table takes the shorter of its formats: ranges for consecutive CIDs
// or for runs of glyphs sharing a font DICT, a byte or two a glyph where
// they change at every glyph.
TEST(CffSubset, CharsetAndFdSelectTakeTheShorterFormat)
{
    const std::unique_ptr<FontFace> face = serifCjkFace();
    ASSERT_TRUE(face);
    const CffFont *whole = face->cffFont();
    ASSERT_TRUE(whole);
    std::vector<uint16_t> ofDict[2];
    for (unsigned glyph = 1;
         glyph < whole->glyphCount() && (ofDict[0].size() < 40 || ofDict[1].size() < 40); ++glyph) {
        const uint8_t dict = whole->fontDictOf(glyph);
        const int side = dict == whole->fontDictOf(1) ? 0 : 1;
        if (side == 0 || ofDict[1].empty() || dict == whole->fontDictOf(ofDict[1][0]))
            ofDict[side].push_back(static_cast<uint16_t>(glyph));
    }
    ASSERT_GE(ofDict[0].size(), 40u);
    ASSERT_GE(ofDict[1].size(), 40u);
    std::vector<uint16_t> alternating, consecutive, scattered;
    for (uint16_t i = 0; i < 40; ++i) {
        alternating.push_back(ofDict[i % 2][i / 2]);
        consecutive.push_back(static_cast<uint16_t>(i + 1));
        scattered.push_back(static_cast<uint16_t>(2 * i + 2));
    }
    const auto formats = [](const std::string &copied) {
        hb_face_t *copiedFace = faceOfTable(copied, 41);
        const std::unique_ptr<CffFont> copy = CffFont::read(copiedFace);
        std::pair<int, int> found{-1, -1};
        if (copy) {
            found = {copied.at(size_t(copy->topDict().find(CffDict::Charset)->integers[0])),
                     copied.at(size_t(copy->topDict().find(CffDict::FdSelect)->integers[0]))};
        }
        hb_face_destroy(copiedFace);
        return found;
    };
    EXPECT_EQ(formats(CffSubset::make(*whole, alternating, consecutive)), std::make_pair(2, 0));
    const std::vector<uint16_t> oneDict(ofDict[0].begin(), ofDict[0].begin() + 40);
    EXPECT_EQ(formats(CffSubset::make(*whole, oneDict, scattered)), std::make_pair(0, 3));
}

// Offsets are read as items are asked for, so a face whose INDEX is damaged
// inside still loads: each damaged item must read as nothing, never as
// bytes outside the INDEX.
TEST(CffIndexOffsets, DamagedItemsReadAsNothingAndDamagedExtentsAreRefused)
{
    // Three items in four bytes of data: "ab", then offsets 3 → 9, past the
    // data's end, then 9 → 5, backwards.
    const std::string table = std::string("\x00\x03\x01\x01\x03\x09\x05", 7) + "abcd" + "zz";
    CffIndex damaged;
    ASSERT_TRUE(damaged.read(table, 0));
    EXPECT_EQ(damaged.count(), 3u);
    EXPECT_EQ(damaged.item(0), "ab");
    EXPECT_EQ(damaged.item(1), "");
    EXPECT_EQ(damaged.item(2), "");
    EXPECT_EQ(damaged.end(), 11u);

    const std::string pastTheEnd = std::string("\x00\x01\x01\x01\x09", 5) + "abc";
    EXPECT_FALSE(CffIndex().read(pastTheEnd, 0));
    const std::string notFromOne = std::string("\x00\x01\x01\x02\x03", 5) + "abc";
    EXPECT_FALSE(CffIndex().read(notFromOne, 0));
}
