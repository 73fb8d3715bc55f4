#include "platform/gdi/dibbuffer.h"
#include "platform/gdi/surface.h"

#include <gtest/gtest.h>

using Gdi::DibBuffer;

TEST(DibBuffer, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(DibBuffer::strideFor(1), 4);
    EXPECT_EQ(DibBuffer::strideFor(4), 12);
    EXPECT_EQ(DibBuffer::strideFor(5), 16);
    EXPECT_EQ(DibBuffer(5, 3).bytes().size(), 48);
}

TEST(DibBuffer, BottomUpBlueGreenRed)
{
    Gdi::Surface s(5, 2);
    s.setPixel(0, 0, Gdi::rgb(10, 20, 30));
    s.setPixel(4, 1, Gdi::rgb(40, 50, 60));
    const DibBuffer buffer = DibBuffer::read(s, 0, 0, 5, 2);
    const auto *bytes = reinterpret_cast<const unsigned char *>(buffer.bytes().constData());
    // The top row of the picture is the second stored row.
    EXPECT_EQ(bytes[16 + 0], 30);
    EXPECT_EQ(bytes[16 + 1], 20);
    EXPECT_EQ(bytes[16 + 2], 10);
    EXPECT_EQ(bytes[12], 60);
    EXPECT_EQ(bytes[14], 40);
    EXPECT_EQ(bytes[15], 0); // padding
    EXPECT_EQ(buffer.color(4, 1), Gdi::rgb(40, 50, 60));
}

TEST(DibBuffer, WriteBackAtAnOffsetIsExact)
{
    Gdi::Surface s(7, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x)
            s.setPixel(x, y, Gdi::rgb(x * 30, y * 40, x + y));
    DibBuffer buffer = DibBuffer::read(s, 1, 2, 5, 3);
    EXPECT_EQ(buffer.color(0, 0), s.pixel(1, 2));
    buffer.setColor(2, 1, Gdi::rgb(1, 2, 3));
    Gdi::Surface target(7, 6);
    buffer.writeTo(target, 1, 2);
    EXPECT_EQ(target.pixel(3, 3), Gdi::rgb(1, 2, 3));
    EXPECT_EQ(target.pixel(5, 4), s.pixel(5, 4));
    EXPECT_EQ(target.pixel(0, 2), 0xFFFFFFu);
    EXPECT_EQ(target.pixel(6, 2), 0xFFFFFFu);
}

TEST(DibBuffer, OutsideTheSurfaceReadsBlack)
{
    Gdi::Surface s(2, 2, 0xFFFFFF);
    const DibBuffer buffer = DibBuffer::read(s, 1, 1, 2, 2);
    EXPECT_EQ(buffer.color(0, 0), 0xFFFFFFu);
    EXPECT_EQ(buffer.color(1, 1), 0u);
}
