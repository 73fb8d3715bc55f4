// The page limit, driven directly with a small limit: a document that
// reaches the real one takes a million pages to write.
#include "pdf/pagelimit.h"
#include "pdf/tervolanpdf-private.h"

#include <gtest/gtest.h>

using namespace tervolanpdf;

TEST(PageLimit, RefusesThePagePastTheLimitNamingLimitAndFile)
{
    const PageLimit limit(/*maxPages*/ 3);
    EXPECT_NO_THROW(limit.admit(3, "/out/long.pdf"));
    try {
        limit.admit(4, "/out/long.pdf");
        ADD_FAILURE() << "a fourth page was let in";
    } catch (const PdfWriteError &error) {
        EXPECT_STREQ(error.what(),
                     "\"/out/long.pdf\" would pass 3 pages, more than PDF readers can open");
    }
    EXPECT_NO_THROW(PageLimit().admit(PageLimit::kMaxPages, "/out/long.pdf"));
    EXPECT_THROW(PageLimit().admit(PageLimit::kMaxPages + 1, "/out/long.pdf"), PdfWriteError);
}
