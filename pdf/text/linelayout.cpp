#include "pdf/text/linelayout.h"

#include "pdf/fonts/documentfonts.h"
#include "pdf/fonts/fontcatalog.h"
#include "pdf/text/charclass.h"
#include "pdf/text/clustertext.h"
#include "platform/text/utf8.h"

#include <algorithm>

namespace tervolanpdf {

namespace {

constexpr size_t kBlanksPerTab = 8;
constexpr char32_t kEmDash = 0x2014;

// The script of the first character of a definite script; the characters
// that take their glyph alone are looked up in it, and punctuation follows
// it.
FontFace::LineScript lineScript(const std::vector<char32_t> &codepoints)
{
    hb_unicode_funcs_t *unicode = hb_unicode_funcs_get_default();
    for (const char32_t codepoint : codepoints) {
        if (codepoint < 0x41)
            continue;
        const hb_script_t script = hb_unicode_script(unicode, codepoint);
        if (script != HB_SCRIPT_COMMON && script != HB_SCRIPT_INHERITED
            && script != HB_SCRIPT_UNKNOWN)
            return script == HB_SCRIPT_HAN ? FontFace::LineScript::Han
                                           : FontFace::LineScript::Other;
    }
    return FontFace::LineScript::None;
}

// "——" is drawn as one glyph where the face has the ligature.
bool inDashPair(const std::vector<char32_t> &codepoints, size_t i)
{
    return codepoints[i] == kEmDash
        && ((i > 0 && codepoints[i - 1] == kEmDash)
            || (i + 1 < codepoints.size() && codepoints[i + 1] == kEmDash));
}

// Punctuation, marks and ignorables take the script of the character
// before them, as HarfBuzz itemizes.
hb_script_t scriptOf(char32_t codepoint, hb_script_t before)
{
    const hb_script_t script = hb_unicode_script(hb_unicode_funcs_get_default(), codepoint);
    if (script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN)
        return before;
    return script;
}

float designToEm(hb_position_t value, const FontFace &face)
{
    return static_cast<float>(value * 1000.0 / face.unitsPerEm());
}

} // namespace

LineLayout::LineLayout(bool standIn) : m_buffer(hb_buffer_create()), m_standIn(standIn) {}

LineLayout::~LineLayout()
{
    hb_buffer_destroy(m_buffer);
}

void LineLayout::layOut(std::string_view text, const FontFace &face, DocumentFonts &fonts)
{
    m_codepoints.resize(text.size());
    m_codepoints.resize(Utf8::decode(text, m_codepoints.data()).characters);
    m_spans.clear();
    m_face = &face;
    m_fonts = &fonts;
    m_script = lineScript(m_codepoints);
    const uint16_t space = face.glyphFor(U' ', m_script);
    fonts.place(face, space, U" ", /*blank*/ false);
    m_tabColumns = 0;
    m_plain = true;
    if (layOutPlain(face))
        return;
    m_glyphs.clear();
    m_tabColumns = 0;
    m_plain = false;
    m_faces.choose(m_codepoints, face, m_script);
    layOutRuns();
}

// Nearly every line is drawn from its own face a character at a time, each
// taking the glyph it takes alone. False, with the line half laid out, at
// the first character that asks for more.
bool LineLayout::layOutPlain(const FontFace &face)
{
    DocumentFont &font = m_fonts->firstFontOf(face);
    const std::string *name = &font.resourceName();
    // Every glyph slot is written below; resizing from the last line's
    // size spares clearing them first.
    m_glyphs.resize(m_codepoints.size());
    for (size_t i = 0; i < m_codepoints.size(); ++i) {
        const char32_t codepoint = m_codepoints[i];
        if (CharClass::isControl(codepoint)) {
            m_glyphs[i] = controlGlyph(codepoint, i);
            m_plain = m_plain && m_glyphs[i].font == name;
            continue;
        }
        if (CharClass::needsShaping(codepoint)
            && (codepoint != kEmDash || inDashPair(m_codepoints, i)))
            return false;
        const uint16_t glyph = face.glyphFor(codepoint, m_script);
        if (glyph == 0)
            return false;
        if (const uint16_t code = font.codes().knownCode(glyph, codepoint)) {
            m_glyphs[i] = {name, code, 0, 0, 0};
            continue;
        }
        const DocumentFonts::Placement placed = m_fonts->place(face, glyph, {&codepoint, 1}, false);
        m_glyphs[i] = {&placed.font->resourceName(), placed.code, 0, 0, 0};
        m_plain = m_plain && m_glyphs[i].font == name;
    }
    return true;
}

bool LineLayout::asksForShaping(size_t i) const
{
    const char32_t codepoint = m_codepoints[i];
    return CharClass::needsShaping(codepoint)
        && (codepoint != kEmDash || inDashPair(m_codepoints, i));
}

// Runs of one face and script; control characters stand alone.
void LineLayout::layOutRuns()
{
    const size_t count = m_codepoints.size();
    hb_script_t script = m_script == FontFace::LineScript::Han ? HB_SCRIPT_HAN : HB_SCRIPT_LATIN;
    size_t begin = 0;
    while (begin < count) {
        Run run{begin, begin + 1, m_faces[begin], scriptOf(m_codepoints[begin], script)};
        if (!CharClass::isControl(m_codepoints[begin]))
            run.end = runEnd(run);
        bool shaped = false;
        for (size_t i = run.begin; i < run.end && !shaped; ++i)
            shaped = asksForShaping(i);
        script = run.script;
        if (shaped)
            layOutShaped(run);
        else
            layOutAlone(run);
        begin = run.end;
    }
}

// Blanks and punctuation at the end of a right-to-left run take the
// line's left-to-right direction, so they stay after the run, not inside it.
size_t LineLayout::runEnd(const Run &run) const
{
    size_t end = run.end;
    while (end < m_codepoints.size() && m_faces[end] == run.face
           && !CharClass::isControl(m_codepoints[end])
           && scriptOf(m_codepoints[end], run.script) == run.script)
        ++end;
    if (hb_script_get_horizontal_direction(run.script) != HB_DIRECTION_RTL)
        return end;
    hb_unicode_funcs_t *unicode = hb_unicode_funcs_get_default();
    while (end > run.begin + 1
           && hb_unicode_script(unicode, m_codepoints[end - 1]) == HB_SCRIPT_COMMON)
        --end;
    return end;
}

void LineLayout::layOutAlone(const Run &run)
{
    for (size_t i = run.begin; i < run.end; ++i) {
        const char32_t original = m_codepoints[i];
        if (CharClass::isControl(original)) {
            m_glyphs.push_back(controlGlyph(original, i));
            continue;
        }
        const FontFace *face = run.face;
        uint16_t glyph = face->glyphFor(original, m_script);
        if (glyph == 0) {
            noteMissing(original);
            standIn(face, glyph);
        }
        addGlyph(*face, glyph, {&original, 1}, face->widthOf(glyph));
    }
}

// Control characters have no glyph in most fonts and would show as boxes.
// They become blanks in the text too, not only in the glyphs: a reader
// given a tab to extract breaks the line there. A tab at character i is as
// wide as the blanks up to the next stop of eight columns, each character
// before it a column, as a text editor lines up "col1<tab>col2".
LineLayout::Glyph LineLayout::controlGlyph(char32_t codepoint, size_t i)
{
    const uint16_t space = m_face->glyphFor(U' ', m_script);
    float extra = 0;
    if (codepoint == U'\t') {
        const size_t column = i + m_tabColumns;
        const size_t blanks = kBlanksPerTab - column % kBlanksPerTab;
        m_tabColumns += blanks - 1;
        extra = static_cast<float>(blanks - 1) * m_face->widthOf(space);
    }
    const DocumentFonts::Placement placed = m_fonts->place(*m_face, space, U" ", false);
    return {&placed.font->resourceName(), placed.code, 0, extra, 0};
}

void LineLayout::layOutShaped(const Run &run)
{
    hb_buffer_clear_contents(m_buffer);
    hb_buffer_add_utf32(m_buffer, reinterpret_cast<const uint32_t *>(m_codepoints.data()),
                        static_cast<int>(m_codepoints.size()), static_cast<unsigned>(run.begin),
                        static_cast<int>(run.end - run.begin));
    hb_buffer_set_script(m_buffer, run.script);
    hb_buffer_set_direction(m_buffer, hb_script_get_horizontal_direction(run.script));
    hb_buffer_set_language(m_buffer, run.face->hbLanguage());
    hb_buffer_set_flags(m_buffer, HB_BUFFER_FLAG_REMOVE_DEFAULT_IGNORABLES);
    // The line's own face keeps its advances, as the glyphs looked up
    // alone have them: kerning would move Latin text that has always stood
    // where it stands.
    const hb_feature_t noKerning{HB_TAG('k', 'e', 'r', 'n'), 0, HB_FEATURE_GLOBAL_START,
                                 HB_FEATURE_GLOBAL_END};
    const bool ownFace = run.face == m_face;
    hb_shape(run.face->hbFont(), m_buffer, ownFace ? &noKerning : nullptr, ownFace ? 1 : 0);
    unsigned count = 0;
    const hb_glyph_info_t *infos = hb_buffer_get_glyph_infos(m_buffer, &count);
    const hb_glyph_position_t *positions = hb_buffer_get_glyph_positions(m_buffer, &count);
    layOutClusters(run, count, infos, positions);
}

// Each cluster's characters go with its first glyph, but for those its
// later glyphs show as their own; other glyphs read as nothing. Ignorables, removed by the shaping,
// each become a blank of no width beside the cluster they stand at: readers drop a glyph whose text
// ends in one, or cut it into UTF-16 units.
void LineLayout::layOutClusters(const Run &run, unsigned count, const hb_glyph_info_t *infos,
                                const hb_glyph_position_t *positions)
{
    std::vector<uint32_t> starts;
    starts.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        starts.push_back(infos[i].cluster);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    const auto textOf = [&](uint32_t cluster) {
        const auto at = std::lower_bound(starts.begin(), starts.end(), cluster);
        const size_t begin = at == starts.begin() ? run.begin : *at;
        const size_t end = at + 1 == starts.end() ? run.end : *(at + 1);
        return std::u32string_view(m_codepoints.data() + begin, end - begin);
    };
    const FontFace &face = *run.face;
    const uint16_t blank = m_face->glyphFor(U' ', m_script);
    m_shaped.clear();
    if (count == 0) {
        const std::u32string_view all(m_codepoints.data() + run.begin, run.end - run.begin);
        m_shaped.push_back({m_face, blank, all, 0, 0, 0, true, 1, all});
    }
    // Shown right to left, the glyphs are stored in the order they stand,
    // so what precedes in the text follows here.
    const bool reversed = hb_buffer_get_direction(m_buffer) == HB_DIRECTION_RTL;
    for (unsigned first = 0, next = 0; first < count; first = next) {
        while (next < count && infos[next].cluster == infos[first].cluster)
            ++next;
        const std::u32string_view text = textOf(infos[first].cluster);
        size_t begin = 0;
        size_t end = text.size();
        while (begin < end && CharClass::isIgnorable(text[begin]))
            ++begin;
        while (end > begin && CharClass::isIgnorable(text[end - 1]))
            --end;
        if (begin == end) {
            begin = 0;
            end = text.size();
        }
        const std::u32string_view own = text.substr(begin, end - begin);
        // Readers get a cluster of several glyphs right only as a whole:
        // glyph by glyph, some put a vowel sign drawn over its consonant
        // before it, or read an emoji and its joiner a UTF-16 unit apiece.
        const bool whole = next - first > 1 && !reversed;
        addBlanks(text.substr(reversed ? end : 0, reversed ? text.size() - end : begin));
        std::vector<ClusterText::Piece> pieces{{0, own}};
        if (!reversed)
            pieces = ClusterText::pieces(face, own, infos + first, next - first);
        for (unsigned i = first + 1; reversed && i < next; ++i)
            pieces.push_back({static_cast<int>(i - first), {}});
        const unsigned together = whole ? static_cast<unsigned>(pieces.size()) : 1u;
        for (const ClusterText::Piece &piece : pieces) {
            if (piece.glyph < 0) {
                m_shaped.push_back({m_face, blank, piece.text, 0, 0, 0, true, together, own});
                continue;
            }
            const unsigned i = first + static_cast<unsigned>(piece.glyph);
            const FontFace *shown = &face;
            uint16_t glyph = infos[i].codepoint < face.glyphCount()
                ? static_cast<uint16_t>(infos[i].codepoint)
                : 0;
            float advance = designToEm(positions[i].x_advance, face);
            if (glyph == 0) {
                noteMissing(own);
                standIn(shown, glyph);
                advance = shown->widthOf(glyph);
            }
            m_shaped.push_back({shown, glyph, piece.text, advance,
                                designToEm(positions[i].x_offset, face),
                                designToEm(positions[i].y_offset, face), false, together, own});
        }
        addBlanks(text.substr(reversed ? 0 : end, reversed ? begin : text.size() - end));
    }
    if (reversed)
        showRightToLeft();
    else
        showLeftToRight();
}

void LineLayout::addBlanks(std::u32string_view ignorables)
{
    const uint16_t blank = m_face->glyphFor(U' ', m_script);
    for (size_t i = 0; i < ignorables.size(); ++i)
        m_shaped.push_back(
            {m_face, blank, ignorables.substr(i, 1), 0, 0, 0, true, 1, ignorables.substr(i, 1)});
}

void LineLayout::showLeftToRight()
{
    for (const Shaped &shaped : m_shaped) {
        const Placed placed = place(shaped);
        // A blank steps back over the glyph before it rather than over the
        // one after, which readers would then take for a double blank.
        const float lead = shaped.blank ? shaped.offset - placed.width : shaped.offset;
        const float extra = shaped.advance - placed.width - lead;
        noteCluster(shaped);
        m_glyphs.push_back({placed.font, placed.code, lead, extra, shaped.rise});
    }
}

// Such a cluster is given to readers as the glyphs' actual text.
void LineLayout::noteCluster(const Shaped &shaped)
{
    if (shaped.clusterGlyphs < 2)
        return;
    if (m_spans.empty() || m_spans.back().end != m_glyphs.size()
        || m_spans.back().end - m_spans.back().begin == shaped.clusterGlyphs)
        m_spans.push_back({m_glyphs.size(), m_glyphs.size(), std::u32string(shaped.clusterText)});
    ++m_spans.back().end;
}

// The glyphs stand right to left as shaped, but are shown in the order of
// the text, each moved to its place: readers take the text in the order
// it is shown, and give the run back as it was written.
void LineLayout::showRightToLeft()
{
    float total = 0;
    for (const Shaped &shaped : m_shaped)
        total += shaped.advance;
    float right = total; // right edge of the glyph to show next
    float pen = 0;
    for (auto shaped = m_shaped.rbegin(); shaped != m_shaped.rend(); ++shaped) {
        const Placed placed = place(*shaped);
        const float origin = right - shaped->advance + shaped->offset;
        noteCluster(*shaped);
        m_glyphs.push_back({placed.font, placed.code, origin - pen, 0, shaped->rise});
        pen = origin + placed.width;
        right -= shaped->advance;
    }
    m_glyphs.back().extraAdvance = total - pen;
}

LineLayout::Placed LineLayout::place(const Shaped &shaped)
{
    const DocumentFonts::Placement placed
        = m_fonts->place(*shaped.face, shaped.glyph, shaped.text, shaped.blank);
    // A blank keeps its glyph's width, which the font program and its
    // width array both give (archive validators compare them); a shift
    // takes the room back.
    return {&placed.font->resourceName(), placed.code, shaped.face->widthOf(shaped.glyph)};
}

void LineLayout::addGlyph(const FontFace &face, uint16_t glyph, std::u32string_view text,
                          float advance)
{
    const DocumentFonts::Placement placed = m_fonts->place(face, glyph, text, false);
    const float extra = advance - face.widthOf(glyph);
    m_glyphs.push_back({&placed.font->resourceName(), placed.code, 0, extra, 0});
}

void LineLayout::noteMissing(std::u32string_view text)
{
    for (const char32_t codepoint : text) {
        if (!CharClass::isIgnorable(codepoint))
            noteMissing(codepoint);
    }
}

// The line's own face draws the mark where it has it, as the Noto CJK
// faces do; else the face that has it. Without any, .notdef stays.
void LineLayout::standIn(const FontFace *&face, uint16_t &glyph) const
{
    constexpr char32_t kGeta = 0x3013;
    if (!m_standIn)
        return;
    const FontFace *marked = m_face->glyphFor(kGeta, m_script) != 0
        ? m_face
        : FontCatalog::instance().fallbackFor(kGeta);
    if (!marked)
        return;
    face = marked;
    glyph = marked->glyphFor(kGeta, m_script);
}

void LineLayout::noteMissing(char32_t codepoint)
{
    if (m_missingSeen.insert(codepoint).second)
        m_missing.push_back(codepoint);
}

} // namespace tervolanpdf
