#include "controls/xpcontainer/containerpainter.h"

#include <gtest/gtest.h>

using Gdi::rgb;

TEST(ContainerGradient, RoundsHalvesToEvenAndEndsOnTheEndColour)
{
    Gdi::Surface s(4, 5);
    // Steps of 2.5 and 1.5 per row put every other row on a half.
    ContainerPainter::verticalGradient(s, rgb(0, 0, 0), rgb(5, 3, 10), 0, 4, 2, 4);
    EXPECT_EQ(s.pixel(0, 0), rgb(0, 0, 0));
    EXPECT_EQ(s.pixel(3, 1), rgb(2, 2, 5));   // 2.5 -> 2, 1.5 -> 2
    EXPECT_EQ(s.pixel(0, 2), rgb(5, 3, 10));  // the end colour after N rows
    EXPECT_EQ(s.pixel(0, 3), rgb(8, 4, 15));  // 7.5 -> 8, 4.5 -> 4
    EXPECT_EQ(s.pixel(0, 4), rgb(10, 6, 20)); // rows past N keep going
}

TEST(ContainerGradient, ZeroStepsOrBadColourDrawNothing)
{
    Gdi::Surface s(4, 4);
    const QImage before = s.image().copy();
    ContainerPainter::verticalGradient(s, rgb(0, 0, 0), rgb(9, 9, 9), 0, 3, 0, 4);
    ContainerPainter::verticalGradient(s, 0xFFFFFFFF, rgb(9, 9, 9), 0, 3, 3, 4);
    EXPECT_EQ(s.image(), before);
}
