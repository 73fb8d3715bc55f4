#include "pdf/metadata/structuretree.h"

#include "pdf/format/pdfsyntax.h"

namespace tervolanpdf {

namespace {

void appendReference(std::string &out, int number)
{
    PdfSyntax::appendInteger(out, number);
    out += " 0 R";
}

} // namespace

StructureTree::StructureTree(PdfObjectWriter &writer, const std::string &folder,
                             const std::string &target)
    : m_writer(writer)
    , m_root(writer.reserve())
    , m_document(writer.reserve())
    , m_paragraphs(folder, target)
    , m_marks(folder, target)
    , m_parentArrays(folder, target)
{
}

int StructureTree::markPiece(int page, int paragraph)
{
    if (m_paragraph == 0 || paragraph != m_paragraphValue) {
        closeParagraph();
        m_paragraph = m_writer.reserve();
        m_paragraphValue = paragraph;
        m_paragraphs.append(m_paragraph);
    }
    const int mcid = static_cast<int>(m_pageElements.size());
    m_pageElements.push_back(m_paragraph);
    m_marks.append(page);
    m_marks.append(mcid);
    return mcid;
}

// There is one P per input line: it leaves out the optional /Type, 16
// bytes a line where PDF/A keeps it out of object streams.
void StructureTree::closeParagraph()
{
    if (m_paragraph == 0)
        return;
    m_writer.writeLongObject(m_paragraph, [this](const PdfObjectWriter::Append &append) {
        std::string head = "<</S/P/P ";
        appendReference(head, m_document);
        head += "/Pg ";
        appendReference(head, m_marks.front());
        head += "/K[";
        append(head);
        appendKids(append);
        append("]>>");
    });
    m_marks.clear();
    m_paragraph = 0;
}

// A paragraph's marks on its first page are plain ids; marks on later
// pages name their page. A block holds an even count of numbers, so a
// page and its id never part.
void StructureTree::appendKids(const PdfObjectWriter::Append &append)
{
    const int firstPage = m_marks.front();
    std::string kids;
    m_marks.forEachBlock([&](std::span<const int> numbers) {
        kids.clear();
        for (size_t i = 0; i + 1 < numbers.size(); i += 2) {
            if (numbers[i] == firstPage) {
                PdfSyntax::appendInteger(kids, numbers[i + 1]);
                kids += ' ';
                continue;
            }
            kids += "<</Type/MCR/Pg ";
            appendReference(kids, numbers[i]);
            kids += "/MCID ";
            PdfSyntax::appendInteger(kids, numbers[i + 1]);
            kids += ">>";
        }
        append(kids);
    });
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
    m_parentArrays.append(array);
    return static_cast<int>(m_parentArrays.size()) - 1;
}

void StructureTree::finish()
{
    closeParagraph();
    m_writer.writeLongObject(
        m_document, [this](const PdfObjectWriter::Append &append) { appendDocument(append); });
    m_writer.writeLongObject(m_root,
                             [this](const PdfObjectWriter::Append &append) { appendRoot(append); });
}

void StructureTree::appendDocument(const PdfObjectWriter::Append &append)
{
    std::string part = "<</Type/StructElem/S/Document/P ";
    appendReference(part, m_root);
    part += "/K[";
    append(part);
    m_paragraphs.forEachBlock([&](std::span<const int> paragraphs) {
        part.clear();
        for (const int paragraph : paragraphs) {
            appendReference(part, paragraph);
            part += ' ';
        }
        append(part);
    });
    append("]>>");
}

void StructureTree::appendRoot(const PdfObjectWriter::Append &append)
{
    std::string part = "<</Type/StructTreeRoot/K ";
    appendReference(part, m_document);
    part += "/ParentTree<</Nums[";
    append(part);
    long long key = 0;
    m_parentArrays.forEachBlock([&](std::span<const int> arrays) {
        part.clear();
        for (const int array : arrays) {
            PdfSyntax::appendInteger(part, key++);
            part += ' ';
            appendReference(part, array);
            part += ' ';
        }
        append(part);
    });
    part = "]>>/ParentTreeNextKey ";
    PdfSyntax::appendInteger(part, key);
    part += ">>";
    append(part);
}

} // namespace tervolanpdf
