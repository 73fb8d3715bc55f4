// One open PDF document, written by us object by object into a temporary
// file beside the target: each page goes out compressed soon after it is
// closed (on a second thread, while the next is laid out), so memory holds
// a few pages rather than the document, however many pages it gets. Fonts
// are subset and written when the document ends.
#ifndef TERVOLANPDF_PDFDOCUMENT_H
#define TERVOLANPDF_PDFDOCUMENT_H

#include "pdf/contentstream.h"
#include "pdf/fonts/documentfonts.h"
#include "pdf/format/deflater.h"
#include "pdf/format/pagetree.h"
#include "pdf/format/pdfobjectwriter.h"
#include "pdf/format/streamcompressor.h"
#include "pdf/format/tempfile.h"
#include "pdf/metadata/outline.h"
#include "pdf/metadata/structuretree.h"
#include "pdf/pagelimit.h"
#include "pdf/pagenumbers.h"
#include "pdf/tervolanpdf-private.h"
#include "pdf/text/linelayout.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class FontFace;

class PdfDocument {
public:
    // Creates the temporary file and the first page. Throws PdfError when
    // the output folder cannot take the file.
    explicit PdfDocument(const DocumentInfo &info);
    // A document destroyed before finish() is abandoned: its temporary file
    // is removed and nothing appears at the target.
    ~PdfDocument();

    PdfDocument(const PdfDocument &) = delete;
    PdfDocument &operator=(const PdfDocument &) = delete;

    const PageSize &pageSize() const { return m_pageSize; }

    // Draws one line whose top edge is at y (page units from the top of
    // the page) and which starts at x, as part of paragraph (for a tagged
    // document; a new value starts a new paragraph, a heading when
    // headingLevel is 1 or 2). Throws PdfWriteError when the
    // document can no longer be written (for example, the disk is full),
    // PdfError when only this line could not be drawn.
    void drawText(int x, int y, std::string_view text, const FontFace &face, const TextStyle &style,
                  int paragraph, int headingLevel);

    // An outline entry titled title for a heading of level (Outline::kVolume
    // or kChapter) whose line has its top edge at y on the open page.
    // Throws PdfWriteError.
    void addHeading(int level, std::string title, int y);

    // Whether pages get numbers, and the face they are drawn in when no
    // line has been drawn yet.
    bool numbersPages() const { return m_pageNumbers.active(); }
    void useNumberFace(const FontFace &face) { m_pageNumbers.useFace(face); }

    // Closes the current page and starts an empty one of the same size.
    // Throws PdfWriteError when the document can no longer be written or
    // would pass the page limit.
    void newPage();

    // Characters of the text that no installed face has, each once, in the
    // order they first appeared.
    const std::vector<char32_t> &missingCharacters() const { return m_layout.missing(); }

    // Writes the end of the document and renames it over the target.
    // Throws PdfError on any failure, leaving the target as it was.
    void finish();

private:
    int currentPage();
    void writePage();
    void writeResources();
    void writeCatalog(int pageTreeRoot);
    int writeMetadata();
    int writeOutputProfile();
    void writeInfo();
    std::string title() const;

    DocumentInfo m_info;
    TempFile m_file;
    PageSize m_pageSize;
    Deflater m_deflater;
    StreamCompressor m_background; // pages' content, while the next is laid out
    PdfObjectWriter m_writer;
    ContentStream m_content;
    LineLayout m_layout;
    DocumentFonts m_fonts;
    int m_catalog = 0; // reserved before the page tree: objects 1 and 2
    PageTree m_pageTree;
    PageLimit m_pageLimit;
    std::unique_ptr<StructureTree> m_structure; // for a tagged document
    Outline m_outline;
    PageNumbers m_pageNumbers;
    int m_resources = 0;
    int m_infoObject = 0;
    int m_page = 0; // the open page's object number, once something needs it
    std::string m_creationDate;
    std::string m_xmpDate;
    bool m_languageNamed = false; // by the face of the first line drawn
};

} // namespace tervolanpdf

#endif
