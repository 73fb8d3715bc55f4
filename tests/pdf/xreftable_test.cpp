// The cross-reference table's ten-digit offsets: the last one that fits is
// written as is, the first that does not stops the document instead of
// going out cut to ten digits.
#include "pdf/format/xreftable.h"
#include "pdf/tervolanpdf-private.h"

#include <gtest/gtest.h>

using namespace tervolanpdf;

TEST(XrefTable, RefusesAnOffsetPastTenDigits)
{
    XrefTable table(/*folder*/ ".", "/out/huge.pdf");
    table.record(1, 9999999999);
    std::string lines;
    table.appendEntries(1, 1, lines);
    EXPECT_EQ(lines, "9999999999 00000 n \n");
    try {
        table.record(2, 10000000000);
        ADD_FAILURE() << "an eleven-digit offset was taken";
    } catch (const PdfWriteError &error) {
        EXPECT_STREQ(error.what(),
                     "\"/out/huge.pdf\" would pass 10 GB, more than a PDF "
                     "cross-reference table can address");
    }
}
