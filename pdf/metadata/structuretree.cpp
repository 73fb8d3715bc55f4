#include "pdf/metadata/structuretree.h"

#include "pdf/format/pdfobjectwriter.h"
#include "pdf/format/pdfsyntax.h"

namespace tervolanpdf {

namespace {

void appendReference(std::string &out, int number)
{
    PdfSyntax::appendInteger(out, number);
    out += " 0 R";
}

} // namespace

StructureTree::StructureTree(PdfObjectWriter &writer)
    : m_writer(writer)
    , m_root(writer.reserve())
    , m_document(writer.reserve())
{
}

int StructureTree::markPiece(int page, int paragraph)
{
    if (m_paragraph == 0 || paragraph != m_paragraphValue) {
        closeParagraph();
        m_paragraph = m_writer.reserve();
        m_paragraphValue = paragraph;
        m_paragraphs.push_back(m_paragraph);
    }
    const int mcid = static_cast<int>(m_pageElements.size());
    m_pageElements.push_back(m_paragraph);
    m_marks.push_back({page, mcid});
    return mcid;
}

// A paragraph's marks on its first page are plain ids; marks on later
// pages name their page.
void StructureTree::closeParagraph()
{
    if (m_paragraph == 0)
        return;
    std::string &body = m_writer.body();
    m_writer.beginObject(m_paragraph);
    body += "<</Type/StructElem/S/P/P ";
    appendReference(body, m_document);
    const int firstPage = m_marks.front().page;
    body += "/Pg ";
    appendReference(body, firstPage);
    body += "/K[";
    for (const Mark &mark : m_marks) {
        if (mark.page == firstPage) {
            PdfSyntax::appendInteger(body, mark.mcid);
            body += ' ';
            continue;
        }
        body += "<</Type/MCR/Pg ";
        appendReference(body, mark.page);
        body += "/MCID ";
        PdfSyntax::appendInteger(body, mark.mcid);
        body += ">>";
    }
    body += "]>>";
    m_writer.endObject();
    m_marks.clear();
    m_paragraph = 0;
}

int StructureTree::closePage()
{
    if (m_pageElements.empty())
        return -1;
    const int array = m_writer.reserve();
    std::string &body = m_writer.body();
    m_writer.beginObject(array);
    body += '[';
    for (const int element : m_pageElements) {
        appendReference(body, element);
        body += ' ';
    }
    body += ']';
    m_writer.endObject();
    m_pageElements.clear();
    m_parentArrays.push_back(array);
    return static_cast<int>(m_parentArrays.size()) - 1;
}

void StructureTree::finish()
{
    closeParagraph();
    std::string &body = m_writer.body();
    m_writer.beginObject(m_document);
    body += "<</Type/StructElem/S/Document/P ";
    appendReference(body, m_root);
    body += "/K[";
    for (const int paragraph : m_paragraphs) {
        appendReference(body, paragraph);
        body += ' ';
    }
    body += "]>>";
    m_writer.endObject();

    m_writer.beginObject(m_root);
    body += "<</Type/StructTreeRoot/K ";
    appendReference(body, m_document);
    body += "/ParentTree<</Nums[";
    for (size_t key = 0; key < m_parentArrays.size(); ++key) {
        PdfSyntax::appendInteger(body, static_cast<long long>(key));
        body += ' ';
        appendReference(body, m_parentArrays[key]);
        body += ' ';
    }
    body += "]>>/ParentTreeNextKey ";
    PdfSyntax::appendInteger(body, static_cast<long long>(m_parentArrays.size()));
    body += ">>";
    m_writer.endObject();
}

} // namespace tervolanpdf
