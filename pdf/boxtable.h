// The handles of all boxes of the process. Boxes are never released (the
// interface has no call for it), so a looked-up box stays valid for good.
#ifndef TERVOLANPDF_BOXTABLE_H
#define TERVOLANPDF_BOXTABLE_H

#include <memory>
#include <shared_mutex>
#include <vector>

namespace tervolanpdf {

class PdfBox;

class BoxTable {
public:
    static BoxTable &instance();

    // Adds a new box and returns its handle, 1 for the first. Throws
    // PdfError when no further handle can be given out.
    int create();

    // The box of handle. Throws PdfError naming the handle when there is
    // no such box.
    PdfBox &box(int handle);

private:
    BoxTable() = default;

    // Lookups far outnumber creations and may run in many threads at once.
    std::shared_mutex m_mutex;
    std::vector<std::unique_ptr<PdfBox>> m_boxes;
};

} // namespace tervolanpdf

#endif
