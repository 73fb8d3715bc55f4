// The logical structure of a tagged document: a Document element holding
// one P element per paragraph, each P owning the marked pieces of text
// drawn for it, on one page or several. Paragraphs are written as soon as
// the next one starts; what stays in memory is a number per paragraph and
// the marks of the open page.
#ifndef TERVOLANPDF_STRUCTURETREE_H
#define TERVOLANPDF_STRUCTURETREE_H

#include <string>
#include <vector>

namespace tervolanpdf {

class PdfObjectWriter;

class StructureTree {
public:
    explicit StructureTree(PdfObjectWriter &writer);

    int rootNumber() const { return m_root; }

    // A piece of paragraph drawn on page (its object number): returns the
    // marked-content id the page's content gives it.
    int markPiece(int page, int paragraph);

    // Ends the page's marks; returns the key its /StructParents names, or
    // -1 for a page without marked text.
    int closePage();

    // Writes the elements still open, the Document element and the root.
    void finish();

private:
    struct Mark {
        int page;
        int mcid;
    };

    void closeParagraph();

    PdfObjectWriter &m_writer;
    int m_root;
    int m_document;
    std::vector<int> m_paragraphs; // P elements, in order
    int m_paragraphValue = 0;
    int m_paragraph = 0; // the open P element, 0 for none
    std::vector<Mark> m_marks;
    std::vector<int> m_pageElements; // the P of each MCID on the open page
    std::vector<int> m_parentArrays; // per key, the array object it names
};

} // namespace tervolanpdf

#endif
