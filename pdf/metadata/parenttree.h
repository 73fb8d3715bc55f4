// The structure's parent tree: for each page with marked text, the array
// naming the element of each of its marks, keyed by the page's
// /StructParents. The keys spill into a file beside the document; past
// what one PDF/A array may hold, the tree is written in levels of nodes.
#ifndef TERVOLANPDF_PARENTTREE_H
#define TERVOLANPDF_PARENTTREE_H

#include "pdf/format/pdfobjectwriter.h"
#include "pdf/format/spillednumbers.h"

#include <string>
#include <vector>

namespace tervolanpdf {

class ParentTree {
public:
    // The spill file, when needed, goes into folder; target names the
    // document in messages.
    ParentTree(PdfObjectWriter &writer, const std::string &folder, const std::string &target);

    // Writes the array of a page's elements, one per mark; returns the key
    // the page's /StructParents names. Throws PdfWriteError.
    int addPage(const std::vector<int> &elements);

    // Writes the nodes below the root, when the keys need them. Throws
    // PdfWriteError.
    void writeNodes();
    // The root's entries ("/Nums[...]" or "/Kids[...]"), a part at a time,
    // once the nodes are written. Throws PdfWriteError.
    void appendRoot(const PdfObjectWriter::Append &append);
    int nextKey() const { return static_cast<int>(m_arrays.size()); }

private:
    struct Node {
        int number;
        int first; // its lowest key
        int last;  // and its highest
    };
    void appendNums(const PdfObjectWriter::Append &append);
    std::vector<Node> writeLeaves();
    std::vector<Node> writeLevel(const std::vector<Node> &below);

    PdfObjectWriter &m_writer;
    SpilledNumbers m_arrays; // per key, the array object it names
    std::vector<Node> m_top; // the root's kids, none for a single leaf
};

} // namespace tervolanpdf

#endif
