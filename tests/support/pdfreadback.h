#pragma once

#include <ostream>
#include <string>
#include <vector>

// Reads a PDF back with poppler's command-line tools. A tool that fails
// fails the test.
namespace PdfReadback {

// The text of one page (1-based) or of all pages (0), line by line, with
// empty lines left out and blanks and page breaks at the line ends trimmed.
std::vector<std::string> lines(const std::string &pdf, int page = 0);
// One field of pdfinfo's output ("Pages", "Author", "Page size").
std::string info(const std::string &pdf, const std::string &field);
int pages(const std::string &pdf);
// The top of each text line in points from the top of page 1.
std::vector<double> lineTops(const std::string &pdf);

// One entry of the document's outline, in reading order, as qpdf reads it.
struct OutlineEntry {
    int depth; // 0 at the top
    int page;  // 1-based, the page its destination opens
    std::string title;
    bool operator==(const OutlineEntry &) const = default;
};
// For GoogleTest's messages.
std::ostream &operator<<(std::ostream &out, const OutlineEntry &entry);
std::vector<OutlineEntry> outline(const std::string &pdf);

} // namespace PdfReadback
