#include "pdf/metadata/structuretree.h"

#include "pdf/format/pdfsyntax.h"

namespace tervolanpdf {

namespace {

constexpr int kMaxKids = PdfSyntax::kMaxArrayEntries;

void appendReference(std::string &out, int number)
{
    PdfSyntax::appendInteger(out, number);
    out += " 0 R";
}

} // namespace

StructureTree::StructureTree(PdfObjectWriter &writer, const std::string &folder,
                             const std::string &target, const std::string &language)
    : m_writer(writer)
    , m_root(writer.reserve())
    , m_top(writer.reserve())
    , m_paragraphs(folder, target)
    , m_language(language.empty() ? "en" : language.substr(0, language.find('-')))
    , m_marks(folder, target)
    , m_parentTree(writer, folder, target)
{
}

int StructureTree::markPiece(int page, int paragraph, const char *language, int headingLevel)
{
    const bool full = m_marks.size() >= 2 * static_cast<uint64_t>(kMaxKids);
    if (m_paragraph == 0 || paragraph != m_paragraphValue || full) {
        closeParagraph();
        m_paragraph = m_writer.reserve();
        m_paragraphValue = paragraph;
        m_paragraphLanguage = language == m_language ? "" : language;
        m_paragraphRole = headingLevel == 1 ? "H1" : headingLevel == 2 ? "H2" : "P";
    }
    const int mcid = static_cast<int>(m_pageElements.size());
    m_pageElements.push_back(m_paragraph);
    m_marks.append(page);
    m_marks.append(mcid);
    return mcid;
}

// There is one element per input line: it leaves out the optional /Type, 16
// bytes a line where PDF/A keeps it out of object streams.
void StructureTree::closeParagraph()
{
    if (m_paragraph == 0)
        return;
    const int parent = parentOfParagraph();
    m_writer.writeLongObject(m_paragraph, [&](const PdfObjectWriter::Append &append) {
        std::string head = "<</S/";
        head += m_paragraphRole;
        if (*m_paragraphLanguage != '\0') {
            head += "/Lang(";
            head += m_paragraphLanguage;
            head += ')';
        }
        head += "/P ";
        appendReference(head, parent);
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

// A full Document or Part is written, and the next paragraph starts a Part
// beside it rather than below: readers that walk the tree by depth find
// every paragraph one level down, however long the document.
int StructureTree::parentOfParagraph()
{
    if (m_paragraphs.size() == static_cast<uint64_t>(kMaxKids)) {
        writeTop();
        m_paragraphs.clear();
        m_top = m_writer.reserve();
    }
    m_paragraphs.append(m_paragraph);
    return m_top;
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
    const int key = m_parentTree.addPage(m_pageElements);
    m_pageElements.clear();
    return key;
}

void StructureTree::finish()
{
    closeParagraph();
    writeTop();
    m_parentTree.writeNodes();
    m_writer.writeLongObject(m_root,
                             [this](const PdfObjectWriter::Append &append) { appendRoot(append); });
}

void StructureTree::writeTop()
{
    m_writer.writeLongObject(m_top,
                             [this](const PdfObjectWriter::Append &append) { appendTop(append); });
    m_tops.push_back(m_top);
}

void StructureTree::appendTop(const PdfObjectWriter::Append &append)
{
    std::string part
        = m_tops.empty() ? "<</Type/StructElem/S/Document/P " : "<</Type/StructElem/S/Part/P ";
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
    if (m_tops.size() == 1) {
        appendReference(part, m_tops.front());
    } else {
        part += '[';
        for (const int top : m_tops) {
            appendReference(part, top);
            part += ' ';
        }
        part += ']';
    }
    part += "/ParentTree<<";
    append(part);
    m_parentTree.appendRoot(append);
    part = ">>/ParentTreeNextKey ";
    PdfSyntax::appendInteger(part, m_parentTree.nextKey());
    part += ">>";
    append(part);
}

} // namespace tervolanpdf
