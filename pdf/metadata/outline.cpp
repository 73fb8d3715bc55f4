#include "pdf/metadata/outline.h"

#include "pdf/format/pdfsyntax.h"

namespace tervolanpdf {

namespace {

void appendReference(std::string &out, const char *key, int number)
{
    out += key;
    PdfSyntax::appendInteger(out, number);
    out += " 0 R";
}

} // namespace

Outline::Outline(PdfObjectWriter &writer) : m_writer(writer) {}

void Outline::addHeading(int level, std::string title, double top)
{
    Entry entry;
    entry.level = level == kVolume ? kVolume : kChapter;
    entry.title = std::move(title);
    entry.top = top;
    if (++m_headingCount == 1) {
        m_firstHeading = std::move(entry);
        return;
    }
    if (m_headingCount == 2)
        start();
    place(std::move(entry));
}

// Nothing is reserved before the second heading, so a document with one
// keeps the object numbers it would have without any.
void Outline::start()
{
    m_root = m_writer.reserve();
    Entry first = std::move(*m_firstHeading);
    m_firstHeading.reset();
    place(std::move(first));
}

// A chapter goes under the volume before it; one before any volume, and
// every volume, stands at the top.
void Outline::place(Entry entry)
{
    entry.number = m_writer.reserve();
    if (entry.level == kChapter && m_top && m_top->level == kVolume)
        placeChild(std::move(entry));
    else
        placeTopLevel(std::move(entry));
}

void Outline::placeTopLevel(Entry entry)
{
    close(m_child, /*next*/ 0);
    entry.parent = m_root;
    entry.previous = m_top ? m_top->number : 0;
    if (m_firstTop == 0)
        m_firstTop = entry.number;
    m_lastTop = entry.number;
    close(m_top, entry.number);
    m_top = std::move(entry);
}

void Outline::placeChild(Entry entry)
{
    entry.parent = m_top->number;
    entry.previous = m_child ? m_child->number : 0;
    if (m_top->first == 0)
        m_top->first = entry.number;
    m_top->last = entry.number;
    ++m_top->count;
    close(m_child, entry.number);
    m_child = std::move(entry);
}

void Outline::close(std::optional<Entry> &entry, int next)
{
    if (!entry)
        return;
    entry->next = next;
    release(std::move(*entry));
    entry.reset();
}

void Outline::release(Entry entry)
{
    if (entry.page == 0)
        m_onOpenPage.push_back(std::move(entry));
    else
        write(entry);
}

void Outline::pageWritten(int page)
{
    for (std::optional<Entry> *open : {&m_firstHeading, &m_top, &m_child}) {
        if (*open && (*open)->page == 0)
            (*open)->page = page;
    }
    for (Entry &entry : m_onOpenPage) {
        entry.page = page;
        write(entry);
    }
    m_onOpenPage.clear();
}

int Outline::finish()
{
    if (m_root == 0)
        return 0;
    close(m_child, /*next*/ 0);
    close(m_top, /*next*/ 0);
    std::string &body = m_writer.body();
    m_writer.beginObject(m_root);
    body += "<</Type/Outlines";
    appendReference(body, "/First ", m_firstTop);
    appendReference(body, "/Last ", m_lastTop);
    // Volumes open: every entry shows.
    body += "/Count ";
    PdfSyntax::appendInteger(body, m_headingCount);
    body += ">>";
    m_writer.endObject();
    return m_root;
}

// The destination keeps the reader's zoom and left edge and scrolls the
// heading's line to the top of the window.
void Outline::write(const Entry &entry)
{
    std::string &body = m_writer.body();
    m_writer.beginObject(entry.number);
    body += "<</Title";
    PdfSyntax::appendTextString(body, entry.title);
    appendReference(body, "/Parent ", entry.parent);
    if (entry.previous)
        appendReference(body, "/Prev ", entry.previous);
    if (entry.next)
        appendReference(body, "/Next ", entry.next);
    if (entry.count > 0) {
        appendReference(body, "/First ", entry.first);
        appendReference(body, "/Last ", entry.last);
        body += "/Count ";
        PdfSyntax::appendInteger(body, entry.count);
    }
    appendReference(body, "/Dest[", entry.page);
    body += "/XYZ null ";
    PdfSyntax::appendReal(body, entry.top);
    body += " null]>>";
    m_writer.endObject();
}

} // namespace tervolanpdf
