#include "pdf/fonts/fontface.h"

#include "pdf/fonts/cfffont.h"
#include "pdf/fonts/facelanguage.h"
#include "pdf/tervolanpdf-private.h"

#include <hb-ot.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <new>
#include <string_view>

namespace tervolanpdf {

namespace {

hb_face_t *openHbFace(const std::string &path, int index)
{
    // The blob maps the file: only the pages a document touches (the cmap,
    // the metrics, the outlines of its glyphs) ever take memory.
    hb_blob_t *blob = hb_blob_create_from_file_or_fail(path.c_str());
    if (!blob)
        throw PdfError("cannot read the font file \"" + path + "\"");
    hb_face_t *face = hb_face_create(blob, static_cast<unsigned>(index));
    hb_blob_destroy(blob);
    if (hb_face_get_glyph_count(face) == 0) {
        hb_face_destroy(face);
        throw PdfError("the font file \"" + path + "\" holds no usable face "
                       + std::to_string(index));
    }
    return face;
}

unsigned readUint16(const char *data)
{
    return (static_cast<unsigned char>(data[0]) << 8) | static_cast<unsigned char>(data[1]);
}

// A CFF font is CID-keyed when its Top DICT begins with the ROS operator
// (12 30), which the format requires to come first in such fonts.
bool isCidKeyed(hb_face_t *face)
{
    hb_blob_t *blob = hb_face_reference_table(face, HB_TAG('C', 'F', 'F', ' '));
    unsigned length = 0;
    const char *data = hb_blob_get_data(blob, &length);
    bool cid = false;
    // Header, then the Name INDEX (count, offset size, offsets, data).
    if (length > 4) {
        size_t at = static_cast<unsigned char>(data[2]);
        auto skipIndex = [&](size_t &position) -> bool {
            if (position + 3 > length)
                return false;
            const unsigned count = readUint16(data + position);
            if (count == 0) {
                position += 2;
                return true;
            }
            const unsigned offSize = static_cast<unsigned char>(data[position + 2]);
            const size_t offsets = position + 3;
            const size_t last = offsets + count * offSize;
            if (offSize < 1 || offSize > 4 || last + offSize > length)
                return false;
            size_t end = 0;
            for (unsigned k = 0; k < offSize; ++k)
                end = (end << 8) | static_cast<unsigned char>(data[last + k]);
            position = last + offSize + end - 1;
            return position <= length;
        };
        if (skipIndex(at) && at + 3 <= length && readUint16(data + at) > 0) {
            // The Top DICT INDEX: the first DICT starts after its offsets.
            const unsigned offSize = static_cast<unsigned char>(data[at + 2]);
            const size_t first = at + 3 + (readUint16(data + at) + 1) * offSize;
            // Skip the operands (numbers) up to the first operator.
            size_t p = first;
            while (p < length) {
                const auto b = static_cast<unsigned char>(data[p]);
                if (b <= 21)
                    break;
                if (b == 28)
                    p += 3;
                else if (b == 29)
                    p += 5;
                else if (b == 30) {
                    ++p;
                    while (p < length && (static_cast<unsigned char>(data[p]) & 0x0F) != 0x0F
                           && (static_cast<unsigned char>(data[p]) >> 4) != 0x0F)
                        ++p;
                    ++p;
                } else if (b >= 247 && b <= 254)
                    p += 2;
                else
                    ++p;
            }
            cid = p + 1 < length && data[p] == 12 && data[p + 1] == 30;
        }
    }
    hb_blob_destroy(blob);
    return cid;
}

bool hasTable(hb_face_t *face, hb_tag_t tag)
{
    hb_blob_t *blob = hb_face_reference_table(face, tag);
    const bool present = hb_blob_get_length(blob) > 0;
    hb_blob_destroy(blob);
    return present;
}

} // namespace

FontFace::FontFace(const std::string &path, int index) : m_path(path)
{
    m_hbFace = openHbFace(path, index);
    if (hasTable(m_hbFace, HB_TAG('C', 'F', 'F', ' '))) {
        m_outlines = isCidKeyed(m_hbFace) ? Outlines::CidKeyedCff : Outlines::NameKeyedCff;
    } else if (hasTable(m_hbFace, HB_TAG('g', 'l', 'y', 'f'))) {
        m_outlines = Outlines::TrueType;
    } else {
        hb_face_destroy(m_hbFace);
        throw PdfError("the font file \"" + path + "\" has no outlines that can be embedded");
    }
    m_unitsPerEm = hb_face_get_upem(m_hbFace);
    m_colourOnly = hasTable(m_hbFace, HB_TAG('C', 'B', 'D', 'T'))
        || hasTable(m_hbFace, HB_TAG('s', 'b', 'i', 'x'))
        || hasTable(m_hbFace, HB_TAG('C', 'O', 'L', 'R'));
    m_glyphCount = std::min(hb_face_get_glyph_count(m_hbFace), 0x10000u);
    for (LazyTable &glyphs : m_bmpGlyphs)
        glyphs = zeroedTable(0x10000);
    m_widths = zeroedTable(m_glyphCount);
    m_hbFont = hb_font_create(m_hbFace);
    hb_font_make_immutable(m_hbFont);
    readMetrics();
    readNames();
    m_languageTag = FaceLanguage::ofPostScriptName(m_postScriptName);
    m_language = hb_language_from_string(m_languageTag.c_str(), -1);
}

FontFace::LazyTable FontFace::zeroedTable(size_t size)
{
    auto *table = static_cast<uint32_t *>(std::calloc(std::max<size_t>(size, 1), sizeof(uint32_t)));
    if (!table)
        throw std::bad_alloc();
    return LazyTable(table);
}

FontFace::~FontFace()
{
    hb_font_destroy(m_hbFont);
    hb_face_destroy(m_hbFace);
}

uint16_t FontFace::glyphFor(char32_t codepoint, LineScript script) const
{
    if (codepoint >= 0x10000)
        return lookUp(codepoint, script);
    std::atomic_ref<uint32_t> slot(m_bmpGlyphs[static_cast<int>(script)][codepoint]);
    uint32_t known = slot.load(std::memory_order_relaxed);
    if (known == 0) {
        known = lookUp(codepoint, script) + 1u;
        slot.store(known, std::memory_order_relaxed);
    }
    return static_cast<uint16_t>(known - 1);
}

// Shaping the character alone applies the font's context-free
// substitutions for the language; a result of more or fewer than one glyph
// (a decomposition) falls back to the cmap's glyph. A character of no
// definite script (punctuation) takes the line's script, as it would when
// the whole line is shaped; any script but Han counts as Latin.
uint16_t FontFace::lookUp(char32_t codepoint, LineScript script) const
{
    hb_codepoint_t glyph = 0;
    if (!hb_font_get_nominal_glyph(m_hbFont, codepoint, &glyph))
        return 0;
    // Shaping a character alone changes its glyph only through a lookup
    // that takes that glyph: of a CJK face's 65,000 some 140. Shaping the
    // other 6,000 hanzi of a broad text one by one was a tenth of its time.
    if (script != LineScript::None && glyph < m_glyphCount && !substitutable(script)[glyph])
        return static_cast<uint16_t>(glyph);
    hb_buffer_t *buffer = hb_buffer_create();
    const uint32_t text = codepoint;
    hb_buffer_add_utf32(buffer, &text, 1, 0, 1);
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_set_language(buffer, m_language);
    if (script == LineScript::Han)
        hb_buffer_set_script(buffer, HB_SCRIPT_HAN);
    else if (script == LineScript::Other)
        hb_buffer_set_script(buffer, HB_SCRIPT_LATIN);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(m_hbFont, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t *infos = hb_buffer_get_glyph_infos(buffer, &count);
    if (count == 1)
        glyph = infos[0].codepoint;
    hb_buffer_destroy(buffer);
    return glyph < m_glyphCount ? static_cast<uint16_t>(glyph) : 0;
}

// The input glyphs of every GSUB lookup in the face's shaping plan for the
// script and its language: those a lookup may act on when the character
// is shaped alone.
const std::vector<bool> &FontFace::substitutable(LineScript script) const
{
    const int which = script == LineScript::Han ? 0 : 1;
    std::call_once(m_substitutableMade[which], [&] {
        hb_segment_properties_t properties = HB_SEGMENT_PROPERTIES_DEFAULT;
        properties.direction = HB_DIRECTION_LTR;
        properties.script = script == LineScript::Han ? HB_SCRIPT_HAN : HB_SCRIPT_LATIN;
        properties.language = m_language;
        hb_shape_plan_t *plan
            = hb_shape_plan_create_cached(m_hbFace, &properties, nullptr, 0, nullptr);
        hb_set_t *lookups = hb_set_create();
        hb_set_t *glyphs = hb_set_create();
        hb_ot_shape_plan_collect_lookups(plan, HB_OT_TAG_GSUB, lookups);
        for (hb_codepoint_t lookup = HB_SET_VALUE_INVALID; hb_set_next(lookups, &lookup);)
            hb_ot_layout_lookup_collect_glyphs(m_hbFace, HB_OT_TAG_GSUB, lookup, nullptr, glyphs,
                                               nullptr, nullptr);
        std::vector<bool> &marked = m_substitutable[which];
        marked.assign(m_glyphCount, false);
        for (hb_codepoint_t glyph = HB_SET_VALUE_INVALID; hb_set_next(glyphs, &glyph);) {
            if (glyph < m_glyphCount)
                marked[glyph] = true;
        }
        hb_set_destroy(glyphs);
        hb_set_destroy(lookups);
        hb_shape_plan_destroy(plan);
    });
    return m_substitutable[which];
}

const CffFont *FontFace::cffFont() const
{
    std::call_once(m_cffRead, [this] {
        if (m_outlines != Outlines::TrueType)
            m_cffFont = CffFont::read(m_hbFace);
    });
    return m_cffFont.get();
}

bool FontFace::covers(char32_t codepoint) const
{
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(m_hbFont, codepoint, &glyph) && glyph < m_glyphCount;
}

float FontFace::widthOf(uint16_t glyph) const
{
    if (glyph >= m_glyphCount)
        return 0;
    std::atomic_ref<uint32_t> slot(m_widths[glyph]);
    if (const uint32_t known = slot.load(std::memory_order_relaxed); known != 0)
        return std::bit_cast<float>(~known);
    const auto width
        = static_cast<float>(hb_font_get_glyph_h_advance(m_hbFont, glyph) * 1000.0 / m_unitsPerEm);
    slot.store(~std::bit_cast<uint32_t>(width), std::memory_order_relaxed);
    return width;
}

void FontFace::readMetrics()
{
    hb_font_extents_t extents;
    if (hb_font_get_h_extents(m_hbFont, &extents) && extents.ascender > 0) {
        m_ascent = extents.ascender;
        m_descent = extents.descender;
    } else {
        m_ascent = 0.88 * m_unitsPerEm;
        m_descent = -0.12 * m_unitsPerEm;
    }

    // The head table holds the bounding box of all glyphs at bytes 36-43.
    hb_blob_t *head = hb_face_reference_table(m_hbFace, HB_TAG('h', 'e', 'a', 'd'));
    unsigned length = 0;
    const char *data = hb_blob_get_data(head, &length);
    if (length >= 44) {
        for (int i = 0; i < 4; ++i)
            m_boundingBox[i] = static_cast<int16_t>(readUint16(data + 36 + 2 * i));
    } else {
        m_boundingBox = {0, static_cast<int>(m_descent), static_cast<int>(m_unitsPerEm),
                         static_cast<int>(m_ascent)};
    }
    hb_blob_destroy(head);
}

void FontFace::readNames()
{
    char name[128];
    unsigned size = sizeof name;
    hb_ot_name_get_utf8(m_hbFace, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size, name);
    // A PDF name may hold only printable characters without delimiters;
    // anything else in a broken name table is dropped.
    for (unsigned i = 0; i < size && name[i]; ++i) {
        const char c = name[i];
        if (c > 0x20 && c < 0x7F
            && std::string_view("()<>[]{}/%#").find(c) == std::string_view::npos)
            m_postScriptName += c;
    }
    if (m_postScriptName.empty())
        m_postScriptName = "Font";
}

} // namespace tervolanpdf
