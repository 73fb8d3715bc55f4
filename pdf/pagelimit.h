// The most pages a document may get. Past about a million pages PDF
// readers take minutes or give up on a file, so a longer document is
// refused rather than written for nobody to open.
#ifndef TERVOLANPDF_PAGELIMIT_H
#define TERVOLANPDF_PAGELIMIT_H

#include <string>

namespace tervolanpdf {

class PageLimit {
public:
    static constexpr long long kMaxPages = 1000000;

    explicit PageLimit(long long maxPages = kMaxPages) : m_maxPages(maxPages) {}

    // Lets a document named target grow to pages pages. Throws
    // PdfWriteError naming the limit and target when that is too many.
    void admit(long long pages, const std::string &target) const;

private:
    long long m_maxPages;
};

} // namespace tervolanpdf

#endif
