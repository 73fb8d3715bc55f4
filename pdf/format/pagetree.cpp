#include "pdf/format/pagetree.h"

#include "pdf/format/pdfobjectwriter.h"
#include "pdf/format/pdfsyntax.h"

namespace tervolanpdf {

PageTree::PageTree(PdfObjectWriter &writer, int firstNode) : m_writer(writer), m_levels(1)
{
    m_levels[0].number = firstNode;
    m_levels[0].kids.reserve(kFanOut);
}

int PageTree::parentOfNextPage()
{
    // Closing may grow the tree and move the levels: look the bottom up
    // only after that.
    if (m_levels[0].kids.size() == kFanOut)
        close(0);
    Node &bottom = m_levels[0];
    if (bottom.number == 0)
        bottom.number = m_writer.reserve();
    return bottom.number;
}

void PageTree::addPage(int page)
{
    m_levels[0].kids.push_back(page);
    ++m_levels[0].pages;
    ++m_pageCount;
}

// A full node is written under the open node of the level above, which is
// made when there is none (the tree grows a level) or when it is full too.
void PageTree::close(size_t level)
{
    if (level + 1 == m_levels.size())
        m_levels.emplace_back().kids.reserve(kFanOut);
    if (m_levels[level + 1].kids.size() == kFanOut)
        close(level + 1);
    Node &above = m_levels[level + 1];
    if (above.number == 0)
        above.number = m_writer.reserve();
    Node &node = m_levels[level];
    write(node, above.number, {});
    above.kids.push_back(node.number);
    above.pages += node.pages;
    node.number = 0;
    node.kids.clear();
    node.pages = 0;
}

int PageTree::finish(const std::string &rootEntries)
{
    // Every level below the top holds an open node with kids; closing them
    // bottom up may still grow the tree, so the top is looked up each time.
    for (size_t level = 0; level + 1 < m_levels.size(); ++level)
        close(level);
    const Node &root = m_levels.back();
    write(root, /*parent*/ 0, rootEntries);
    return root.number;
}

void PageTree::write(const Node &node, int parent, const std::string &entries)
{
    std::string &body = m_writer.body();
    m_writer.beginObject(node.number);
    body += "<</Type/Pages";
    if (parent) {
        body += "/Parent ";
        PdfSyntax::appendInteger(body, parent);
        body += " 0 R";
    }
    body += entries;
    body += "/Count ";
    PdfSyntax::appendInteger(body, node.pages);
    body += "/Kids[";
    for (size_t i = 0; i < node.kids.size(); ++i) {
        if (i)
            body += ' ';
        PdfSyntax::appendInteger(body, node.kids[i]);
        body += " 0 R";
    }
    body += "]>>";
    m_writer.endObject();
}

} // namespace tervolanpdf
