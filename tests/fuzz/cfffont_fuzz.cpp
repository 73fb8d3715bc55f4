// Fuzzes the CFF reader with the bytes of a CFF table: the writer reads
// the table of whatever face fontconfig hands it, so a broken or hostile
// font file must be turned down, never read past or looped on. A table
// that reads is walked (every glyph program followed through its
// subroutines) and a few of its glyphs are cut out; a subset that is made
// must read back with those glyphs and their CIDs.

#include "pdf/fonts/cfffont.h"
#include "pdf/fonts/cffsubset.h"
#include "pdf/fonts/charstringscanner.h"

#include <hb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace tervolanpdf;

namespace {

// A face holding the one table, as the writer's own faces give it out.
std::unique_ptr<CffFont> readTable(const char *data, size_t size)
{
    hb_face_t *face = hb_face_builder_create();
    hb_blob_t *table = hb_blob_create(data, static_cast<unsigned>(size), HB_MEMORY_MODE_DUPLICATE,
                                      nullptr, nullptr);
    hb_face_builder_add_table(face, HB_TAG('C', 'F', 'F', ' '), table);
    hb_blob_destroy(table);
    std::unique_ptr<CffFont> font = CffFont::read(face);
    hb_face_destroy(face);
    return font;
}

// Every glyph program, as the subsetter follows them. Failing is fine:
// such fonts go to the other subsetter.
void scanAll(const CffFont &font)
{
    std::vector<bool> usedGlobal(font.globalSubrs().count());
    CharStringScanner scanner(font.globalSubrs(), usedGlobal);
    std::vector<std::vector<bool>> usedLocal;
    for (const CffFont::FontDict &fd : font.fontDicts())
        usedLocal.emplace_back(fd.localSubrs.count());
    for (size_t glyph = 0; glyph < font.glyphCount(); ++glyph) {
        const uint8_t fd = font.fontDictOf(glyph);
        scanner.scan(font.charStrings().item(glyph), font.fontDicts()[fd].localSubrs,
                     usedLocal[fd]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::unique_ptr<CffFont> font = readTable(reinterpret_cast<const char *>(data), size);
    if (!font)
        return 0;
    scanAll(*font);

    const size_t last = font->glyphCount() - 1;
    std::vector<uint16_t> glyphs;
    for (const size_t glyph : {size_t(1), last / 3, last / 2, last}) {
        if (glyph >= 1 && glyph <= last)
            glyphs.push_back(static_cast<uint16_t>(glyph));
    }
    std::sort(glyphs.begin(), glyphs.end());
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end()), glyphs.end());
    const std::string subset = CffSubset::make(*font, glyphs);
    if (subset.empty())
        return 0;

    const std::unique_ptr<CffFont> copy = readTable(subset.data(), subset.size());
    if (!copy || copy->glyphCount() != glyphs.size() + 1)
        std::abort();
    for (size_t i = 0; i < glyphs.size(); ++i) {
        if (copy->cidOf(i + 1) != font->cidOf(glyphs[i])
            || copy->charStrings().item(i + 1) != font->charStrings().item(glyphs[i]))
            std::abort();
    }
    return 0;
}
