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

// Readers know only the usual widths: a 5-byte offset field stopped one of
// them outright. Below 4 GiB the field is 4 bytes, and the bytes follow.
TEST(XrefTable, NarrowsTheStreamOffsetFieldBelowFourGigabytes)
{
    EXPECT_EQ(XrefTable::offsetBytes(0xFFFFFFFF), 4);
    EXPECT_EQ(XrefTable::offsetBytes(0x100000000), 5);
    EXPECT_EQ(XrefTable::fieldWidths(4), "[1 4 2]");
    XrefTable table(/*folder*/ ".", "/out/small.pdf");
    table.record(1, 0xA1B2C3D4);
    table.recordInStream(2, /*stream*/ 7, /*index*/ 3);
    std::string entries;
    table.appendBinaryEntries(1, 2, /*offsetBytes*/ 4, entries);
    EXPECT_EQ(entries,
              std::string("\x01\xA1\xB2\xC3\xD4\x00\x00"
                          "\x02\x00\x00\x00\x07\x00\x03",
                          14));
}
