#include "platform/gdi/surface.h"

#include <gtest/gtest.h>

using Gdi::Rect;
using Gdi::Surface;

namespace {

constexpr Gdi::ColorRef White = 0xFFFFFF;
constexpr Gdi::ColorRef Ink = Gdi::rgb(200, 10, 20);

// Every pixel of the surface that is not white, as (x, y) pairs.
std::vector<std::pair<int, int>> inked(const Surface &s)
{
    std::vector<std::pair<int, int>> result;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != White)
                result.emplace_back(x, y);
    return result;
}

using Points = std::vector<std::pair<int, int>>;

} // namespace

TEST(SurfaceLine, HorizontalExcludesEndPoint)
{
    Surface s(12, 8);
    s.line(2, 5, 8, 5, Ink);
    EXPECT_EQ(inked(s), (Points{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}));
}

TEST(SurfaceLine, ReversedDirectionExcludesItsOwnEnd)
{
    Surface s(12, 8);
    s.line(8, 5, 2, 5, Ink);
    EXPECT_EQ(inked(s), (Points{{3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {8, 5}}));
}

TEST(SurfaceLine, VerticalAndDiagonal)
{
    Surface s(6, 6);
    s.line(1, 0, 1, 3, Ink);
    EXPECT_EQ(inked(s), (Points{{1, 0}, {1, 1}, {1, 2}}));
    Surface d(6, 6);
    d.line(0, 0, 4, 4, Ink);
    EXPECT_EQ(inked(d), (Points{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
}

TEST(SurfaceLine, ZeroLengthDrawsNothingAndOutsideIsClipped)
{
    Surface s(6, 6);
    s.line(3, 3, 3, 3, Ink);
    s.line(-5, 2, 2, 2, Ink);
    EXPECT_EQ(inked(s), (Points{{0, 2}, {1, 2}}));
}

TEST(SurfaceRect, FillExcludesRightAndBottom)
{
    Surface s(8, 8);
    s.fillRect(Rect::box(2, 3, 2, 2), Ink);
    EXPECT_EQ(inked(s), (Points{{2, 3}, {3, 3}, {2, 4}, {3, 4}}));
}

TEST(SurfaceRect, FrameIsOnePixelInside)
{
    Surface s(9, 9);
    s.frameRect(Rect::box(2, 2, 4, 3), Ink);
    EXPECT_EQ(
        inked(s),
        (Points{{2, 2}, {3, 2}, {4, 2}, {5, 2}, {2, 3}, {5, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}}));
}

TEST(SurfaceRect, EmptyOrReversedDrawsNothing)
{
    Surface s(8, 8);
    s.fillRect({5, 5, 2, 2}, Ink);
    s.frameRect({5, 5, 5, 9}, Ink);
    EXPECT_TRUE(inked(s).empty());
}

TEST(SurfaceClip, PrimitivesStayInsideClipRect)
{
    Surface s(10, 10);
    s.setClipRect(Rect::box(2, 2, 3, 3));
    s.fillRect(s.bounds(), Ink);
    s.line(0, 8, 10, 8, Ink);
    EXPECT_EQ(inked(s).size(), 9u);
    EXPECT_EQ(s.pixel(1, 2), White);
    EXPECT_EQ(s.pixel(4, 4), Ink);
    EXPECT_EQ(s.pixel(5, 4), White);
}

// A button painted at its new width before its surface grew drew its
// right edge beside the surface, and the inverted intersection ran off.
TEST(SurfaceClip, DrawingBesideTheSurfaceLeavesItAlone)
{
    Surface s(10, 10);
    s.frameRect(Rect::box(0, 0, 179, 43), Ink);
    s.fillRect(Rect::box(20, 2, 5, 5), Ink);
    s.bitBlt(30, 0, 4, 4, Surface(4, 4, Ink), 0, 0);
    EXPECT_EQ(inked(s).size(), 19u) << "the frame's top and left edges only";
}

TEST(SurfacePixel, OutsideReadsInvalid)
{
    Surface s(3, 3);
    s.setPixel(2, 2, Ink);
    s.setPixel(3, 3, Ink);
    EXPECT_EQ(s.pixel(2, 2), Ink);
    EXPECT_EQ(s.pixel(3, 0), 0xFFFFFFFFu);
    EXPECT_EQ(s.pixel(-1, 0), 0xFFFFFFFFu);
}

TEST(SurfaceFocusRect, InvertsEveryOtherBorderPixelAndTwiceRestores)
{
    Surface s(10, 8, Gdi::rgb(10, 20, 30));
    const QImage before = s.image().copy();
    const Rect box = Rect::box(1, 1, 6, 6);
    s.drawFocusRect(box);
    const Gdi::ColorRef inverted = Gdi::rgb(245, 235, 225);
    EXPECT_EQ(s.pixel(1, 1), inverted);
    EXPECT_EQ(s.pixel(2, 1), Gdi::rgb(10, 20, 30));
    EXPECT_EQ(s.pixel(3, 1), inverted);
    EXPECT_EQ(s.pixel(6, 6), inverted); // bottom-right corner, inverted once
    EXPECT_EQ(s.pixel(6, 5), Gdi::rgb(10, 20, 30));
    EXPECT_EQ(s.pixel(3, 3), Gdi::rgb(10, 20, 30)); // inside untouched
    EXPECT_EQ(s.pixel(7, 1), Gdi::rgb(10, 20, 30)); // right of the box
    s.drawFocusRect(box);
    EXPECT_EQ(s.image(), before);
}

TEST(SurfaceFocusRect, OnePixelHighBoxStillRestores)
{
    Surface s(8, 4, Gdi::rgb(1, 2, 3));
    const QImage before = s.image().copy();
    s.drawFocusRect(Rect::box(0, 1, 7, 1));
    EXPECT_NE(s.image(), before);
    s.drawFocusRect(Rect::box(0, 1, 7, 1));
    EXPECT_EQ(s.image(), before);
}

TEST(SurfaceEllipse, OutlineAndBrushInsideTheBox)
{
    Surface s(12, 8);
    const Gdi::ColorRef brush = Gdi::rgb(0, 0, 255);
    s.ellipse(Rect::box(1, 1, 10, 6), Ink, 1, brush);
    EXPECT_EQ(s.pixel(6, 4), brush);  // centre
    EXPECT_EQ(s.pixel(1, 4), Ink);    // left end of the middle row
    EXPECT_EQ(s.pixel(10, 4), Ink);   // right end, the last column of the box
    EXPECT_EQ(s.pixel(11, 4), White); // right of the box
    EXPECT_EQ(s.pixel(1, 1), White);  // the box's corner is outside the ellipse
    EXPECT_EQ(s.pixel(6, 1), Ink);
    EXPECT_EQ(s.pixel(6, 6), Ink);
    EXPECT_EQ(s.pixel(6, 7), White);
}

TEST(SurfaceEllipse, HollowWithWidePen)
{
    Surface s(20, 20);
    s.ellipse(Rect::box(0, 0, 20, 20), Ink, 3, std::nullopt);
    EXPECT_EQ(s.pixel(0, 10), Ink);
    EXPECT_EQ(s.pixel(2, 10), Ink);
    EXPECT_EQ(s.pixel(3, 10), White);
    EXPECT_EQ(s.pixel(10, 10), White);
}

TEST(SurfaceCopy, BitBltClipsAtBothSurfaces)
{
    Surface src(4, 4, Ink);
    src.setPixel(0, 0, Gdi::rgb(1, 1, 1));
    Surface dst(6, 6);
    dst.bitBlt(4, -1, 4, 4, src, 0, 0);
    EXPECT_EQ(dst.pixel(4, 0), Ink); // source row 1
    EXPECT_EQ(dst.pixel(5, 2), Ink);
    EXPECT_EQ(dst.pixel(3, 0), White);
    EXPECT_EQ(dst.pixel(4, 3), White);
    dst.bitBlt(0, 0, 2, 2, src, -1, -1); // only source (0,0) exists
    EXPECT_EQ(dst.pixel(1, 1), Gdi::rgb(1, 1, 1));
    EXPECT_EQ(dst.pixel(0, 0), White);
}

TEST(SurfaceCopy, StretchWidensAndSqueezes)
{
    Surface src(8, 1);
    for (int x = 0; x < 8; ++x)
        src.setPixel(x, 0, Gdi::rgb(x * 10, 0, 0));
    Surface dst(20, 3);
    dst.stretchBlt(Rect::box(0, 0, 16, 3), src, Rect::box(0, 0, 8, 1));
    EXPECT_EQ(dst.pixel(0, 2), Gdi::rgb(0, 0, 0));
    EXPECT_EQ(dst.pixel(1, 0), Gdi::rgb(0, 0, 0));
    EXPECT_EQ(dst.pixel(2, 1), Gdi::rgb(10, 0, 0));
    EXPECT_EQ(dst.pixel(15, 0), Gdi::rgb(70, 0, 0));
    EXPECT_EQ(dst.pixel(16, 0), White);

    // Squeezed to half, each target pixel takes the source under its centre.
    Surface narrow(4, 1);
    narrow.stretchBlt(Rect::box(0, 0, 4, 1), src, src.bounds());
    EXPECT_EQ(narrow.pixel(0, 0), Gdi::rgb(10, 0, 0));
    EXPECT_EQ(narrow.pixel(3, 0), Gdi::rgb(70, 0, 0));
}
