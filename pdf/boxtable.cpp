#include "pdf/boxtable.h"

#include "pdf/pdfbox.h"
#include "pdf/tervolanpdf-private.h"

#include <climits>
#include <mutex>

namespace tervolanpdf {

BoxTable &BoxTable::instance()
{
    // Never destroyed: boxes may still be in use by other threads while the
    // process runs its exit handlers.
    static BoxTable *table = new BoxTable;
    return *table;
}

int BoxTable::create()
{
    auto box = std::make_unique<PdfBox>();
    std::unique_lock lock(m_mutex);
    if (m_boxes.size() >= static_cast<size_t>(INT_MAX))
        throw PdfError("no more PDF boxes can be created");
    m_boxes.push_back(std::move(box));
    return static_cast<int>(m_boxes.size());
}

PdfBox &BoxTable::box(int handle)
{
    std::shared_lock lock(m_mutex);
    if (handle < 1 || static_cast<size_t>(handle) > m_boxes.size())
        throw PdfError("unknown PDF box " + std::to_string(handle));
    return *m_boxes[static_cast<size_t>(handle) - 1];
}

} // namespace tervolanpdf
