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

// Each code is the CID it draws (Identity-H), which every reader
// understands; the CID font carries each code's glyph: a CIDToGIDMap for
// TrueType, the subset's own order for CFF, which is written CID-keyed. A
// name-keyed CFF program the reader cannot follow (units other than 1,000
// an em) is addressed by glyph id alone, so its codes go through an
// embedded CMap to the glyph ids instead.
void DocumentFont::write(PdfObjectWriter &writer, bool archival) const
{
    const std::vector<CodeMap::Entry> &entries = m_codes.entries();
    std::vector<uint16_t> byCode;
    byCode.reserve(entries.size());
    for (const CodeMap::Entry &entry : entries)
        byCode.push_back(entry.glyph);
    const std::string program = FontSubset::make(m_face, byCode);
    const std::string tag = subsetTag();
    const std::string name = tag + "+" + m_face.postScriptName();
    const FontFace::Outlines outlines = m_face.outlines();
    const bool byGlyph = outlines == FontFace::Outlines::NameKeyedCff && !m_face.cffFont();
    const std::vector<CidGlyph> cids = byGlyph ? glyphsAsCids(byCode) : codesAsCids(byCode);

    const int cidFont = writer.reserve();
    const int descriptor = writer.reserve();
    const int fontFile = writer.reserve();
    const int encoding = byGlyph ? writer.reserve() : 0;
    const int toUnicode = writer.reserve();
    const int cidToGid = outlines == FontFace::Outlines::TrueType ? writer.reserve() : 0;
    const int cidSetNumber = archival ? writer.reserve() : 0;

    std::string &body = writer.body();
    writer.beginObject(m_number);
    body += "<</Type/Font/Subtype/Type0/BaseFont/" + name + "/Encoding";
    body += encoding ? " " + std::to_string(encoding) + " 0 R" : "/Identity-H";
    body += "/DescendantFonts[";
    PdfSyntax::appendInteger(body, cidFont);
    body += " 0 R]/ToUnicode ";
    PdfSyntax::appendInteger(body, toUnicode);
    body += " 0 R>>";
    writer.endObject();

    writeCidFont(writer, cidFont, descriptor, cidToGid, name, cids);
    writeDescriptor(writer, descriptor, fontFile, cidSetNumber, name);
    if (cidSetNumber)
        writer.writeStream(cidSetNumber, {}, cidSet(cids), /*compress*/ true);
    writer.writeLargeStream(fontFile,
                            outlines == FontFace::Outlines::TrueType
                                ? std::string_view{}
                                : std::string_view{"/Subtype/CIDFontType0C"},
                            program);
    if (cidToGid)
        writer.writeStream(cidToGid, {}, cidToGidMap(byCode), /*compress*/ true);
    if (encoding) {
        const std::string cmapName = "Tervolan-" + tag + "-" + m_resourceName;
        writer.writeStream(encoding,
                           "/Type/CMap/CMapName/" + cmapName
                               + "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement "
                                 "0>>",
                           CMapProgram::encoding(cmapName, entries), /*compress*/ true);
    }
    writer.writeStream(toUnicode, {}, CMapProgram::toUnicode(entries), /*compress*/ true);
}

void DocumentFont::writeCidFont(PdfObjectWriter &writer, int number, int descriptor, int cidToGid,
                                const std::string &name, const std::vector<CidGlyph> &cids) const
{
    std::string &body = writer.body();
    writer.beginObject(number);
    body += m_face.outlines() == FontFace::Outlines::TrueType
        ? "<</Type/Font/Subtype/CIDFontType2/BaseFont/"
        : "<</Type/Font/Subtype/CIDFontType0/BaseFont/";
    body += name;
    body += "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ";
    PdfSyntax::appendInteger(body, descriptor);
    body += " 0 R";
    if (cidToGid) {
        body += "/CIDToGIDMap ";
        PdfSyntax::appendInteger(body, cidToGid);
        body += " 0 R";
    }
    body += "/DW 1000/W";
    body += widthArray(cids);
    body += ">>";
    writer.endObject();
}

// Code k draws CID k, the glyph of code k.
std::vector<DocumentFont::CidGlyph> DocumentFont::codesAsCids(const std::vector<uint16_t> &byCode)
{
    std::vector<CidGlyph> cids;
    cids.reserve(byCode.size());
    for (size_t code = 0; code < byCode.size(); ++code)
        cids.push_back({static_cast<uint16_t>(code), byCode[code]});
    return cids;
}

// The CID is the glyph id, each glyph once.
std::vector<DocumentFont::CidGlyph> DocumentFont::glyphsAsCids(std::vector<uint16_t> glyphs)
{
    std::sort(glyphs.begin(), glyphs.end());
    glyphs.erase(std::unique(glyphs.begin(), glyphs.end()), glyphs.end());
    std::vector<CidGlyph> cids;
    cids.reserve(glyphs.size());
    for (const uint16_t glyph : glyphs)
        cids.push_back({glyph, glyph});
    return cids;
}

// Two bytes, big-endian, of each code's glyph id.
std::string DocumentFont::cidToGidMap(const std::vector<uint16_t> &byCode)
{
    std::string map;
    map.reserve(byCode.size() * 2);
    for (const uint16_t glyph : byCode) {
        map += static_cast<char>(glyph >> 8);
        map += static_cast<char>(glyph & 0xFF);
    }
    return map;
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

// Runs of consecutive CIDs share one "first [w w w]" entry; glyphs of the
// default width are left to /DW.
std::string DocumentFont::widthArray(const std::vector<CidGlyph> &cids) const
{
    std::string out = "[";
    size_t i = 0;
    while (i < cids.size()) {
        if (isDefaultWidth(m_face.widthOf(cids[i].glyph))) {
            ++i;
            continue;
        }
        PdfSyntax::appendInteger(out, cids[i].cid);
        out += '[';
        size_t next = i;
        do {
            if (next != i)
                out += ' ';
            PdfSyntax::appendReal(out, m_face.widthOf(cids[next].glyph));
            ++next;
        } while (next < cids.size() && cids[next].cid == cids[next - 1].cid + 1
                 && !isDefaultWidth(m_face.widthOf(cids[next].glyph)));
        out += ']';
        i = next;
    }
    out += ']';
    return out;
}

// One bit per CID from 0, the highest bit of each byte first; the subset
// always holds CID 0, the .notdef glyph.
std::string DocumentFont::cidSet(const std::vector<CidGlyph> &cids)
{
    const unsigned highest = cids.empty() ? 0 : cids.back().cid;
    std::string bits(highest / 8 + 1, '\0');
    bits[0] = static_cast<char>(0x80);
    for (const CidGlyph &each : cids)
        bits[each.cid / 8] = static_cast<char>(bits[each.cid / 8] | (0x80 >> (each.cid % 8)));
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
