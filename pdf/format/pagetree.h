// The document's page tree, built as the pages come: each /Pages node takes
// up to kFanOut kids and is written as soon as it is full, so memory holds
// one node per level rather than a list of every page. The tree stays
// balanced, and a document of up to kFanOut pages gets the single /Pages
// node a flat list would give.
#ifndef TERVOLANPDF_PAGETREE_H
#define TERVOLANPDF_PAGETREE_H

#include <string>
#include <vector>

namespace tervolanpdf {

class PdfObjectWriter;

class PageTree {
public:
    static constexpr int kFanOut = 64;

    // firstNode is the object number reserved for the first bottom node,
    // the root as long as the document stays small.
    PageTree(PdfObjectWriter &writer, int firstNode);

    // The node the next page belongs under, for its /Parent. Writes the
    // node before it when that one is full. Throws PdfWriteError.
    int parentOfNextPage();
    // Adds the page written under parentOfNextPage().
    void addPage(int page);

    long long pageCount() const { return m_pageCount; }

    // Writes the nodes still open; the root gets rootEntries (inheritable
    // entries such as /MediaBox). Returns the root's object number. Throws
    // PdfWriteError.
    int finish(const std::string &rootEntries);

private:
    struct Node {
        int number = 0; // 0 while the level has no open node
        std::vector<int> kids;
        long long pages = 0;
    };

    void addKid(size_t level, int kid, long long pages);
    void close(size_t level);
    void write(const Node &node, int parent, const std::string &entries);

    PdfObjectWriter &m_writer;
    std::vector<Node> m_levels; // the bottom level first
    long long m_pageCount = 0;
};

} // namespace tervolanpdf

#endif
