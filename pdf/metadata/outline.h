// The document's outline (bookmarks): one entry per heading, chapters
// nested under the volume before them. Entries are written as soon as
// their page is written and their next sibling is known, so memory holds
// the open volume, its last chapter and the headings of the open page,
// however many headings the document has. A document with fewer than two
// headings gets no outline and no object of it: a lone heading in a short
// note does not make a book.
#ifndef TERVOLANPDF_OUTLINE_H
#define TERVOLANPDF_OUTLINE_H

#include "pdf/format/pdfobjectwriter.h"

#include <optional>
#include <string>
#include <vector>

namespace tervolanpdf {

class Outline {
public:
    static constexpr int kVolume = 1;
    static constexpr int kChapter = 2;

    explicit Outline(PdfObjectWriter &writer);

    // A heading of level (kVolume or kChapter) whose first line stands at
    // top (points from the page's bottom edge) on the open page. Throws
    // PdfWriteError.
    void addHeading(int level, std::string title, double top);
    // The open page went out as object page: its headings can now point at
    // it. Throws PdfWriteError.
    void pageWritten(int page);
    // Writes the entries still open and the outline's root; returns the
    // root's object number, or 0 when there is no outline. Every page must
    // have been written. Throws PdfWriteError.
    int finish();

private:
    struct Entry {
        int number = 0;
        int level = kChapter;
        std::string title;
        double top = 0;
        int page = 0; // 0 while its page is open
        int parent = 0;
        int previous = 0;
        int next = 0;
        int first = 0; // children, for a volume
        int last = 0;
        int count = 0;
    };

    void start();
    void place(Entry entry);
    void placeTopLevel(Entry entry);
    void placeChild(Entry entry);
    void close(std::optional<Entry> &entry, int next);
    void release(Entry entry);
    void write(const Entry &entry);

    PdfObjectWriter &m_writer;
    int m_root = 0; // reserved with the second heading
    int m_headingCount = 0;
    std::optional<Entry> m_firstHeading; // held until a second one makes an outline
    std::optional<Entry> m_top;          // the last top-level entry, its next unknown
    std::optional<Entry> m_child;        // the last chapter of m_top when that is a volume
    int m_firstTop = 0;
    int m_lastTop = 0;
    std::vector<Entry> m_onOpenPage; // complete but for their page
};

} // namespace tervolanpdf

#endif
