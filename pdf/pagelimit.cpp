#include "pdf/pagelimit.h"

#include "pdf/tervolanpdf-private.h"

namespace tervolanpdf {

void PageLimit::admit(long long pages, const std::string &target) const
{
    if (pages <= m_maxPages)
        return;
    throw PdfWriteError("\"" + target + "\" would pass " + std::to_string(m_maxPages)
                        + " pages, more than PDF readers can open");
}

} // namespace tervolanpdf
