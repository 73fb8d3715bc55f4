// The logical structure of a tagged document: a Document element holding
// one P element per paragraph (H1 or H2 for a heading), each P owning the marked pieces of text
// drawn for it, on one page or several. Paragraphs are written as soon as
// the next one starts. The lists that grow with the document (its
// paragraphs, its pages' parent arrays, the pieces of one paragraph) spill
// into files beside it, so memory holds the marks of the open page only.
// No array passes what PDF/A allows: past 8,191 paragraphs the later ones
// go into Part elements beside the Document, 8,191 to each, a paragraph of
// more pieces than that goes on in a second P, and a long parent tree is
// written in levels.
#ifndef TERVOLANPDF_STRUCTURETREE_H
#define TERVOLANPDF_STRUCTURETREE_H

#include "pdf/format/pdfobjectwriter.h"
#include "pdf/format/spillednumbers.h"
#include "pdf/metadata/parenttree.h"

#include <string>
#include <vector>

namespace tervolanpdf {

class StructureTree {
public:
    // Spill files, when needed, go into folder; target names the document
    // in messages. language is the document's tag ("" reads as "en").
    StructureTree(PdfObjectWriter &writer, const std::string &folder, const std::string &target,
                  const std::string &language);

    int rootNumber() const { return m_root; }

    // A piece of paragraph drawn on page (its object number): returns the
    // marked-content id the page's content gives it. A paragraph's first
    // piece gives its language tag ("" for the document's own) and its
    // heading level (0 for none, else 1 or 2). Throws PdfWriteError.
    int markPiece(int page, int paragraph, const char *language, int headingLevel);

    // Ends the page's marks; returns the key its /StructParents names, or
    // -1 for a page without marked text. Throws PdfWriteError.
    int closePage();

    // Writes the elements still open, the Document element and the root.
    // Throws PdfWriteError.
    void finish();

private:
    void closeParagraph();
    int parentOfParagraph();
    void appendKids(const PdfObjectWriter::Append &append);
    void writeTop();
    void appendTop(const PdfObjectWriter::Append &append);
    void appendRoot(const PdfObjectWriter::Append &append);

    PdfObjectWriter &m_writer;
    int m_root;
    int m_top;                   // the open Document or Part
    std::vector<int> m_tops;     // those written, the Document first
    SpilledNumbers m_paragraphs; // the open one's P elements, in order
    int m_paragraphValue = 0;
    int m_paragraph = 0;                  // the open P element, 0 for none
    const char *m_paragraphLanguage = ""; // its /Lang, "" for none
    const char *m_paragraphRole = "P";    // its /S
    std::string m_language;               // the document's, without region
    SpilledNumbers m_marks;               // page and MCID of each of its pieces
    std::vector<int> m_pageElements;      // the P of each MCID on the open page
    ParentTree m_parentTree;
};

} // namespace tervolanpdf

#endif
