// A writer instance: the properties set on it and the document it has
// open. Every method reports failure by throwing PdfError.
#ifndef TERVOLANPDF_PDFBOX_H
#define TERVOLANPDF_PDFBOX_H

#include "pdf/tervolanpdf-private.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tervolanpdf {

class FontFace;
class PdfDocument;

class PdfBox {
public:
    PdfBox();
    ~PdfBox();

    PdfBox(const PdfBox &) = delete;
    PdfBox &operator=(const PdfBox &) = delete;

    // Held by the entry points for the length of one call: a box is meant
    // for one thread at a time, and this keeps a careless caller from
    // corrupting it.
    std::mutex &mutex() { return m_mutex; }

    void setText(int property, std::string text);
    std::string text(int property) const;
    void setNumber(int property, int value);
    int number(int property) const;

    void beginDoc();
    void textOut(int x, int y, const char *text);
    void newPage();
    void endDoc();

private:
    PdfDocument &openDocument(const char *action);
    const FontFace &currentFace();
    const std::vector<char32_t> &missingCharacters() const;

    std::mutex m_mutex;
    DocumentInfo m_info;
    TextStyle m_style;
    int m_attribute = 0;
    int m_reserved44 = 0;
    int m_colourValue = 0;
    int m_paragraph = 0;
    int m_headingLevel = 0;
    std::string m_headingTitle;
    bool m_headingArmed = false; // the next line drawn gets an outline entry
    std::unique_ptr<PdfDocument> m_document;
    // The face of m_style.fontName once looked up; the catalog owns it.
    const FontFace *m_face = nullptr;
    std::string m_faceName;
    // What the document last finished lacked, kept until the next BeginDoc.
    std::vector<char32_t> m_lastMissing;
    int m_missingIndex = 0;
    bool m_outputTaken = false;
};

} // namespace tervolanpdf

#endif
