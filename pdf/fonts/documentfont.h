// One face as one document uses it: its resource name on the pages, the
// character codes handed out so far, and at the end of the document the
// font objects (Type0 font with its Unicode map, CID font with widths and
// the glyph of each code, descriptor, subset program).
#ifndef TERVOLANPDF_DOCUMENTFONT_H
#define TERVOLANPDF_DOCUMENTFONT_H

#include "pdf/fonts/codemap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tervolanpdf {

class FontFace;
class PdfObjectWriter;

class DocumentFont {
public:
    // number is the font's object number, reserved by the caller;
    // resourceName ("F1") is how the pages select it.
    DocumentFont(const FontFace &face, int number, std::string resourceName);

    const FontFace &face() const { return m_face; }
    int number() const { return m_number; }
    const std::string &resourceName() const { return m_resourceName; }
    CodeMap &codes() { return m_codes; }

    // The next font of the same face, for glyphs this one already gives
    // another text; nullptr until one is needed.
    DocumentFont *next() const { return m_next; }
    void setNext(DocumentFont *next) { m_next = next; }

    // Writes the font objects, for PDF/A with the set of CIDs the subset
    // holds. Throws PdfError when the subset cannot be made, PdfWriteError
    // when the file cannot be written.
    void write(PdfObjectWriter &writer, bool archival) const;

private:
    // A CID of the CID font and the glyph it draws, listed by CID.
    struct CidGlyph {
        uint16_t cid;
        uint16_t glyph;
    };

    std::string subsetTag() const;
    std::string widthArray(const std::vector<CidGlyph> &cids) const;
    void writeCidFont(PdfObjectWriter &writer, int number, int descriptor, int cidToGid,
                      const std::string &name, const std::vector<CidGlyph> &cids) const;
    void writeDescriptor(PdfObjectWriter &writer, int number, int program, int cidSet,
                         const std::string &name) const;
    static std::vector<CidGlyph> codesAsCids(const std::vector<uint16_t> &byCode);
    static std::vector<CidGlyph> glyphsAsCids(std::vector<uint16_t> glyphs);
    static std::string cidToGidMap(const std::vector<uint16_t> &byCode);
    static std::string cidSet(const std::vector<CidGlyph> &cids);

    const FontFace &m_face;
    int m_number;
    std::string m_resourceName;
    CodeMap m_codes;
    DocumentFont *m_next = nullptr;
};

} // namespace tervolanpdf

#endif
