#include "pdf/metadata/parenttree.h"

#include "pdf/format/pdfsyntax.h"

namespace tervolanpdf {

namespace {

// A leaf's /Nums holds a key and an array per page.
constexpr int kKeysPerLeaf = PdfSyntax::kMaxArrayEntries / 2;

void appendReference(std::string &out, int number)
{
    PdfSyntax::appendInteger(out, number);
    out += " 0 R";
}

void appendLimits(std::string &out, int first, int last)
{
    out += "/Limits[";
    PdfSyntax::appendInteger(out, first);
    out += ' ';
    PdfSyntax::appendInteger(out, last);
    out += ']';
}

} // namespace

ParentTree::ParentTree(PdfObjectWriter &writer, const std::string &folder,
                       const std::string &target)
    : m_writer(writer)
    , m_arrays(folder, target)
{
}

int ParentTree::addPage(const std::vector<int> &elements)
{
    const int array = m_writer.reserve();
    std::string &body = m_writer.body();
    m_writer.beginObject(array);
    body += '[';
    for (const int element : elements) {
        appendReference(body, element);
        body += ' ';
    }
    body += ']';
    m_writer.endObject();
    m_arrays.append(array);
    return nextKey() - 1;
}

// A tree of one leaf is the root alone, as every document short of 4,096
// pages has it.
void ParentTree::writeNodes()
{
    if (m_arrays.size() <= static_cast<uint64_t>(kKeysPerLeaf))
        return;
    m_top = writeLeaves();
    while (m_top.size() > static_cast<size_t>(PdfSyntax::kMaxArrayEntries))
        m_top = writeLevel(m_top);
}

void ParentTree::appendRoot(const PdfObjectWriter::Append &append)
{
    if (m_top.empty()) {
        appendNums(append);
        return;
    }
    std::string kids = "/Kids[";
    for (const Node &node : m_top) {
        appendReference(kids, node.number);
        kids += ' ';
    }
    kids += ']';
    append(kids);
}

void ParentTree::appendNums(const PdfObjectWriter::Append &append)
{
    append("/Nums[");
    int key = 0;
    std::string part;
    m_arrays.forEachBlock([&](std::span<const int> arrays) {
        part.clear();
        for (const int array : arrays) {
            PdfSyntax::appendInteger(part, key++);
            part += ' ';
            appendReference(part, array);
            part += ' ';
        }
        append(part);
    });
    append("]");
}

std::vector<ParentTree::Node> ParentTree::writeLeaves()
{
    std::vector<Node> leaves;
    std::string nums;
    int key = 0;
    const auto writeLeaf = [&] {
        const int first = leaves.empty() ? 0 : leaves.back().last + 1;
        const Node leaf{m_writer.reserve(), first, key - 1};
        m_writer.beginObject(leaf.number);
        std::string &body = m_writer.body();
        body += "<<";
        appendLimits(body, leaf.first, leaf.last);
        body += "/Nums[";
        body += nums;
        body += "]>>";
        m_writer.endObject();
        leaves.push_back(leaf);
        nums.clear();
    };
    m_arrays.forEachBlock([&](std::span<const int> arrays) {
        for (const int array : arrays) {
            PdfSyntax::appendInteger(nums, key++);
            nums += ' ';
            appendReference(nums, array);
            nums += ' ';
            if (key % kKeysPerLeaf == 0)
                writeLeaf();
        }
    });
    if (!nums.empty())
        writeLeaf();
    return leaves;
}

std::vector<ParentTree::Node> ParentTree::writeLevel(const std::vector<Node> &below)
{
    std::vector<Node> level;
    for (size_t begin = 0; begin < below.size(); begin += PdfSyntax::kMaxArrayEntries) {
        const size_t end
            = std::min(below.size(), begin + static_cast<size_t>(PdfSyntax::kMaxArrayEntries));
        const Node node{m_writer.reserve(), below[begin].first, below[end - 1].last};
        m_writer.beginObject(node.number);
        std::string &body = m_writer.body();
        body += "<<";
        appendLimits(body, node.first, node.last);
        body += "/Kids[";
        for (size_t i = begin; i < end; ++i) {
            appendReference(body, below[i].number);
            body += ' ';
        }
        body += "]>>";
        m_writer.endObject();
        level.push_back(node);
    }
    return level;
}

} // namespace tervolanpdf
