#include "pdf/fonts/documentfont.h"

#include "pdf/fonts/fontface.h"
#include "pdf/fonts/fontsubset.h"
#include "pdf/format/pdfobjectwriter.h"
#include "pdf/format/pdfsyntax.h"

#include "pdf/fonts/cmapprogram.h"
#include <algorithm>
#include <cmath>

namespace tervolanpdf {

DocumentFont::DocumentFont(const FontFace &face, int number, std::string resourceName)
    : m_face(face)
    , m_number(number)
    , m_resourceName(std::move(resourceName))
    , m_codes(face.glyphCount())
{
}

namespace {

// Most glyphs of a Chinese face are one em wide: the default width spares
// listing them.
constexpr int kDefaultWidth = 1000;

bool isDefaultWidth(double width)
{
    return std::lround(width * 100) == kDefaultWidth * 100;
}

} // namespace

void DocumentFont::write(PdfObjectWriter &writer, bool archival) const
{
    const std::vector<CodeMap::Entry> &entries = m_codes.entries();
    std::vector<uint16_t> glyphs;
    glyphs.reserve(entries.size());
    for (const CodeMap::Entry &entry : entries)
        glyphs.push_back(entry.glyph);
    std::sort(glyphs.begin(), glyphs.end());
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end()), glyphs.end());
    const std::string program = FontSubset::make(m_face, glyphs);
    const std::string tag = subsetTag();
    const std::string name = tag + "+" + m_face.postScriptName();
    const std::string cmapName = "Tervolan-" + tag + "-" + m_resourceName;
    const bool trueType = m_face.outlines() == FontFace::Outlines::TrueType;

    const int cidFont = writer.reserve();
    const int descriptor = writer.reserve();
    const int fontFile = writer.reserve();
    const int encoding = writer.reserve();
    const int toUnicode = writer.reserve();
    const int cids = archival ? writer.reserve() : 0;

    std::string &body = writer.body();
    writer.beginObject(m_number);
    body += "<</Type/Font/Subtype/Type0/BaseFont/" + name + "/Encoding ";
    PdfSyntax::appendInteger(body, encoding);
    body += " 0 R/DescendantFonts[";
    PdfSyntax::appendInteger(body, cidFont);
    body += " 0 R]/ToUnicode ";
    PdfSyntax::appendInteger(body, toUnicode);
    body += " 0 R>>";
    writer.endObject();

    writer.beginObject(cidFont);
    body += trueType ? "<</Type/Font/Subtype/CIDFontType2/BaseFont/"
                     : "<</Type/Font/Subtype/CIDFontType0/BaseFont/";
    body += name;
    body += "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ";
    PdfSyntax::appendInteger(body, descriptor);
    body += " 0 R";
    if (trueType)
        body += "/CIDToGIDMap/Identity";
    body += "/DW 1000/W";
    body += widthArray(glyphs);
    body += ">>";
    writer.endObject();

    writeDescriptor(writer, descriptor, fontFile, cids, name);
    if (cids)
        writer.writeStream(cids, {}, cidSet(glyphs), /*compress*/ true);
    writer.writeStream(fontFile,
                       trueType ? std::string_view{} : std::string_view{"/Subtype/CIDFontType0C"},
                       program, /*compress*/ true);
    writer.writeStream(encoding,
                       "/Type/CMap/CMapName/" + cmapName
                           + "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>",
                       CMapProgram::encoding(cmapName, entries), /*compress*/ true);
    writer.writeStream(toUnicode, {}, CMapProgram::toUnicode(entries), /*compress*/ true);
}

// A subset font's name carries six capital letters before a "+"; they are
// made from the codes it holds, so the same document gets the same name.
std::string DocumentFont::subsetTag() const
{
    uint64_t hash = 14695981039346656037ull;
    for (const CodeMap::Entry &entry : m_codes.entries()) {
        hash = (hash ^ entry.glyph) * 1099511628211ull;
        for (const char32_t codepoint : entry.text)
            hash = (hash ^ codepoint) * 1099511628211ull;
    }
    std::string tag(6, 'A');
    for (char &letter : tag) {
        letter = static_cast<char>('A' + hash % 26);
        hash /= 26;
    }
    return tag;
}

// Runs of consecutive glyph ids share one "first [w w w]" entry; glyphs of
// the default width are left to /DW.
std::string DocumentFont::widthArray(const std::vector<uint16_t> &glyphs) const
{
    std::string out = "[";
    size_t i = 0;
    while (i < glyphs.size()) {
        if (isDefaultWidth(m_face.widthOf(glyphs[i]))) {
            ++i;
            continue;
        }
        PdfSyntax::appendInteger(out, glyphs[i]);
        out += '[';
        size_t next = i;
        do {
            if (next != i)
                out += ' ';
            PdfSyntax::appendReal(out, m_face.widthOf(glyphs[next]));
            ++next;
        } while (next < glyphs.size() && glyphs[next] == glyphs[next - 1] + 1
                 && !isDefaultWidth(m_face.widthOf(glyphs[next])));
        out += ']';
        i = next;
    }
    out += ']';
    return out;
}

// One bit per CID from 0, the highest bit of each byte first; the subset
// always holds CID 0, the .notdef glyph.
std::string DocumentFont::cidSet(const std::vector<uint16_t> &glyphs)
{
    const unsigned highest = glyphs.empty() ? 0 : glyphs.back();
    std::string bits(highest / 8 + 1, '\0');
    bits[0] = static_cast<char>(0x80);
    for (const uint16_t glyph : glyphs)
        bits[glyph / 8] = static_cast<char>(bits[glyph / 8] | (0x80 >> (glyph % 8)));
    return bits;
}

void DocumentFont::writeDescriptor(PdfObjectWriter &writer, int number, int program, int cidSet,
                                   const std::string &name) const
{
    const double scale = 1000.0 / m_face.unitsPerEm();
    std::string &body = writer.body();
    writer.beginObject(number);
    body += "<</Type/FontDescriptor/FontName/" + name;
    // Flags 4: symbolic, the glyphs are addressed by id, not by a Latin
    // encoding.
    body += "/Flags 4/FontBBox[";
    for (int i = 0; i < 4; ++i) {
        if (i)
            body += ' ';
        PdfSyntax::appendReal(body, m_face.boundingBox()[i] * scale);
    }
    body += "]/ItalicAngle 0/Ascent ";
    PdfSyntax::appendReal(body, m_face.ascent() * scale);
    body += "/Descent ";
    PdfSyntax::appendReal(body, m_face.descent() * scale);
    body += "/CapHeight ";
    PdfSyntax::appendReal(body, m_face.ascent() * scale);
    body += "/StemV 80";
    body += m_face.outlines() == FontFace::Outlines::TrueType ? "/FontFile2 " : "/FontFile3 ";
    PdfSyntax::appendInteger(body, program);
    body += " 0 R";
    if (cidSet) {
        body += "/CIDSet ";
        PdfSyntax::appendInteger(body, cidSet);
        body += " 0 R";
    }
    body += ">>";
    writer.endObject();
}

} // namespace tervolanpdf
