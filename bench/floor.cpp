// The floor: the least work any correct converter does for a UTF-8 text,
// timed beside tervolan-convert so its results read as a ratio to it.
// It reads and decodes the file, looks every character's glyph up in the
// default Chinese face, writes the glyph codes of each line as page
// content, and deflates each page at the fastest level. No layout rules,
// no font program, no PDF structure.
//
// Usage: tervolan-floor INPUT OUTPUT
#include <fontconfig/fontconfig.h>
#include <hb.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kLinesPerPage = 49; // A4 at 12 points
constexpr char32_t kReplacement = 0xFFFD;

std::string defaultFacePath(int &index)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>("Noto Serif CJK SC"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcChar8 *file = nullptr;
    std::string path;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        path = reinterpret_cast<const char *>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
    }
    FcPatternDestroy(pattern);
    if (match)
        FcPatternDestroy(match);
    return path;
}

// One code point from UTF-8 at position; malformed bytes give U+FFFD.
char32_t nextCodePoint(const std::string &text, size_t &position)
{
    const auto lead = static_cast<unsigned char>(text[position++]);
    if (lead < 0x80)
        return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || position + extra > text.size())
        return kReplacement;
    char32_t value = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(text[position]);
        if ((next & 0xC0) != 0x80)
            return kReplacement;
        value = (value << 6) | (next & 0x3F);
        ++position;
    }
    return value;
}

class GlyphLookup {
public:
    explicit GlyphLookup(hb_font_t *font) : m_font(font), m_bmp(0x10000, -1) {}

    uint16_t glyph(char32_t codePoint)
    {
        if (codePoint < 0x10000 && m_bmp[codePoint] >= 0)
            return static_cast<uint16_t>(m_bmp[codePoint]);
        hb_codepoint_t found = 0;
        hb_font_get_nominal_glyph(m_font, codePoint, &found);
        if (codePoint < 0x10000)
            m_bmp[codePoint] = static_cast<int32_t>(found);
        return static_cast<uint16_t>(found);
    }

private:
    hb_font_t *m_font;
    std::vector<int32_t> m_bmp;
};

class PageWriter {
public:
    explicit PageWriter(std::FILE *out) : m_out(out) {}

    void addLine(const std::vector<uint16_t> &glyphs)
    {
        m_content += "0 -14 Td (";
        for (const uint16_t glyph : glyphs) {
            appendByte(static_cast<char>(glyph >> 8));
            appendByte(static_cast<char>(glyph & 0xFF));
        }
        m_content += ") Tj\n";
        if (++m_lines == kLinesPerPage)
            flush();
    }

    void flush()
    {
        if (m_content.empty())
            return;
        uLongf size = compressBound(m_content.size());
        m_deflated.resize(size);
        compress2(m_deflated.data(), &size, reinterpret_cast<const Bytef *>(m_content.data()),
                  m_content.size(), Z_BEST_SPEED);
        std::fwrite(m_deflated.data(), 1, size, m_out);
        m_content.clear();
        m_lines = 0;
    }

private:
    // Two-byte codes in a literal string: only the delimiters and the
    // backslash need escaping.
    void appendByte(char byte)
    {
        if (byte == '(' || byte == ')' || byte == '\\')
            m_content += '\\';
        m_content += byte;
    }

    std::FILE *m_out;
    std::string m_content;
    std::vector<Bytef> m_deflated;
    int m_lines = 0;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tervolan-floor INPUT OUTPUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    int index = 0;
    const std::string facePath = defaultFacePath(index);
    hb_blob_t *blob = hb_blob_create_from_file_or_fail(facePath.c_str());
    std::FILE *out = std::fopen(argv[2], "wb");
    if (!in || !blob || !out) {
        std::fprintf(stderr,
                     "tervolan-floor: cannot read the input, the face or write the output\n");
        return 1;
    }
    hb_face_t *face = hb_face_create(blob, index);
    hb_font_t *font = hb_font_create(face);
    GlyphLookup lookup(font);
    PageWriter pages(out);
    std::vector<uint16_t> line;
    for (size_t position = 0; position < text.size();) {
        const char32_t codePoint = nextCodePoint(text, position);
        if (codePoint == '\n') {
            pages.addLine(line);
            line.clear();
        } else if (codePoint != '\r') {
            line.push_back(lookup.glyph(codePoint));
        }
    }
    pages.addLine(line);
    pages.flush();
    hb_font_destroy(font);
    hb_face_destroy(face);
    hb_blob_destroy(blob);
    return std::fclose(out) == 0 ? 0 : 1;
}
